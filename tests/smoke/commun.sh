# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the smoke scripts, which source it: a private X server, the
# program under test in it, real pointer clicks and key presses, screenshots
# and pixel reads. POSIX sh.
#
# Everything a run leaves behind (screenshots, the programs' output, the X
# server's log) stays in $TRAVAIL when the run fails, so that the failure can
# be looked at; a run that passes removes it.

set -u

TRAVAIL=$(mktemp -d "${TMPDIR:-/tmp}/smoke.XXXXXX") || exit 1
XVFB_PID=""
PROGRAMME_PID=""
GARDE_TRAVAIL=${SMOKE_GARDE:-0}
# Patience of every poll, in seconds: generous, because a loaded machine
# stretches the flip animations and the computer's thinking.
PATIENCE=${SMOKE_PATIENCE:-60}
# The zoom the program under test runs at: clicks land at ZOOM times the
# window coordinates the scripts give, and screenshots of the window are
# brought back to its own pixels (the zoom repeats each one exactly).
ZOOM=${ZOOM:-1}

echoue() {
    echo "FAILED: $*" >&2
    GARDE_TRAVAIL=1
    exit 1
}

# For the functions whose output is captured with $(...), where an exit would
# leave only the subshell: they complain and return 1, and the caller exits.
plainte() {
    echo "FAILED: $*" >&2
    return 1
}

