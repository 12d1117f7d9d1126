#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One style: every C++ source of the project against its .clang-format.
# Usage: sh outils/style.sh [source folder]; fails, naming the places off style.
cd "${1:-$(dirname "$0")/..}" || exit 2
find ecran jeu outils bench tests \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
