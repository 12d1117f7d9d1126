#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# For a sanitized build: every way a player ends the program ends it with
# status 0 and no sanitizer report on its error output. Escape on the play
# screen; "QUITTER" on the setup screen; Escape after a whole game between
# two computer sides and "Continue" in the result box; the close box during
# a computer game. Says whether SDL loaded libdbus, whose state is never
# freed: only where it did is the suppression put to the test.
#
# Usage: sortie.sh PROGRAM CLOSER (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
FERME=$2
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -x "$FERME" ] || echoue "no closer $FERME"

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }
en_jeu() { [ "$(differences "$1" 90x90+5+5 fond.bmp 90x90+5+5)" != 0 ] && ! est_reglages "$1"; }

# Starts the program and brings it to the setup screen.
jusquaux_reglages() {
    lance jeu "$PROGRAMME"
    W=$(fenetre Flipora) || exit 1
    attend_stable "$W" "$TRAVAIL/titre.png"
    grep -q libdbus "/proc/$PROGRAMME_PID/maps" 2>/dev/null && DBUS=yes
    clique "$W" 400 300
    attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
}

# fin_propre WHAT: status 0 and not a line of any sanitizer.
fin_propre() {
    attend_fin 0
    ! grep -q 'Sanitizer' "$TRAVAIL/jeu.err" || echoue "$1: a sanitizer report on standard error"
}

# Two computer sides at strength 1 on a board of the given size, then "JOUER".
partie_ordinateurs() {
    clique "$W" 115 365
    clique "$W" 605 370
    choisit_taille "$W" "$1"
    clique "$W" 645 547
}

DBUS=no
demarre_x

jusquaux_reglages
clique "$W" 645 547 # "JOUER"
attend_stable "$W" "$TRAVAIL/jeu.png" en_jeu
touche "$W" Escape
fin_propre "Escape on the play screen"

jusquaux_reglages
clique "$W" 155 547 # "QUITTER"
fin_propre "QUITTER on the setup screen"

jusquaux_reglages
partie_ordinateurs 6
B=$(nouvelle_fenetre "$W") || exit 1
clique_lent "$B" 125 120 # "Continue"
attend_disparition "$B"
attend_stable "$W" "$TRAVAIL/retour.png" est_reglages
touche "$W" Escape
fin_propre "Escape after a whole game"

jusquaux_reglages
partie_ordinateurs 12
attend_ecran "$W" "$TRAVAIL/partie.png" en_jeu
"$FERME" "$W" || echoue "cannot send the close request to window $W"
fin_propre "close box during a computer game"

echo "ok: four endings with status 0 and no sanitizer report (libdbus loaded: $DBUS)"
