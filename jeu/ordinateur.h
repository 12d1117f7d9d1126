// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: the positional weights and the choice of a move
// from the last scan's grids.
#pragma once

#include "jeu/partie.h"
#include "jeu/tables.h"

// Fills `poids` for the board size of the game.
void ChargePoids(Partie partie);
// The cell the side to move would play at its strength, from the last scan;
// (-1, -1) when the scan found no legal move.
PointCoup ChoisitCase(Partie partie);
// Chooses, validates and plays the move of the side to move; the turn flow
// then hands the turn over.
void CoupOrdinateur(Interface *interface, PointCoup *coups);
