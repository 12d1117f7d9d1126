// The English column of the game's texts.
#include "jeu/tables.h"

const char *const textes_jeu[NB_TEXTES_JEU] = {
    "VERSUS", "BOARD SIZE", "HUMAN", "COMPUTER", "1", "2", "3", "EXIT", "START",
    "Scores", "Pawns", "HELP", "UNDO", "win", "Draw game",
    "not possible here", "one should not cheat", "please to consult the assistance",
    "please to consult the occuliste",
    "impossible to cancel", "Player 1", "Player 2", "Pass a turn", "Clic to continue"};
