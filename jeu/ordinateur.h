// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: the positional weights and the choice of a move
// from the last scan's grids.
#pragma once

#include "jeu/partie.h"
#include "jeu/tables.h"

// What the computer player hands control to after its move: the turn flow's
// next-turn step, set by the game at start-up; nothing is called when null.
extern void (*apres_coup_ordinateur)(Interface *interface);

// Fills `poids` for the board size of the game.
void ChargePoids(Partie partie);
// The cell the side to move would play at its strength, from the last scan;
// (-1, -1) when the scan found no legal move.
PointCoup ChoisitCase(Partie partie);
// Chooses, validates and plays the move of the side to move, then calls
// `apres_coup_ordinateur`.
void CoupOrdinateur(Interface *interface, PointCoup *coups);
