// SPDX-License-Identifier: GPL-3.0-or-later
// Aids for people at the board: the hint markers' on/off switch and the
// undo of the last move.
#pragma once

#include "jeu/partie.h"

// Moves the turn arrow to a side: the game screen's, set by the game at
// start-up; the undo leaves the arrow alone when null.
extern void (*indique_tour)(int cote, Partie partie);

// During a scan, after cell (x, y) was evaluated: draws its hint marker when
// `indices` is set and it is legal, clears a stale one when it is empty and
// not legal, and moves the suggestion to it when it is at least as good.
void MarqueCase(Partie partie, int x, int y, bool indices, PointCoup *suggestion);
// Draws the suggested-move marker on the suggested cell when it is a legal move.
void MarqueSuggestion(Partie partie, PointCoup suggestion);
// Flips `aide` and clears or redraws the hint markers of the board to match.
void InverseAide(Partie *partie);
// Button callback of the undo (`donnee` is the Partie): takes back the last
// move of a game between two people, or says it cannot; returns 1.
int AnnuleCoup(void *donnee, int id);
