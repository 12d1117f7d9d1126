#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program costs while nobody plays: processor time over a few idle
# seconds on the setup screen, the time from start to the title screen being
# on the screen, and the resident memory. Runs the real program under a
# private Xvfb display and ends it with Escape, which must give status 0.
#
#   bench/inactif.sh [build folder] [display]   (defaults: ./ and 77; the display as 77 or :77)
set -u

dossier=${1:-.}
numero=${2:-77}
numero=${numero#:}
programme="$dossier/ok_fr"
secondes=5
[ -x "$programme" ] || { echo "no $programme" >&2; exit 2; }
for outil in Xvfb xdotool import convert; do
    command -v $outil > /dev/null || { echo "missing $outil" >&2; exit 2; }
done

export DISPLAY=:$numero
unset SDL_VIDEODRIVER
Xvfb :$numero -screen 0 1024x768x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null' EXIT
i=0
until xdotool getdisplaygeometry > /dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done

maintenant() { date +%s%N; }
tic=$(getconf CLK_TCK)

# The title screen is up once the window exists and its client area is no
# longer the plain background colour the window is created with (120 202 187).
debut=$(maintenant)
(cd "$dossier" && exec ./ok_fr) 2> /tmp/inactif-$$.err &
pid=$!
fenetre=
while :; do
    kill -0 $pid 2> /dev/null || { echo "the program ended early" >&2; exit 1; }
    [ -z "$fenetre" ] && fenetre=$(xdotool search --name Flipora 2> /dev/null | head -1)
    if [ -n "$fenetre" ]; then
        pixel=$(import -window "$fenetre" -crop 1x1+700+560 txt:- 2> /dev/null | sed -n 2p)
        case "$pixel" in
        *"(120,202,187)"* | "") ;;
        *) break ;;
        esac
    fi
    [ $(( ($(maintenant) - debut) / 1000000 )) -gt 20000 ] && { echo "no title screen after 20 s" >&2; exit 1; }
    sleep 0.01
done
titre=$(( ($(maintenant) - debut) / 1000000 ))
echo "start to title screen: $titre ms (window $fenetre, pixel at 700,560: ${pixel##* })"

# Let the title screen finish loading the images, then one click on to the setup screen.
sleep 1
xdotool mousemove --window "$fenetre" 400 300 click 1
sleep 1
# The setup screen's panels cover the title text there.
reglages=$(import -window "$fenetre" -crop 1x1+700+560 txt:- 2> /dev/null | sed -n 2p)
[ "${reglages##* }" != "${pixel##* }" ] && ecran="setup screen" || ecran="title screen still"
echo "after one click: $ecran (pixel at 700,560: ${reglages##* })"

cpu() { awk '{ print $14 + $15 }' /proc/$pid/stat; }
avant=$(cpu)
t0=$(maintenant)
sleep $secondes
apres=$(cpu)
t1=$(maintenant)
awk -v a="$avant" -v b="$apres" -v t="$tic" -v d="$((t1 - t0))" \
    'BEGIN { printf "idle CPU: %d ticks in %.2f s = %.2f %%\n", b - a, d / 1e9, 100 * (b - a) / t / (d / 1e9) }'
echo "VmRSS: $(awk '/^VmRSS/ { print $2, $3 }' /proc/$pid/status), VmHWM: $(awk '/^VmHWM/ { print $2, $3 }' /proc/$pid/status)"

xdotool windowfocus --sync "$fenetre" 2> /dev/null
xdotool key Escape
i=0
while kill -0 $pid 2> /dev/null; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "no exit 5 s after Escape" >&2; kill $pid; exit 1; }
    sleep 0.05
done
wait $pid
statut=$?
echo "exit status after Escape: $statut"
rm -f /tmp/inactif-$$.err
[ $statut -eq 0 ]
