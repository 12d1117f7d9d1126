#!/bin/sh
# Installs the Debian packages the build, the tests and the smoke tests need,
# and nothing when they are all there already.
set -e
PAQUETS="cmake ninja-build pkg-config g++ libsdl2-dev libsdl2-ttf-dev libfontconfig-dev
fonts-dejavu-core libgtest-dev libx11-dev xvfb xdotool x11-apps imagemagick"
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
