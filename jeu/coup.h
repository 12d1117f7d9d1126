// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a move: checking a person's click, placing pawns, the five-wave
// flip animation, and the pawn images of the two chosen sets.
#pragma once

#include "jeu/partie.h"

enum { POSE_PION = 1, POSE_MARQUE = -1 };

// Fills both sides' rows of `images` from their pawn sets, loading the
// flip frames anew and releasing the ones of the previous game.
void ChargeImagesPions(Partie *partie);
// POSE_PION: sets and draws a pawn of `joueur` in the cell whose corner is (x, y).
// POSE_MARQUE: draws `joueur`'s whole-pawn image as a marker at the pawn point (x, y).
void PosePion(int mode, Partie partie, int x, int y);
// 1 when (x, y) is a legal move, its flips then recorded from coups[1] on;
// 0 otherwise, with a reproach shown when the point lies on the board.
int ValideClic(Partie partie, int x, int y, PointCoup *coups);
// Plays the move recorded in `coups` (entry 0 inside the played cell) with its animation.
void JoueCoup(Partie *partie);
// The pause after each pawn of each wave, in microseconds, for n flips.
int PauseAnimation(int n);
