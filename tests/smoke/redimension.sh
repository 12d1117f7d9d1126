#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game window resized as a desktop would, and played by clicks: right
# after each new size the whole window shows the picture it showed before,
# scaled (7/6, smoothed, between dark margins; then 1.5), without waiting for
# anything to be drawn; the setup choices and "JOUER" land where they are
# clicked, the play screen's "QUITTER" goes back to the setup screen, whose
# "QUITTER" ends the program with status 0.
#
# Usage: redimension.sh PROGRAM (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"

BLEU_FONCE='#1446C1'
JAUNE='#FFC850'

ECRAN=1280x1024x24 demarre_x
lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre.png"
clique "$W" 400 300
est_reglages() { [ "$(pixel "$1" 600 535)" = "$BLEU_FONCE" ]; }
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages

# redimensionne WIDTH HEIGHT SCREENSHOT: the new size, and at once the
# picture of the screenshot.
redimensionne() {
    reference=$3
    xdotool windowsize --sync "$W" "$1" "$2" || echoue "cannot resize the window to $1 x $2"
    cadre "$W"
    [ "$G_WIDTH,$G_HEIGHT" = "$1,$2" ] || echoue "the window is $G_WIDTH x $G_HEIGHT, not $1 x $2"
    meme_image() {
        capture_image "$W" "$1"
        ressemble "$1" "$reference"
    }
    attend_ecran "$W" "$TRAVAIL/taille-$1x$2.png" meme_image
}

redimensionne 1000 700 "$TRAVAIL/reglages.png"
[ "$IX,$IY,$IL,$IH" = "33,0,933,700" ] || echoue "the picture is at $IX,$IY, $IL x $IH in 1000 x 700"
capture_fenetre "$W" "$TRAVAIL/marges.png"
verifie_pixel "$TRAVAIL/marges.png" 10 350 "$SOMBRE" "left margin"
verifie_pixel "$TRAVAIL/marges.png" 990 350 "$SOMBRE" "right margin"

clique_image "$W" 422 385 # board size 12
clique_image "$W" 685 370 # strength 3, right side
choix_faits() {
    capture_image "$W" "$1"
    proche "$1" 410 375 "$JAUNE" && proche "$1" 410 335 "$BLEU_FONCE" && proche "$1" 675 360 "$JAUNE"
}
attend_ecran "$W" "$TRAVAIL/choix.png" choix_faits

redimensionne 1200 900 "$TRAVAIL/choix.png"
clique_image "$W" 645 547 # "JOUER"
en_jeu() {
    capture_image "$W" "$1"
    ! proche "$1" 600 535 "$BLEU_FONCE"
}
attend_ecran "$W" "$TRAVAIL/jeu.png" en_jeu
clique_image "$W" 700 537 # "QUITTER" of the play screen
retour() {
    capture_image "$W" "$1"
    proche "$1" 600 535 "$BLEU_FONCE" && proche "$1" 410 375 "$JAUNE"
}
attend_ecran "$W" "$TRAVAIL/retour.png" retour
clique_image "$W" 155 547 # "QUITTER" of the setup screen
attend_fin 0
echo "ok: resized to 1000 x 700 and 1200 x 900, the picture shown at once, played by clicks"
