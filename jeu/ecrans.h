// SPDX-License-Identifier: GPL-3.0-or-later
// The setup screen, on which the players choose sides, strengths, names,
// pawn sets and board size, and the play screen with its board and side panel.
#pragma once

#include "jeu/partie.h"
#include "jeu/tables.h"

// Builds the setup screen into the empty window, showing the choices held in
// the game record (back buffer only: the caller refreshes).
void ConstruitReglages(Interface *interface);
// Callback of the setup screen's choice buttons (`donnee` is the Interface):
// makes the pressed button its group's choice; returns 1.
int ChoixOption(void *donnee, int id);
// Callback of "JOUER": keeps the typed names, builds the play screen and
// returns the event code so the main loop starts the game.
int LancePartie(void *donnee, int id);
// Creates the board slate, draws its grid and the four starting pawns.
void DessinePlateau(Interface *interface);
// Moves the turn arrow under the name of the side to move.
void IndiqueTour(int cote, Partie partie);
// Shows a game button as its group's choice (face and caption colours
// swapped) or in its normal colours, and redraws it.
void SurligneBouton(Interface *interface, int slot, bool choisi);
// True once "JOUER" has built a play screen that no game has started on yet;
// reading it clears it.
bool PrendPartieLancee();
