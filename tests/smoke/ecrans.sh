#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots for a person to look at, one PNG each: the title screen, the
# setup screen of both builds, the setup screen with the keyboard focus on
# "JOUER" and the board with the keyboard cell, the play screen on 8 x 8
# with hints and on 12 x 12, the end-of-game box of a computer game on 6 x 6, and the gallery
# with a text entry being edited, with its file chooser and with its palette.
# It checks only that each screen comes up.
#
# Usage: ecrans.sh BUILD_FOLDER [OUTPUT_FOLDER, default /tmp/ecrans]

. "$(dirname "$0")/commun.sh"

CONSTRUCTION=$1
SORTIES=${2:-/tmp/ecrans}
exige_outils
cd "$CONSTRUCTION" || echoue "no folder $CONSTRUCTION"
for p in ok_fr ok_en galerie; do
    [ -x "$p" ] || echoue "no program $CONSTRUCTION/$p"
done
mkdir -p "$SORTIES" || echoue "cannot create $SORTIES"

est_reglages() { [ "$(pixel "$1" 600 535)" = '#1446C1' ]; }
en_jeu() { [ "$(differences "$1" 90x90+5+5 fond.bmp 90x90+5+5)" != 0 ] && ! est_reglages "$1"; }
titre_dessine() { [ "$(differences "$1" 163x42+629+540 fond.bmp 163x42+629+540)" != 0 ]; }

demarre_x

# The French build: title, setup, 8 x 8 with hints, 12 x 12, the end box.
lance jeu ./ok_fr
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$SORTIES/titre-fr.png" titre_dessine
clique "$W" 400 300
attend_stable "$W" "$SORTIES/reglages-fr.png" est_reglages
# The keyboard in use: the focus ring on "JOUER", then the keyboard cell one
# cell right of where a game starts it.
touche "$W" Tab shift+Tab
attend_stable "$W" "$SORTIES/reglages-clavier.png" est_reglages
touche "$W" Return
attend_stable "$W" "$TRAVAIL/jeu.png" en_jeu
touche "$W" Right
attend_stable "$W" "$SORTIES/jeu-clavier.png" en_jeu
clique "$W" 700 537
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
clique "$W" 645 547
attend_stable "$W" "$SORTIES/jeu-8x8-aides.png" en_jeu
clique "$W" 700 537
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
choisit_taille "$W" 12
clique "$W" 645 547
attend_stable "$W" "$SORTIES/jeu-12x12.png" en_jeu
clique "$W" 700 537
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
clique "$W" 115 365 # strength 1, left
clique "$W" 605 370 # strength 1, right
choisit_taille "$W" 6
clique "$W" 645 547
B=$(nouvelle_fenetre "$W") || exit 1
sleep 0.5
capture "$TRAVAIL/fin.png"
convert "$TRAVAIL/fin.png" -crop 800x600+0+0 +repage "$SORTIES/fin-de-partie.png"
clique_lent "$B" 125 120
attend_disparition "$B"
attend_stable "$W" "$TRAVAIL/reglages.png" est_reglages
clique "$W" 155 547
attend_fin 0

# The English build's setup screen.
lance jeu ./ok_en
W=$(fenetre Flipora) || exit 1
attend_stable "$W" "$TRAVAIL/titre-en.png" titre_dessine
clique "$W" 400 300
attend_stable "$W" "$SORTIES/reglages-en.png" est_reglages
touche "$W" Escape
attend_fin 0

# The gallery.
lance galerie ./galerie
W=$(fenetre 'Galerie ecran') || exit 1
attend_stable "$W" "$TRAVAIL/galerie.png"
clique "$W" 160 100
touche "$W" End
tape "$W" " en cours"
attend_stable "$W" "$SORTIES/galerie-saisie.png"
touche "$W" Return
clique "$W" 392 335
F=$(fenetre "Choix d'un fichier") || exit 1
attend_stable "$F" "$TRAVAIL/selecteur.png"
capture "$TRAVAIL/ecran.png"
convert "$TRAVAIL/ecran.png" -crop 640x480+0+0 +repage "$SORTIES/galerie-fichier.png"
clique_lent "$F" 100 265
attend_disparition "$F"
clique "$W" 507 335
P=$(fenetre 'Palette de Couleur') || exit 1
clique "$P" 120 80
attend_stable "$P" "$TRAVAIL/palette.png"
capture "$TRAVAIL/ecran.png"
convert "$TRAVAIL/ecran.png" -crop 640x480+0+0 +repage "$SORTIES/galerie-palette.png"
clique_lent "$P" 295 130
attend_disparition "$P"
clique "$W" 392 395
attend_fin 0

ls "$SORTIES"/*.png
