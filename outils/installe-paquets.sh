#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the groups named (jeu: building and running
# the game; tests: the test suites and the smoke tests; paquet: making the
# Debian package and checking it; fuzz: clang and its libFuzzer for the image
# loader's fuzz target), jeu and tests when none is named, and nothing when
# they are all there already.
set -e
[ $# -eq 0 ] && set -- jeu tests
PAQUETS=""
for groupe in "$@"; do
    case "$groupe" in
        jeu) PAQUETS="$PAQUETS cmake ninja-build pkg-config g++ libsdl2-dev libsdl2-ttf-dev
                libfontconfig-dev libx11-dev fonts-dejavu-core" ;;
        tests) PAQUETS="$PAQUETS libgtest-dev xvfb xdotool x11-apps imagemagick clang-format" ;;
        paquet) PAQUETS="$PAQUETS dpkg-dev file appstream desktop-file-utils librsvg2-bin lintian" ;;
        fuzz) PAQUETS="$PAQUETS clang libclang-rt-dev" ;;
        *) echo "installe-paquets.sh : groupe inconnu $groupe (jeu, tests, paquet, fuzz)" >&2; exit 64 ;;
    esac
done
MANQUANTS=""
for p in $PAQUETS; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        MANQUANTS="$MANQUANTS $p"
    fi
done
[ -z "$MANQUANTS" ] && exit 0
echo "Installation de :$MANQUANTS"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $MANQUANTS
