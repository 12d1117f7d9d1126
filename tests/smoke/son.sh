#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's sound, heard through SDL's disk audio driver, which writes what
# the program plays to a file: nothing until the first move, sound once a
# pawn is placed and turned; with --muet, nothing at all. Standard error
# holds only routine lines: opening the audio output says nothing.
#
# Usage: son.sh PROGRAM (run from the folder that holds the images and sounds)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f pose.wav ] || echoue "no sounds in $(pwd)"

TAILLE=8
PIONS_X=t2.bmp  # the default pawn sets, two people
PIONS_O=lap.bmp

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }

# The board shows ATTENDU with the markers of CAMP; leaves it in PLATEAU.
montre_tour() {
    PLATEAU=$(lit_plateau "$1" "$PIONS_X" "$PIONS_O") || return 1
    case $PLATEAU in *'?'*) return 1 ;; esac
    [ "$(regles pions "$PLATEAU")" = "$ATTENDU" ] && marques_exactes "$PLATEAU" "$CAMP"
}

# Bytes of the audio file that are not silence (16-bit samples: silence is zero).
sonore() {
    if [ -f "$1" ]; then tr -d '\000' <"$1" | wc -c; else echo 0; fi
}

# joue NAME OPTION...: starts the program with the disk driver writing to
# $TRAVAIL/NAME.raw, goes to the play screen and plays the first legal move
# of the left side; the program is left on the right side's turn.
joue() {
    nom=$1
    shift
    AUDIO=$TRAVAIL/$nom.raw
    lance "$nom" env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$AUDIO" "$PROGRAMME" "$@"
    W=$(fenetre Flipora) || exit 1
    attend_stable "$W" "$TRAVAIL/$nom-titre.png"
    clique "$W" 400 300
    attend_stable "$W" "$TRAVAIL/$nom-reglages.png" est_reglages
    clique "$W" 645 547 # "JOUER"
    ATTENDU=$(depart)
    CAMP=x
    attend_stable "$W" "$TRAVAIL/$nom-debut.png" montre_tour
    [ "$(sonore "$AUDIO")" = 0 ] || echoue "$nom: sound before any move"
    choisi=$(regles coups "$PLATEAU" x | head -n 1)
    ATTENDU=$(regles joue "$ATTENDU" x "$choisi")
    CAMP=o
    clique "$W" $(centre_case $choisi)
    attend_stable "$W" "$TRAVAIL/$nom-coup.png" montre_tour
}

# Ends the program by Escape; its standard error must hold only routine lines.
termine() {
    touche "$W" Escape
    attend_fin 0
    autres=$(grep -v -x -e paint -e Changement -e 'Restore All Surface' "$TRAVAIL/$1.err")
    [ -z "$autres" ] || echoue "$1: standard error holds more than routine lines:
$autres"
}

demarre_x

joue son
i=0
until [ "$(sonore "$AUDIO")" -gt 0 ]; do
    [ $i -lt $((PATIENCE * 10)) ] || echoue "no sound written after the move"
    sleep 0.1
    i=$((i + 1))
done
termine son
entendu=$(sonore "$AUDIO")

joue muet --muet
termine muet
[ "$(sonore "$AUDIO")" = 0 ] || echoue "--muet: $(sonore "$AUDIO") bytes of sound written"

echo "ok: a move played $entendu bytes of sound on the disk driver; with --muet none"
