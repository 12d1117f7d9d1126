#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game played by keyboard alone, as a person who never touches the
# mouse plays it: Return on the title screen, Tab to a board size and Return,
# Shift+Tab back to "JOUER" and Return, then every move of both people by
# the arrows and Return. Before every move the screen must show the board
# the rules give, with the hint markers on exactly the legal cells, and the
# keyboard cell's marker where the last move was played (at the start, on
# the top-left central cell: the keyboard has been in use since the first Tab). Then Return in the
# result box and Escape on the setup screen, which ends the program with
# status 0: no key is ever sent to a window by name and the keyboard focus
# is never set from outside, so each key goes where the program put the
# focus, the result box's included. Standard error holds routine lines only.
#
# Usage: clavier.sh PROGRAM [SIZE: 6, 8, 10 or 12; 6 by default]
# (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
TAILLE=${2:-6}
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"
PIONS_X=t2.bmp
PIONS_O=lap.bmp
# The cells are read without the band where the keyboard cell's marker shows.
MARGE_CASE=3

# clavier KEY...: key presses, each released at once, to whichever window
# has the keyboard.
clavier() {
    for k in "$@"; do
        xdotool key "$k" || echoue "cannot press $k"
    done
}

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }
# The setup screen with the focus ring on "JOUER", one colour one and two
# pixels inside its edge, where its bevel shows without it.
anneau_jouer() { est_reglages "$1" && [ "$(pixel "$1" 596 531)" = "$(pixel "$1" 645 532)" ] &&
    [ "$(pixel "$1" 596 531)" != "$(pixel "$TRAVAIL/reglages.png" 596 531)" ]; }

demarre_x
lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre.png"
clavier Return
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
# From "JOUER", the last stop in reading order, Tab goes round to the name
# fields, the person buttons, then the board sizes 6 and 8 of the first row.
case $TAILLE in
6) pas=5 ;;
8) pas=6 ;;
10) pas=13 ;;
12) pas=14 ;;
*) echoue "no board of size $TAILLE" ;;
esac
i=0
while [ $i -lt $pas ]; do
    clavier Tab
    i=$((i + 1))
done
clavier Return
i=0
while [ $i -lt $pas ]; do
    clavier shift+Tab
    i=$((i + 1))
done
attend_stable "$W" "$TRAVAIL/focus-jouer.png" anneau_jouer
clavier Return

# The marker of the keyboard cell (x, y): its 3-pixel band, one colour,
# unlike the pawn's middle.
marque_sur() {
    o=$(((601 - 50 * TAILLE) / 2))
    gx=$((o + 50 * $2 + 2))
    gy=$((o + 50 * $3 + 25))
    a=$(pixel "$1" "$gx" "$gy")
    [ "$a" = "$(pixel "$1" $((gx + 45)) "$gy")" ] && [ "$a" = "$(pixel "$1" $((o + 50 * $2 + 25)) $((gy - 23)))" ] &&
        [ "$a" != "$(pixel "$1" $((gx + 23)) "$gy")" ]
}
montre_tour() {
    PLATEAU=$(lit_plateau "$1" "$PIONS_X" "$PIONS_O") || return 1
    case $PLATEAU in *'?'*) return 1 ;; esac
    [ "$(regles pions "$PLATEAU")" = "$ATTENDU" ] && marques_exactes "$PLATEAU" "$CAMP" &&
        marque_sur "$1" "$KX" "$KY"
}
explique() {
    echo "move $coup, $CAMP to play, keyboard cell $KX $KY; expected"
    montre "$ATTENDU"
    echo "the screen shows"
    montre "$(lit_plateau "$1" "$PIONS_X" "$PIONS_O")"
}
DIAGNOSTIC=explique

# Moves the keyboard cell to (x, y), one arrow a cell.
va() {
    while [ "$KX" -lt "$1" ]; do clavier Right; KX=$((KX + 1)); done
    while [ "$KX" -gt "$1" ]; do clavier Left; KX=$((KX - 1)); done
    while [ "$KY" -lt "$2" ]; do clavier Down; KY=$((KY + 1)); done
    while [ "$KY" -gt "$2" ]; do clavier Up; KY=$((KY - 1)); done
}

ATTENDU=$(depart)
CAMP=x
coup=0
KX=$((TAILLE / 2 - 1))
KY=$KX
while :; do
    coup=$((coup + 1))
    attend_ecran "$W" "$TRAVAIL/coup.png" montre_tour
    # The first legal cell on odd moves, the last one on even moves.
    if [ $((coup % 2)) = 1 ]; then
        choisi=$(regles coups "$PLATEAU" "$CAMP" | head -n 1)
    else
        choisi=$(regles coups "$PLATEAU" "$CAMP" | tail -n 1)
    fi
    ATTENDU=$(regles joue "$ATTENDU" "$CAMP" "$choisi")
    va $choisi
    autre=$(adversaire "$CAMP")
    if [ -n "$(regles coups "$ATTENDU" "$autre")" ]; then
        CAMP=$autre
    elif [ -z "$(regles coups "$ATTENDU" "$CAMP")" ]; then
        clavier Return
        break
    fi
    clavier Return
done

B=$(nouvelle_fenetre "$W") || exit 1
attend_stable "$B" "$TRAVAIL/fin.png"
clavier Return
attend_disparition "$B"
attend_stable "$W" "$TRAVAIL/retour.png" anneau_jouer
clavier Escape
attend_fin 0

autres=$(grep -v -x -e paint -e Changement -e 'Restore All Surface' "$TRAVAIL/jeu.err")
[ -z "$autres" ] || echoue "standard error holds more than routine lines:
$autres"
echo "ok: a whole $TAILLE x $TAILLE game of $coup moves by keyboard alone, standard error clean"
