#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Three contact sheets of the generated images, to look at them side by side:
#   planche.sh BUILD_DIR OUT.png
# writes OUT.png (every image the generator listed, with its name),
# OUT-retournements.png (the flip of a few pairings, frame by frame) and
# OUT-plateau.png (every pawn and marker laid on a board as the game lays them,
# to check that they blend in).
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUT.png   (writes OUT.png, OUT-retournements.png and OUT-plateau.png)" >&2
    exit 2
fi
dossier=$1
sortie=$2
base=${sortie%.png}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

jeux="t2 lap eb er rob ror vov vor"

# Every image, named: the generator lists what it drew.
[ -r "$dossier/donnees.liste" ] || { echo "$0: no $dossier/donnees.liste: build the images first" >&2; exit 1; }
liste=""
while IFS= read -r f; do liste="$liste $dossier/$f"; done <"$dossier/donnees.liste"
# shellcheck disable=SC2086
montage -label '%t' -font DejaVu-Sans -pointsize 10 -geometry '100x100>+6+6' -tile 10x -background '#777' $liste "$sortie"

# Flips: the pawn of the flipped side's set, its frames 1 and 2, the edge-on
# frame, frames 3 and 4 of the mover's set (the game's frames 4 and 5), the mover's pawn.
ligne=0
for paire in "t2 lap" "lap t2" "eb er" "rob ror" "vov vor" "ror eb" "vor rob" "er vov"; do
    set -- $paire
    a=$1 b=$2
    montage -geometry '+2+2' -tile 7x1 -background '#777' \
        "$dossier/$a.bmp" "$dossier/${a}1.bmp" "$dossier/${a}2.bmp" "$dossier/pion3.bmp" \
        "$dossier/${b}3.bmp" "$dossier/${b}4.bmp" "$dossier/$b.bmp" "$travail/ligne$ligne.png"
    ligne=$((ligne + 1))
done
montage -geometry '+0+4' -tile 1x -background '#777' "$travail"/ligne*.png -scale 200% "$base-retournements.png"

# A 10 x 6 board: the texture tiled from one pixel inside the grid, as the game's
# board slate does, grid lines in the game's grid colour, and every pawn image
# laid one pixel inside its cell's corner.
largeur=$((10 * 50 + 1))
hauteur=$((6 * 50 + 1))
convert -size ${largeur}x${hauteur} tile:"$dossier/plateau.bmp" -roll +1+1 "$travail/plateau.png"
lignes=""
k=0
while [ $k -le 10 ]; do lignes="$lignes line $((k * 50)),0 $((k * 50)),$hauteur"; k=$((k + 1)); done
k=0
while [ $k -le 6 ]; do lignes="$lignes line 0,$((k * 50)) $largeur,$((k * 50))"; k=$((k + 1)); done
cp "$travail/plateau.png" "$travail/pose.png"
rang=0
for j in $jeux; do
    col=0
    for vue in "" 1 2 3 4; do
        convert "$travail/pose.png" "$dossier/$j$vue.bmp" -geometry +$((col * 50 + 1))+$((rang * 50 + 1)) -composite "$travail/pose.png"
        col=$((col + 1))
    done
    rang=$((rang + 1))
    [ $rang -eq 6 ] && break
done
col=5
for f in vov vor pion3 aide prop; do
    convert "$travail/pose.png" "$dossier/$f.bmp" -geometry +$((col * 50 + 1))+1 -composite "$travail/pose.png"
    col=$((col + 1))
done
convert "$travail/pose.png" -stroke 'rgb(49,138,183)' -draw "$lignes" -scale 200% "$base-plateau.png"