nettoie() {
    statut=$?
    if [ -n "$PROGRAMME_PID" ]; then
        kill "$PROGRAMME_PID" 2>/dev/null
        wait "$PROGRAMME_PID" 2>/dev/null
    fi
    [ -n "$XVFB_PID" ] && relache_tout
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [ "$GARDE_TRAVAIL" = 1 ] || { [ "$statut" != 0 ] && [ "$statut" != 77 ]; }; then
        echo "screenshots and logs kept in $TRAVAIL" >&2
        for journal in "$TRAVAIL"/*.out "$TRAVAIL"/*.err; do
            [ -s "$journal" ] || continue
            echo "--- $journal (last lines)" >&2
            tail -n 20 "$journal" >&2
        done
    else
        rm -rf "$TRAVAIL"
    fi
    exit "$statut"
}
trap nettoie EXIT
trap 'exit 2' INT TERM HUP

saute() {
    echo "SKIPPED: $*"
    exit 77
}

# Skips the test where the tools are missing.
exige_outils() {
    for outil in Xvfb xdotool convert compare timeout; do
        command -v "$outil" >/dev/null 2>&1 || saute "$outil is not installed"
    done
    if command -v import >/dev/null 2>&1; then
        CAPTURE=import
    elif command -v xwd >/dev/null 2>&1; then
        CAPTURE=xwd
    else
        saute "neither import nor xwd is installed"
    fi
}

# Starts Xvfb on a free display and waits until it answers; its screen is
# $ECRAN (WxHxDEPTH) when set.
demarre_x() {
    numero=$TRAVAIL/display
    # -displayfd picks a free display and writes its number once the server
    # is ready; an Xvfb too old for it exits at once and we try fixed numbers.
    # -noreset: a server resets when its last client leaves, as between two
    # runs of a program, and refuses the next one for a moment.
    ecran=${ECRAN:-"$((1024 * ZOOM))x$((768 * ZOOM))x24"}
    Xvfb -displayfd 9 -screen 0 "$ecran" -nolisten tcp -noreset 9>"$numero" 2>"$TRAVAIL/xvfb.err" &
    XVFB_PID=$!
    affichage=""
    i=0
    while [ $i -lt 100 ]; do
        if [ -s "$numero" ] && [ "$(wc -l <"$numero")" -ge 1 ]; then
            affichage=:$(head -n 1 "$numero")
            break
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
        i=$((i + 1))
    done
    if [ -z "$affichage" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
        for n in 90 91 92 93 94 95 96 97 98 99; do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
            Xvfb ":$n" -screen 0 "$ecran" -nolisten tcp -noreset 2>"$TRAVAIL/xvfb.err" &
            XVFB_PID=$!
            affichage=:$n
            break
        done
        [ -n "$affichage" ] || saute "no free X display"
    fi
    export DISPLAY="$affichage"
    i=0
    until xdotool getmouselocation >/dev/null 2>&1; do
        kill -0 "$XVFB_PID" 2>/dev/null || saute "Xvfb does not start: $(cat "$TRAVAIL/xvfb.err")"
        [ $i -lt 100 ] || saute "Xvfb does not answer on $DISPLAY"
        sleep 0.1
        i=$((i + 1))
    done
    # The programs must draw into this server, whatever the caller's setting,
    # and make no noise: a test that listens names its own audio driver.
    export SDL_VIDEODRIVER=x11
    export SDL_AUDIODRIVER=dummy
}

# lance NAME COMMAND...: starts the program in the background; its standard
# output goes to $TRAVAIL/NAME.out, its error output to $TRAVAIL/NAME.err.
lance() {
    nom=$1
    shift
    SORTIE=$TRAVAIL/$nom.out
    "$@" >"$SORTIE" 2>"$TRAVAIL/$nom.err" &
    PROGRAMME_PID=$!
}

# Waits for the program's end and fails unless its exit status is the one given.
attend_fin() {
    attendu=$1
    i=0
    while kill -0 "$PROGRAMME_PID" 2>/dev/null; do
        [ $i -lt $((PATIENCE * 10)) ] || echoue "the program does not end"
        sleep 0.1
        i=$((i + 1))
    done
    wait "$PROGRAMME_PID"
    statut_programme=$?
    PROGRAMME_PID=""
    relache_tout
    [ "$statut_programme" = "$attendu" ] || echoue "exit status $statut_programme, expected $attendu"
}

programme_vivant() {
    [ -n "$PROGRAMME_PID" ] && kill -0 "$PROGRAMME_PID" 2>/dev/null
}

# fenetre TITLE: prints the id of the mapped window with exactly that title.
fenetre() {
    id=$(timeout "$PATIENCE" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || plainte "no window titled '$1'" || return 1
    echo "$id"
}

# nouvelle_fenetre KNOWN...: waits for a mapped window of the program that is
# none of the given ones (the untitled dialog boxes) and prints its id.
nouvelle_fenetre() {
    i=0
    while [ $i -lt $((PATIENCE * 10)) ]; do
        for id in $(xdotool search --onlyvisible --pid "$PROGRAMME_PID" 2>/dev/null); do
            connue=0
            for autre in "$@"; do
                [ "$id" = "$autre" ] && connue=1
            done
            [ $connue = 0 ] && { echo "$id"; return 0; }
        done
        programme_vivant || plainte "the program ended while a dialog was awaited" || return 1
        sleep 0.1
        i=$((i + 1))
    done
    plainte "no new window appears"
}

# Waits until the window is gone (a dialog closed by its button).
attend_disparition() {
    i=0
    while xdotool search --onlyvisible --pid "$PROGRAMME_PID" 2>/dev/null | grep -qx "$1"; do
        [ $i -lt $((PATIENCE * 10)) ] || echoue "window $1 stays open"
        sleep 0.1
        i=$((i + 1))
    done
}

# Window position on the screen: sets FX and FY.
position() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/FX=/p; s/^Y=/FY=/p')"
}

# clique WINDOW X Y: a real left click at client coordinates of the window.
clique() {
    xdotool mousemove --sync --window "$1" $(($2 * ZOOM)) $(($3 * ZOOM)) click 1 ||
        echoue "cannot click at $2,$3 in window $1"
}

# glisse WINDOW X Y X'... : presses at (X, Y), moves through the following
# points with the button held, releases at the last one.
glisse() {
    w=$1
    shift
    xdotool mousemove --sync --window "$w" $(($1 * ZOOM)) $(($2 * ZOOM)) mousedown 1 || echoue "cannot press at $1,$2"
    shift 2
    while [ $# -ge 2 ]; do
        sleep 0.05
        xdotool mousemove --sync --window "$w" $(($1 * ZOOM)) $(($2 * ZOOM)) || echoue "cannot move to $1,$2"
        shift 2
    done
    sleep 0.05
    xdotool mouseup 1
}

# Keys and buttons the scripts press: released after every program, so that
# a release lost with a window can never reach the next program started in
# the same X server (a held key repeats there).
TOUCHES_UTILISEES="Escape Return BackSpace End Home Left Right Delete Tab space Up Down Shift_L F11"
relache_tout() {
    xdotool keyup $TOUCHES_UTILISEES 2>/dev/null
    xdotool mouseup 1 2>/dev/null
    return 0
}

# xdo WHAT ARGS...: runs xdotool and fails loudly with its own words, unless
# the program has just ended, which may take its window from under the call.
xdo() {
    quoi=$1
    shift
    if ! erreur=$(xdotool "$@" 2>&1 >/dev/null); then
        programme_vivant || return 0
        echoue "$quoi: xdotool $*: $erreur"
    fi
}

# touche WINDOW KEY...: key presses sent to the window, each press then its
# release. The release names no window: the press may close the window, and a
# release sent to a window that is gone would be lost, the key held down.
touche() {
    w=$1
    shift
    # Without a window manager nobody gives the focus back to a window when
    # a dialog above it closes; a person would click it, we set it.
    xdo "focus for keys" windowfocus "$w"
    for k in "$@"; do
        xdo "key $k" keydown --window "$w" "$k"
        xdo "release of $k" keyup "$k"
    done
}

# tape WINDOW TEXT: types the text into the window, character by character.
tape() {
    xdo "typing '$2'" type --window "$1" --delay 30 "$2"
}

# capture FILE: a screenshot of the whole screen, as PNG.
capture() {
    if [ "$CAPTURE" = import ]; then
        import -window root "$1" 2>>"$TRAVAIL/capture.err" || echoue "screenshot failed"
    else
        xwd -root -silent | convert xwd:- "$1" 2>>"$TRAVAIL/capture.err" || echoue "screenshot failed"
    fi
}

# capture_fenetre WINDOW FILE: the window's client area only, so that pixel
# coordinates in FILE are the program's own window coordinates.
capture_fenetre() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/G_\1=/p')"
    taille="$((G_WIDTH / ZOOM))x$((G_HEIGHT / ZOOM))!"
    if [ "$CAPTURE" = import ] && [ "$ZOOM" = 1 ]; then
        import -window "$1" "$2" 2>>"$TRAVAIL/capture.err" || echoue "screenshot failed"
        return
    fi
    capture "$TRAVAIL/ecran-entier.png"
    convert "$TRAVAIL/ecran-entier.png" -crop "${G_WIDTH}x${G_HEIGHT}+${G_X}+${G_Y}" +repage \
        -sample "$taille" "$2" || echoue "cannot crop the screenshot"
}

# pixel FILE X Y: prints the pixel's colour as #RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | sed -n 2p | awk '{ print $3 }'
}

# verifie_pixel FILE X Y #RRGGBB WHAT
verifie_pixel() {
    vu=$(pixel "$1" "$2" "$3")
    [ "$vu" = "$4" ] || echoue "$5: pixel ($2, $3) is $vu, expected $4"
}

# differences A GEOMETRY_A B GEOMETRY_B: prints how many pixels differ
# between the two regions (geometries as WxH+X+Y, of equal sizes).
differences() {
    convert "$1" -crop "$2" +repage "$TRAVAIL/zone-a.png" &&
        convert "$3" -crop "$4" +repage "$TRAVAIL/zone-b.png" || plainte "cannot crop $1 or $3" || return 1
    compare -metric AE "$TRAVAIL/zone-a.png" "$TRAVAIL/zone-b.png" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}

# identiques A B GEOMETRY WHAT: the same region of two images must match.
identiques() {
    n=$(differences "$1" "$3" "$2" "$3") || exit 1
    [ "$n" = 0 ] || echoue "$4: $n pixels differ in $3"
}

# attend_stable WINDOW FILE [TEST]: screenshots of the window until two in a
# row are equal and, if given, the shell command TEST succeeds on the last
# one (passed as $1); leaves that screenshot in FILE. On failure the shell
# command $DIAGNOSTIC, if set, explains what the last screenshot shows.
attend_stable() {
    w=$1
    fichier=$2
    test=${3:-true}
    precedent=$TRAVAIL/stable-precedent.png
    capture_fenetre "$w" "$precedent"
    debut=$(date +%s)
    while :; do
        sleep 0.3
        capture_fenetre "$w" "$fichier"
        if [ "$(compare -metric AE "$precedent" "$fichier" null: 2>&1 | awk '{ printf "%d", $1 }')" = 0 ] &&
            eval "$test \"\$fichier\""; then
            return 0
        fi
        cp "$fichier" "$precedent"
        programme_vivant || echoue "the program ended while its screen was awaited"
        if [ $(($(date +%s) - debut)) -ge "$PATIENCE" ]; then
            [ -n "${DIAGNOSTIC:-}" ] && eval "$DIAGNOSTIC \"\$fichier\"" >&2
            echoue "the screen does not settle (test: $test), last screenshot $fichier"
        fi
    done
}

# attend_ecran WINDOW FILE TEST: screenshots of the window until the shell
# command TEST succeeds on one (passed as $1), left in FILE; for screens that
# TEST knows exactly, where waiting for two equal screenshots would be slow.
attend_ecran() {
    debut=$(date +%s)
    until capture_fenetre "$1" "$2" && eval "$3 \"\$2\""; do
        programme_vivant || echoue "the program ended while its screen was awaited"
        if [ $(($(date +%s) - debut)) -ge "$PATIENCE" ]; then
            [ -n "${DIAGNOSTIC:-}" ] && eval "$DIAGNOSTIC \"\$2\"" >&2
            echoue "the screen does not show what is awaited (test: $3), last screenshot $2"
        fi
        sleep 0.1
    done
}

# Waits for a new line matching the extended regular expression on the
# program's standard output, after the first SAUT lines; prints it.
attend_ligne() {
    motif=$1
    i=0
    while :; do
        ligne=$(tail -n +$((SAUT + 1)) "$SORTIE" | grep -E -m 1 "$motif")
        [ -n "$ligne" ] && { echo "$ligne"; return 0; }
        programme_vivant || plainte "the program ended before printing /$motif/" || return 1
        [ $i -lt $((PATIENCE * 10)) ] || plainte "no output line matching /$motif/; got: $(tail -n +$((SAUT + 1)) "$SORTIE" | tr '\n' '|')"
        sleep 0.1
        i=$((i + 1))
    done
}

# Marks the output read so far: attend_ligne looks only at what follows.
SAUT=0
marque_sortie() {
    SAUT=$(wc -l <"$SORTIE")
}

# clique_lent WINDOW X Y: a click held for a moment, as a hand makes it. A
# dialog that closes on the press is gone before the release.
clique_lent() {
    xdotool mousemove --sync --window "$1" $(($2 * ZOOM)) $(($3 * ZOOM)) mousedown 1 || echoue "cannot press at $2,$3"
    sleep 0.2
    xdotool mouseup 1
}

# choisit_taille WINDOW N: presses the setup screen's button for an N x N board.
choisit_taille() {
    case $2 in
    6) clique "$1" 377 345 ;;
    8) clique "$1" 422 345 ;;
    10) clique "$1" 377 385 ;;
    12) clique "$1" 422 385 ;;
    *) echoue "no board of size $2" ;;
    esac
}

# The game's board as the screen shows it, and the rules it must obey; a
# picture shown at any scale.
. "$(dirname "$0")/plateau.sh"
. "$(dirname "$0")/echelle.sh"
