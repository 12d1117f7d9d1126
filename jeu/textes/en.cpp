// SPDX-License-Identifier: GPL-3.0-or-later
// The English column of the game's texts.
#include "jeu/tables.h"

const char *const textes_jeu[NB_TEXTES_JEU] = {"VERSUS",
                                               "BOARD SIZE",
                                               "HUMAN",
                                               "COMPUTER",
                                               "1",
                                               "2",
                                               "3",
                                               "EXIT",
                                               "START",
                                               "Scores",
                                               "Pawns",
                                               "HELP",
                                               "UNDO",
                                               "win",
                                               "Draw game",
                                               "not possible here",
                                               "one should not cheat",
                                               "please to consult the assistance",
                                               "please to consult the occuliste",
                                               "impossible to cancel",
                                               "Player 1",
                                               "Player 2",
                                               "Pass a turn",
                                               "Clic to continue"};

const TextesOptions textes_options = {
    "ok_en",
    "1.0",
    "ok_en [--zoom=N] [--plein-ecran] [--muet] [--help] [--version]",
    "Flipora, the Reversi game, in English.\n"
    "\n"
    "  --zoom=N, --zoom N  shows the window N times larger (N from 1 to 4); otherwise\n"
    "                      FLIPORA_ZOOM, then the size of the screen and the desktop's\n"
    "                      scale (GDK_SCALE, QT_SCALE_FACTOR)\n"
    "  --plein-ecran       opens the window full screen; F11 puts it there and back\n"
    "  --muet              starts without sound (the M key turns it off and on in the game)\n"
    "  --help              shows this help and exits\n"
    "  --version           shows the version and exits\n"
    "\n"
    "Exit statuses: 0 normal end; 1 out of memory; 2 a wait with no window;\n"
    "3 an image name or text too long; 4 no window, font, display or image;\n"
    "5 an invalid number box; 64 usage error.\n",
    "unknown option",
    "invalid zoom (1 to 4)",
    "missing value after"};
