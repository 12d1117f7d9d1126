// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: the start of a game, a person's press on the board, the
// passing of the turn with computer moves and passes, the end of the game,
// and the play screen's help and leave commands.
#pragma once

#include "jeu/partie.h"
#include "jeu/tables.h"

// Starts the game on the play screen just built: side -1 to move, its moves
// scanned, the arrow shown, and the computer's moves played if it is a computer side.
void DebutPartie(Interface *interface);
// Callback of the carpet and board slates (`donnee` is the Interface): plays
// a person's legal move on a left press, refuses an illegal one; returns 1.
int ClicPlateau(void *donnee, int id, int x, int y, int genre, int boutons);
// After a move: recounts, gives the turn on (with a pass when the side has no
// move), plays the computer's moves, and ends the game when neither side can move.
void TourSuivant(Interface *interface);
// Callback of "AIDE": switches the hint markers off or on; returns 1.
int BasculeAide(void *donnee, int id);
// Callback of the play screen's "QUITTER" and the end of a game: back to the
// setup screen, the game abandoned; returns 1.
int RetourReglages(void *donnee, int id);
// The end-of-game text for the final counts: the winner's name and "a gagne", or "Match null".
void TexteResultat(Partie partie, char *texte, int taille);
