#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The toolkit's gallery driven by real pointer and keyboard input: a text
# entry edited, a scroll bar's thumb dragged, the other bar stepped, a list
# scrolled and a line picked, a number box typed into and stepped, the slate
# touched, each dialog opened and answered. The gallery reports every change
# on its standard output; the values must be the ones the input makes, and the
# screen must show them where a value has a look (thumb, selection, colour).
#
# The gallery starts in a scratch folder: it finds its images beside itself,
# and its file chooser opens the files of the folder it was started from.
#
# Usage: galerie.sh PROGRAM

. "$(dirname "$0")/commun.sh"

PROGRAMME=$1
exige_outils
[ -x "$PROGRAMME" ] || echoue "no program $PROGRAMME"

FACE='#AAB4D2'  # face of the gallery's buttons and thumbs
PISTE='#646464' # scroll bar track

# attend WANTED...: the next report lines after the mark must be these.
attend() {
    for voulu in "$@"; do
        ligne=$(attend_ligne '.') || exit 1
        [ "$ligne" = "$voulu" ] || echoue "report '$ligne', expected '$voulu'"
        SAUT=$((SAUT + 1))
    done
}

case $PROGRAMME in /*) ;; *) PROGRAMME=$PWD/$PROGRAMME ;; esac
printf 'un fichier de la galerie\n' >"$TRAVAIL/essai.txt"
cd "$TRAVAIL" || exit 1

demarre_x
lance galerie "$PROGRAMME"
W=$(fenetre 'Galerie ecran') || exit 1
attend "galerie prete"
attend_stable "$W" "$TRAVAIL/depart.png"
D=$TRAVAIL/depart.png

# The drawing primitives no widget uses: a circle's outline, a filled ellipse.
verifie_pixel "$D" 462 395 '#14143C' "left edge of the circle"
verifie_pixel "$D" 480 395 '#BEBEC8' "inside of the circle"
verifie_pixel "$D" 532 395 '#C86E32' "filled ellipse"

# Text entry: a press starts the editing, End goes to the end, typing inserts.
clique "$W" 160 100
touche "$W" End
tape "$W" " ok"
touche "$W" Return
attend "texte Texte modifiable" "texte Texte modifiable " "texte Texte modifiable o" "texte Texte modifiable ok"

# Horizontal bar, 0 to 100 at 50: its thumb dragged to the right.
verifie_pixel "$D" 160 410 "$FACE" "thumb at 50"
glisse "$W" 160 410 180 410 220 410 260 410
attend "ascenseur 4 50" "ascenseur 4 59" "ascenseur 4 77" "ascenseur 4 96"
attend_stable "$W" "$TRAVAIL/glisse.png"
verifie_pixel "$TRAVAIL/glisse.png" 259 410 "$FACE" "thumb at 96"
verifie_pixel "$TRAVAIL/glisse.png" 160 410 "$PISTE" "track where the thumb was"

# Vertical bar, 0 to 20 at 0: two steps of its lower arrow, a press below the thumb.
clique "$W" 600 430
clique "$W" 600 430
clique "$W" 600 300
attend "ascenseur 6 1" "ascenseur 6 2" "ascenseur 6 12"

# List: the first line, then one line down, then the fifth shown line.
clique "$W" 100 200
attend "ligne 0 Abricot"
clique "$W" 290 349
clique "$W" 100 200
attend "ligne 1 Banane"
clique "$W" 100 275
attend "ligne 5 Groseille"
attend_stable "$W" "$TRAVAIL/liste.png"
[ "$(pixel "$TRAVAIL/liste.png" 200 263)" != '#FFFFFF' ] || echoue "no frame around the chosen line"

# Number box, 0 to 99 showing 5: digits only, two at most, then the right arrow.
clique "$W" 200 155
touche "$W" End
tape "$W" "7x3"
touche "$W" BackSpace Return
clique "$W" 290 155
attend "nombre 2 5" "nombre 2 57" "nombre 2 57" "nombre 2 57" "nombre 2 5" "nombre 2 6"

# Slate: a press is reported where it is.
clique "$W" 400 150
attend "ardoise 400 150"

# Palette: the grid's corners, a red picked, "Ok"; the slate takes the colour.
clique "$W" 507 335
P=$(fenetre 'Palette de Couleur') || exit 1
attend_stable "$P" "$TRAVAIL/palette.png"
verifie_pixel "$TRAVAIL/palette.png" 10 10 '#001E00' "first cell of the palette"
verifie_pixel "$TRAVAIL/palette.png" 230 190 '#FAFAFA' "last cell of the palette"
verifie_pixel "$TRAVAIL/palette.png" 295 75 '#000000' "preview before a pick"
clique "$P" 230 30
rouge() { [ "$(pixel "$1" 295 75)" = '#FA0000' ]; }
attend_stable "$P" "$TRAVAIL/palette-rouge.png" rouge
clique "$P" 295 130
attend "couleur 250 0 0"
attend_disparition "$P"
attend_stable "$W" "$TRAVAIL/ardoise.png"
verifie_pixel "$TRAVAIL/ardoise.png" 450 120 '#FA0000' "slate in the picked colour"
clique "$W" 507 335
P=$(fenetre 'Palette de Couleur') || exit 1
clique "$P" 230 30
clique "$P" 295 170
attend "couleur 44 44 44"

# File chooser: a typed name is opened; "Annuler" opens nothing.
clique "$W" 392 335
F=$(fenetre "Choix d'un fichier") || exit 1
clique "$F" 175 35
tape "$F" essai.txt
touche "$F" Return
clique "$F" 250 265
attend "fichier ouvert 25 octets"
attend_disparition "$F"
clique "$W" 392 335
F=$(fenetre "Choix d'un fichier") || exit 1
clique "$F" 100 265
attend "fichier aucun"
attend_disparition "$F"

# The yes/no box answers "Oui" with 1; the message box closes by its button.
clique "$W" 507 275
B=$(nouvelle_fenetre "$W") || exit 1
clique_lent "$B" 188 120
attend "confirmation 1"
attend_disparition "$B"
clique "$W" 392 275
B=$(nouvelle_fenetre "$W") || exit 1
clique_lent "$B" 125 120
attend "message ferme"
attend_disparition "$B"

clique "$W" 392 395 # "Quitter"
attend_fin 0
echo "ok: every widget and dialog of the gallery answered its input"
