#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's start in a real X server: its window, titled "Flipora", shows
# the title screen, which is the background picture with the three texts drawn
# over it; the Escape key ends the program with status 0, from the title
# screen, from the setup screen and from the play screen alike.
#
# Usage: demarrage.sh PROGRAM (run from the folder that holds the images)

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"
[ -f fond.bmp ] || echoue "no images in $(pwd)"

# Where the title screen writes, as (x1, y1)-(x2, y2) rounded out to whole
# boxes: the prompt, the credit line and the version.
INVITE=163x42+629+540
AUTEUR=296x42+0+555
VERSION=201x42+330+180

# compte_couleur FILE GEOMETRY #RRGGBB: pixels of exactly that colour.
compte_couleur() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | grep -c " $3 "
}

demarre_x

# The title screen is up once its prompt is drawn over the picture.
titre_dessine() {
    [ "$(differences "$1" $INVITE fond.bmp $INVITE)" != 0 ]
}

lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
eval "$(xdotool getwindowgeometry --shell "$W" | grep -E '^(WIDTH|HEIGHT)=')"
[ "${WIDTH}x${HEIGHT}" = 800x600 ] || echoue "window of ${WIDTH}x${HEIGHT}, expected 800x600"
attend_stable "$W" "$TRAVAIL/titre.png" titre_dessine
T=$TRAVAIL/titre.png

# Away from the texts the window is the picture, pixel for pixel: the corners,
# the middle band and the strip between the version and the prompt.
for zone in 320x175+0+0 320x175+480+0 800x120+0+240 300x140+330+400; do
    identiques "$T" fond.bmp $zone "title screen beside its texts"
done
for p in "5 5" "799 0" "0 599" "400 300" "799 599"; do
    set -- $p
    verifie_pixel "$T" $1 $2 "$(pixel fond.bmp $1 $2)" "picture at its place"
done
# Each text is drawn in two layers of the game's colours over the picture.
[ "$(compte_couleur "$T" $INVITE '#000000')" -gt 20 ] || echoue "no black layer in the prompt"
[ "$(compte_couleur "$T" $INVITE '#FFFFFF')" -gt 5 ] || echoue "no white edge to the prompt"
[ "$(compte_couleur "$T" $AUTEUR '#FFFFFF')" -gt 20 ] || echoue "no white layer in the credit line"
[ "$(compte_couleur "$T" $AUTEUR '#1446C1')" -gt 5 ] || echoue "no dark blue edge to the credit line"
[ "$(compte_couleur "$T" $VERSION '#FFFFFF')" -gt 20 ] || echoue "no white layer in the version"
[ "$(compte_couleur "$T" $VERSION '#1446C1')" -gt 5 ] || echoue "no dark blue edge to the version"

touche "$W" Escape
attend_fin 0

# Escape on the setup screen.
lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre2.png" titre_dessine
clique "$W" 400 300
est_reglages() {
    [ "$(pixel "$1" 600 535)" = '#1446C1' ] && [ "$(differences "$1" $INVITE fond.bmp $INVITE)" != 0 ]
}
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
touche "$W" Escape
attend_fin 0

# Escape on the play screen, a game of two people waiting for the first move.
lance jeu "$PROGRAMME"
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre3.png" titre_dessine
clique "$W" 400 300
attend_stable "$W" "$TRAVAIL/reglages3.png" est_reglages
clique "$W" 645 547
# The carpet's left edge replaces the setup screen's picture.
en_jeu() {
    [ "$(differences "$1" 90x90+5+5 fond.bmp 90x90+5+5)" != 0 ] && [ "$(pixel "$1" 600 535)" != '#1446C1' ]
}
attend_stable "$W" "$TRAVAIL/jeu.png" en_jeu
touche "$W" Escape
attend_fin 0

echo "ok: title screen drawn over its picture; Escape ends the program from every screen"
