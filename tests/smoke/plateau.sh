# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by commun.sh: the game's board, read off a screenshot of the game
# window, and the rules it must obey (regles.awk), for a board of $TAILLE
# cells a side. POSIX sh.

REGLES=$(dirname "$0")/regles.awk

# regles OP BOARD SIDE [CELL]: runs the rules of regles.awk for a board of $TAILLE.
regles() {
    awk -f "$REGLES" -v N="$TAILLE" -v op="$1" -v plateau="$2" -v camp="${3:-x}" -v case_="${4:-}"
}

# lit_plateau FILE PAWN_MINUS PAWN_PLUS: the board of $TAILLE cells a side
# shown in the screenshot, in the notation of regles.awk, with '?' for a cell
# that shows none of the known images (a flip frame, say). A cell is known by
# its inside, which the pawns (drawn one pixel inside the cell's corner, 50
# pixels square), the markers (48 square) and the board texture (tiled from
# the board's corner) cover exactly; its grid lines are left out. Where the
# last row of pawns passes the window's bottom edge (12 x 12), they are
# squeezed into the rows left, nearest pixel, as the toolkit draws them.
# A band of $MARGE_CASE pixels (0 unless set) along the edges of the inside
# is left out too, where the keyboard cell's marker shows.
MARGE_CASE=${MARGE_CASE:-0}
lit_plateau() {
    o=$(((601 - 50 * TAILLE) / 2))
    t=$((50 * TAILLE))
    m=$MARGE_CASE
    reste=$((600 - o - t + 49))
    # One ImageMagick run for the five maps: a poll of a 140-move game runs
    # it hundreds of times. Cell by cell, a map is dark where the cell's
    # inside is its reference image.
    commande="convert \\( '$1' -crop ${t}x${t}+$o+$o +repage -write mpr:ecran +delete \\)"
    commande="$commande \\( -size $((48 - 2 * m))x$((48 - 2 * m)) xc:white -background black -gravity northwest"
    commande="$commande -splice $((1 + m))x$((1 + m)) -extent 50x50"
    commande="$commande -write mpr:case +delete -size ${t}x${t} tile:mpr:case -write mpr:masque +delete \\)"
    n=0
    for reference in "$2:0+0" "$3:0+0" "prop.bmp:0+0" "aide.bmp:0+0" "plateau.bmp:1+1"; do
        commande="$commande \\( mpr:ecran \\( '${reference%%:*}' -crop 48x48+${reference#*:} +repage"
        commande="$commande -compose over -background black -gravity northwest -splice 1x1 -extent 50x50"
        commande="$commande -write mpr:tuile$n +delete -size ${t}x${t} tile:mpr:tuile$n"
        if [ "$reste" -lt 50 ] && [ $n -lt 2 ]; then
            commande="$commande \\( '${reference%%:*}' -sample 50x$reste! -crop 48x48+0+0 +repage -splice 1x1"
            commande="$commande -extent 50x50 -write mpr:bas$n +delete -size ${t}x50 tile:mpr:bas$n \\)"
            commande="$commande -geometry +0+$((t - 50)) -compose over -composite +geometry"
        fi
        commande="$commande \\)"
        commande="$commande -compose difference -composite mpr:masque -compose multiply -composite"
        commande="$commande -scale ${TAILLE}x${TAILLE}! -depth 8 -write txt:$TRAVAIL/carte$n.txt +delete \\)"
        n=$((n + 1))
    done
    eval "$commande -size 1x1 xc:black null:" || plainte "cannot read the board of $1" || return 1
    cartes=""
    n=0
    for lettre in x o s h .; do
        carte=$(awk -v l="$lettre" 'NR > 1 { split($2, a, /[(),]/); printf "%s", (a[2] + a[3] + a[4] < 3 ? l : "-") }' \
            "$TRAVAIL/carte$n.txt")
        [ ${#carte} = $((TAILLE * TAILLE)) ] || plainte "cannot read the board of $1" || return 1
        cartes="$cartes $carte"
        n=$((n + 1))
    done
    echo "$cartes" | awk '{
        for (i = 1; i <= length($1); i++) {
            c = "?"
            for (k = 1; k <= NF; k++)
                if (substr($k, i, 1) != "-") { c = substr($k, i, 1); break }
            printf "%s", c
        }
        print ""
    }'
}

# marques_exactes BOARD SIDE: the hint markers stand on exactly the side's
# legal cells, and one of them is the suggestion.
marques_exactes() {
    legaux=$(regles coups "$1" "$2" | tr '\n' ' ')
    marques=$(echo "$1" | awk -v N="$TAILLE" '{
        for (x = 0; x < N; x++)
            for (y = 0; y < N; y++)
                if (substr($0, y * N + x + 1, 1) ~ /[hs]/) printf "%d %d ", x, y
    }')
    [ "$legaux" = "$marques" ] && [ "$(echo "$1" | tr -cd s | wc -c)" = 1 ]
}

adversaire() {
    [ "$1" = x ] && echo o || echo x
}

# The board, one row a line, for failure messages.
montre() {
    echo "$1" | fold -w "$TAILLE" | sed 's/^/    /'
}

# Centre of cell (x, y) in window pixels.
centre_case() {
    o=$(((601 - 50 * TAILLE) / 2))
    echo "$((o + 50 * $1 + 25)) $((o + 50 * $2 + 25))"
}

# The starting board: the four centre cells, "o" on the main diagonal.
depart() {
    avant=$(((TAILLE / 2 - 1) * (TAILLE + 1)))
    printf "%${avant}s%s%$((TAILLE - 2))s%s%${avant}s" '' ox '' xo '' | tr ' ' .
}
