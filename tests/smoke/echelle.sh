# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by commun.sh: a window that shows its picture at any scale
# (resized, maximised, full screen). Its mapping is read off the window's
# geometry the way the program computes it; clicks land on the picture's
# pixels through it, and screenshots of the picture are brought back to the
# picture's own size. POSIX sh.

# The colour of the margins around the picture.
SOMBRE='#181818'

# cadre WINDOW [WIDTH HEIGHT]: for a picture of WIDTH x HEIGHT (800 x 600)
# sets G_X, G_Y, G_WIDTH, G_HEIGHT (the window on the screen), EN / ED (the
# scale), IX, IY (the picture's corner in the window), IL, IH (its size).
cadre() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/G_\1=/p')"
    il=${2:-800}
    ih=${3:-600}
    if [ $((G_WIDTH * ih)) -le $((G_HEIGHT * il)) ]; then
        EN=$G_WIDTH ED=$il
    else
        EN=$G_HEIGHT ED=$ih
    fi
    IL=$((il * EN / ED)) IH=$((ih * EN / ED))
    IX=$(((G_WIDTH - IL) / 2)) IY=$(((G_HEIGHT - IH) / 2))
}

# clique_image WINDOW X Y: a real click on the centre of the picture's pixel (X, Y).
clique_image() {
    cadre "$1"
    xdotool mousemove --sync --window "$1" $((IX + (2 * $2 + 1) * EN / (2 * ED))) \
        $((IY + (2 * $3 + 1) * EN / (2 * ED))) click 1 || echoue "cannot click at $2,$3 of the picture in window $1"
}

# capture_image WINDOW FILE: the picture the window shows, brought back to
# 800 x 600 (a smoothed picture comes back close, not equal).
capture_image() {
    cadre "$1"
    capture "$TRAVAIL/ecran-entier.png"
    convert "$TRAVAIL/ecran-entier.png" -crop "${IL}x${IH}+$((G_X + IX))+$((G_Y + IY))" +repage \
        -resize '800x600!' "$2" || echoue "cannot crop the picture from the screenshot"
}

# proche FILE X Y #RRGGBB: the pixel is that colour within 12 per channel.
proche() {
    vu=$(pixel "$1" "$2" "$3")
    awk -v a="$vu" -v b="$4" 'function c(s, i) { return index("0123456789ABCDEF", toupper(substr(s, i, 1))) - 1 }
        function h(s, i) { return 16 * c(s, i) + c(s, i + 1) }
        BEGIN { for (i = 2; i <= 6; i += 2) { d = h(a, i) - h(b, i); if (d > 12 || d < -12) exit 1 } }'
}

# ressemble A B: the two pictures of one size differ by less than 6 % (root mean square).
ressemble() {
    e=$(compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    awk -v e="$e" 'BEGIN { exit !(e != "" && e < 0.06) }'
}

# arrete_x: stops the X server, so that another of another size can start.
arrete_x() {
    [ -n "$XVFB_PID" ] || return 0
    relache_tout
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}
