#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A game against the computer, played with real clicks on the real program:
# the setup choices (computer at strength 3 on the right, other pawn sets, a
# board size changed and changed back), a refused click, three moves of the
# person, then "QUITTER" back to the setup screen, which must still show the
# choices, and "QUITTER" there, which ends the program with status 0.
#
# Nothing is read from the program but its screen. The script knows the rules
# (regles.awk): before each move the hint markers must stand exactly on the
# person's legal cells, one of them with the suggestion; after it the board
# must be the person's move followed by one legal answer of the computer.
#
# Usage: partie.sh PROGRAM [ZOOM] (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
ZOOM=${2:-1}
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"

# Colours of the game buttons: face of a normal button, face of a chosen one.
BLEU_FONCE='#1446C1'
JAUNE='#FFC850'
TAILLE=8
# Pawn sets chosen below: 8 for the person (side -1), 11 for the computer.
PION_PERSONNE=rob.bmp
PION_ORDINATEUR=vor.bmp

demarre_x
lance jeu "$PROGRAMME" --zoom="$ZOOM"
W=$(fenetre Flipora) || exit 1

attend_stable "$W" "$TRAVAIL/titre.png"
clique "$W" 400 300

# The setup screen: the start button's face is up.
est_reglages() {
    [ "$(pixel "$1" 600 535)" = "$BLEU_FONCE" ]
}
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages

clique "$W" 685 370 # strength 3, right side
clique "$W" 119 489 # pawn set 8, left side
clique "$W" 678 489 # pawn set 11, right side
choisit_taille "$W" 10 # a board size, then back to 8
choisit_taille "$W" 8

# The choices as the setup screen shows them: each group highlights exactly
# its choice. Pawn-set buttons are covered by their icons but for the bevel,
# which is lit like the bevel of any chosen button.
verifie_choix() {
    f=$1
    verifie_pixel "$f" 90 275 "$JAUNE" "left person button"
    verifie_pixel "$f" 105 355 "$BLEU_FONCE" "left strength 1"
    verifie_pixel "$f" 580 275 "$BLEU_FONCE" "right person button"
    verifie_pixel "$f" 595 360 "$BLEU_FONCE" "right strength 1"
    verifie_pixel "$f" 635 360 "$BLEU_FONCE" "right strength 2"
    verifie_pixel "$f" 675 360 "$JAUNE" "right strength 3"
    verifie_pixel "$f" 365 335 "$BLEU_FONCE" "board size 6"
    verifie_pixel "$f" 410 335 "$JAUNE" "board size 8"
    verifie_pixel "$f" 365 375 "$BLEU_FONCE" "board size 10"
    verifie_pixel "$f" 410 375 "$BLEU_FONCE" "board size 12"
    eclaire=$(pixel "$f" 87 272)
    for bouton in "4 92 396" "6 161 396" "8 92 462" "10 161 462" "5 582 396" "7 651 396" "9 582 462" "11 651 462"; do
        set -- $bouton
        vu=$(pixel "$f" $(($2 + 2)) $(($3 + 2)))
        if [ "$1" = 8 ] || [ "$1" = 11 ]; then
            [ "$vu" = "$eclaire" ] || echoue "pawn set $1 is not shown as chosen"
        else
            [ "$vu" != "$eclaire" ] || echoue "pawn set $1 is shown as chosen"
        fi
    done
}
# Waits for the last choice to be drawn: size 8 highlighted again.
choix_dessines() {
    est_reglages "$1" && [ "$(pixel "$1" 410 335)" = "$JAUNE" ] && [ "$(pixel "$1" 365 375)" = "$BLEU_FONCE" ]
}
attend_stable "$W" "$TRAVAIL/choix.png" choix_dessines
verifie_choix "$TRAVAIL/choix.png"

clique "$W" 645 547 # "JOUER"

# The person's turn as the screen shows it: no cell half drawn, markers on
# exactly the legal cells, one suggestion, the arrow under the left name.
# Leaves the board in PLATEAU.
tour_personne() {
    PLATEAU=$(lit_plateau "$1" "$PION_PERSONNE" "$PION_ORDINATEUR") || return 1
    case $PLATEAU in *'?'*) return 1 ;; esac
    marques_exactes "$PLATEAU" x || return 1
    [ "$(differences "$1" 32x30+640+60 fleche.bmp 32x30+0+0)" = 0 ]
}

attend_stable "$W" "$TRAVAIL/debut.png" tour_personne
DEPART=$(depart)
[ "$(regles pions "$PLATEAU")" = "$DEPART" ] || echoue "the game does not start from the centre square:
$(montre "$PLATEAU")"
MESSAGES=97x86+650+320 # inside the side panel's message area, where the texts go

# A click on an occupied cell is refused with a message and changes nothing.
clique "$W" $(centre_case 3 3)
refus_affiche() {
    [ "$(differences "$1" $MESSAGES "$TRAVAIL/debut.png" $MESSAGES)" != 0 ]
}
attend_stable "$W" "$TRAVAIL/refus.png" refus_affiche
identiques "$TRAVAIL/refus.png" "$TRAVAIL/debut.png" 600x600+0+0 "board after a refused click"

ecran=$TRAVAIL/debut.png
for coup in 1 2 3; do
    avant=$PLATEAU
    nombre=$(regles coups "$avant" x | wc -l)
    [ "$nombre" -gt 0 ] || echoue "move $coup: the person has no legal move"
    choisi=$(regles coups "$avant" x | sed -n "$((coup % nombre + 1))p")
    APRES=$(regles joue "$avant" x "$choisi")
    REPONSES=$(regles reponses "$APRES" o)
    clique "$W" $(centre_case $choisi)
    # The turn is over when the board is one of the computer's answers (or
    # the person's move alone, when the computer must pass) and it is the
    # person's turn again.
    tour_fini() {
        tour_personne "$1" || return 1
        pions=$(regles pions "$PLATEAU")
        if [ -z "$REPONSES" ]; then
            [ "$pions" = "$APRES" ]
        else
            echo "$REPONSES" | grep -qx "$pions"
        fi
    }
    explique() {
        echo "move $coup at ($choisi) on"
        montre "$avant"
        echo "should give"
        montre "$APRES"
        echo "then one of the computer's $(echo "$REPONSES" | grep -c .) answers; the screen shows"
        montre "$(lit_plateau "$1" "$PION_PERSONNE" "$PION_ORDINATEUR")"
    }
    DIAGNOSTIC=explique
    suivant=$TRAVAIL/coup$coup.png
    attend_stable "$W" "$suivant" tour_fini
    # Every scan repaints the message area: the refusal is gone.
    identiques "$suivant" "$TRAVAIL/debut.png" $MESSAGES "message area after move $coup"
    ecran=$suivant
done

clique "$W" 700 537 # "QUITTER" of the play screen
attend_stable "$W" "$TRAVAIL/retour.png" est_reglages
identiques "$TRAVAIL/retour.png" fond.bmp 800x195+0+0 "top of the setup screen"
verifie_choix "$TRAVAIL/retour.png"

clique "$W" 155 547 # "QUITTER" of the setup screen
attend_fin 0
echo "ok: three moves played against strength 3 at zoom $ZOOM, choices kept, program ended"
