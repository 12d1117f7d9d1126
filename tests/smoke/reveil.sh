#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# An X error the server sends about SDL's own wakeup message must not end the
# program: see reveil.cpp.
#
# Usage: reveil.sh PROGRAM

. "$(dirname "$0")/commun.sh"

[ -x "$1" ] || echoue "no program $1"
command -v Xvfb >/dev/null || saute "Xvfb is missing"
demarre_x
"$1" >"$TRAVAIL/reveil.out" 2>"$TRAVAIL/reveil.err"
statut=$?
[ $statut = 0 ] && grep -q vivant "$TRAVAIL/reveil.out" ||
    echoue "status $statut after a BadWindow answer: $(cat "$TRAVAIL/reveil.err")"
echo "ok: the program survives the server's BadWindow answer"
