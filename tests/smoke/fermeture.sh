#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the window from the desktop during a game between two computer
# sides on 12 x 12 at strength 3, which takes minutes and reads no input
# until its end: the close request still ends the program at once, status 0.
# With CROSSINGS, the pointer first leaves and enters the window that many
# times: the window events nothing takes meanwhile queue up in front of the
# close request.
#
# Usage: fermeture.sh PROGRAM CLOSER [CROSSINGS] (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
FERME=$2
TRAVERSEES=${3:-0}
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -x "$FERME" ] || echoue "no closer $FERME"

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }
en_jeu() { [ "$(differences "$1" 90x90+5+5 fond.bmp 90x90+5+5)" != 0 ] && ! est_reglages "$1"; }

demarre_x
lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre.png"
clique "$W" 400 300
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
clique "$W" 195 365 # strength 3, left
clique "$W" 685 370 # strength 3, right
choisit_taille "$W" 12
clique "$W" 645 547 # "JOUER"
# The game is under way once the play screen shows and keeps changing.
i=0
until capture_fenetre "$W" "$TRAVAIL/jeu.png" && en_jeu "$TRAVAIL/jeu.png"; do
    [ $i -lt $((PATIENCE * 10)) ] || echoue "the game does not start"
    sleep 0.1
    i=$((i + 1))
done
sleep 1
capture_fenetre "$W" "$TRAVAIL/jeu2.png"
[ "$(differences "$TRAVAIL/jeu.png" 600x600+0+0 "$TRAVAIL/jeu2.png" 600x600+0+0)" != 0 ] ||
    echoue "the board does not change: no game under way"

# The screen is 1024 x 768: (900, 700) lies outside the 800 x 600 window.
i=0
while [ $i -lt "$TRAVERSEES" ]; do
    xdotool mousemove --sync 900 700 && xdotool mousemove --sync --window "$W" 400 300 ||
        echoue "cannot move the pointer across the window's edge"
    i=$((i + 1))
done
programme_vivant || echoue "the program ended while the pointer crossed its window"

debut=$(date +%s%N)
"$FERME" "$W" || echoue "cannot send the close request to window $W"
attend_fin 0
fin=$(date +%s%N)
echo "ok: closed during a computer game after $TRAVERSEES pointer crossings, ended in $(((fin - debut) / 1000000)) ms with status 0"
