#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game on 12 x 12 (or another size) between two people with help
# on, played by real clicks to its end: before every move the screen must
# show the board the rules give, with the hint markers on exactly the legal
# cells of the side to move and one suggestion; the moves chosen favour the
# last row and the last column, where the markers reach the window's edges.
# Then the result box, the setup screen again, "QUITTER" and status 0. The
# program's standard error must hold nothing but routine lines.
#
# Usage: partie12.sh PROGRAM [ZOOM] [SIZE: 6, 8, 10 or 12, the default]
# (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
ZOOM=${2:-1}
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"

TAILLE=${3:-12}
PIONS_X=t2.bmp  # the default pawn sets: 4 for side -1, 5 for side +1
PIONS_O=lap.bmp

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }

demarre_x
lance jeu "$PROGRAMME" --zoom="$ZOOM"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre.png"
clique "$W" 400 300
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
choisit_taille "$W" "$TAILLE"
clique "$W" 645 547 # "JOUER"

# The screen shows ATTENDU with the markers of CAMP: leaves it in PLATEAU.
montre_tour() {
    PLATEAU=$(lit_plateau "$1" "$PIONS_X" "$PIONS_O") || return 1
    case $PLATEAU in *'?'*) return 1 ;; esac
    [ "$(regles pions "$PLATEAU")" = "$ATTENDU" ] && marques_exactes "$PLATEAU" "$CAMP"
}
explique() {
    echo "move $coup, $CAMP to play; expected"
    montre "$ATTENDU"
    echo "the screen shows"
    montre "$(lit_plateau "$1" "$PIONS_X" "$PIONS_O")"
}
DIAGNOSTIC=explique

# The move: a cell of the last row or column when there is one, otherwise
# the suggestion on even moves and the first legal cell on odd ones.
choisit() {
    bord=$(regles coups "$PLATEAU" "$CAMP" | awk -v d=$((TAILLE - 1)) '$1 == d || $2 == d' | head -n 1)
    if [ -n "$bord" ]; then
        echo "$bord"
    elif [ $((coup % 2)) = 0 ]; then
        echo "$PLATEAU" | awk -v N="$TAILLE" '{ i = index($0, "s") - 1; print i % N, int(i / N) }'
    else
        regles coups "$PLATEAU" "$CAMP" | head -n 1
    fi
}

ATTENDU=$(depart)
CAMP=x
coup=0
BORDS=0
while :; do
    coup=$((coup + 1))
    attend_ecran "$W" "$TRAVAIL/coup.png" montre_tour
    choisi=$(choisit)
    set -- $choisi
    { [ "$1" = $((TAILLE - 1)) ] || [ "$2" = $((TAILLE - 1)) ]; } && BORDS=$((BORDS + 1))
    ATTENDU=$(regles joue "$ATTENDU" "$CAMP" "$choisi")
    autre=$(adversaire "$CAMP")
    if [ -n "$(regles coups "$ATTENDU" "$autre")" ]; then
        CAMP=$autre
    elif [ -z "$(regles coups "$ATTENDU" "$CAMP")" ]; then
        clique "$W" $(centre_case $choisi)
        break
    fi
    clique "$W" $(centre_case $choisi)
done
[ "$BORDS" -gt 0 ] || echoue "no move on the last row or column"

B=$(nouvelle_fenetre "$W") || exit 1
capture "$TRAVAIL/fin.png"
clique_lent "$B" 125 120
attend_disparition "$B"
attend_stable "$W" "$TRAVAIL/retour.png" est_reglages
clique "$W" 155 547 # "QUITTER"
attend_fin 0

autres=$(grep -v -x -e paint -e Changement "$TRAVAIL/jeu.err")
[ -z "$autres" ] || echoue "standard error holds more than routine lines:
$autres"
echo "ok: a whole $TAILLE x $TAILLE game of $coup moves at zoom $ZOOM, $BORDS on the last row or column, standard error clean"
