#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started full screen on a 1920 x 1080 display with no window
# manager, played by clicks on the scaled picture: the window covers the
# display, the picture stands 1.8 times larger between dark margins, the
# setup choices and a move against the computer land where they are
# clicked. F11 then puts the window back to 800 x 600, where the board is
# read exactly: the person's move and one legal answer. F11 again, and
# "QUITTER" twice by clicks in full screen ends the program with status 0.
#
# Usage: plein_ecran.sh PROGRAM (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"

TAILLE=8
PION_PERSONNE=rob.bmp
PION_ORDINATEUR=vor.bmp
BLEU_FONCE='#1446C1'
JAUNE='#FFC850'

ECRAN=1920x1080x24 demarre_x
lance jeu "$PROGRAMME" --plein-ecran
W=$(fenetre Flipora) || exit 1

# attend_cadre TEST WHEN: waits for the window's frame to pass TEST.
attend_cadre() {
    i=0
    until $1; do
        [ $i -lt $((PATIENCE * 10)) ] || echoue "$2, the window is at $G_X,$G_Y, $G_WIDTH x $G_HEIGHT"
        sleep 0.1
        i=$((i + 1))
    done
}
plein_ecran() {
    cadre "$W"
    [ "$G_X,$G_Y,$G_WIDTH,$G_HEIGHT" = "0,0,1920,1080" ]
}
attend_cadre plein_ecran "started full screen"
[ "$IX,$IY,$IL,$IH" = "240,0,1440,1080" ] || echoue "the picture is at $IX,$IY, $IL x $IH"

attend_stable "$W" "$TRAVAIL/titre.png"
verifie_pixel "$TRAVAIL/titre.png" 100 540 "$SOMBRE" "left margin"
verifie_pixel "$TRAVAIL/titre.png" 1819 540 "$SOMBRE" "right margin"
clique_image "$W" 400 300

reglages() {
    capture_image "$W" "$1"
    proche "$1" 600 535 "$BLEU_FONCE"
}
attend_ecran "$W" "$TRAVAIL/reglages.png" reglages
clique_image "$W" 685 370 # strength 3, right side
clique_image "$W" 119 489 # pawn set 8, left side
clique_image "$W" 678 489 # pawn set 11, right side
choix_faits() {
    reglages "$1" && proche "$1" 675 360 "$JAUNE" && proche "$1" 580 275 "$BLEU_FONCE"
}
attend_ecran "$W" "$TRAVAIL/choix.png" choix_faits
clique_image "$W" 645 547 # "JOUER"

# The play screen: the board's corner is no longer the setup screen's sky.
en_jeu() {
    capture_image "$W" "$1"
    ! proche "$1" 600 535 "$BLEU_FONCE" && ! ressemble "$1" "$TRAVAIL/choix.png"
}
attend_ecran "$W" "$TRAVAIL/jeu.png" en_jeu
attend_stable "$W" "$TRAVAIL/jeu-stable.png"
DEPART=$(depart)
COUP=$(regles coups "$DEPART" x | head -n 1)
APRES=$(regles joue "$DEPART" x "$COUP")
REPONSES=$(regles reponses "$APRES" o)
clique_image "$W" $(centre_case $COUP)
# The move is played once the screen has changed and settled again.
change() { [ "$(compare -metric AE "$TRAVAIL/jeu-stable.png" "$1" null: 2>&1 | awk '{ printf "%d", $1 }')" != 0 ]; }
attend_stable "$W" "$TRAVAIL/coup.png" change

touche "$W" F11
fenetree() {
    cadre "$W"
    [ "$G_WIDTH,$G_HEIGHT" = "800,600" ]
}
attend_cadre fenetree "after F11"
reponse() {
    PLATEAU=$(lit_plateau "$1" "$PION_PERSONNE" "$PION_ORDINATEUR") || return 1
    echo "$REPONSES" | grep -qx "$(regles pions "$PLATEAU")"
}
explique() {
    echo "the move at ($COUP), then one of the computer's answers, should show; the screen shows"
    montre "$(lit_plateau "$1" "$PION_PERSONNE" "$PION_ORDINATEUR")"
}
DIAGNOSTIC=explique
attend_stable "$W" "$TRAVAIL/fenetre.png" reponse

touche "$W" F11
attend_cadre plein_ecran "after F11 again"
clique_image "$W" 700 537 # "QUITTER" of the play screen
attend_ecran "$W" "$TRAVAIL/retour.png" reglages
clique_image "$W" 155 547 # "QUITTER" of the setup screen
attend_fin 0
echo "ok: played full screen at 1920 x 1080 by clicks, F11 back to 800 x 600 and again"
