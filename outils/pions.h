// SPDX-License-Identifier: GPL-3.0-or-later
// Pawns, flip frames and board markers: 50 x 50 (markers 48 x 48) images that
// carry the board texture around their figure, sampled at the phase of a cell,
// so that they blend into the board wherever the game lays them.
#pragma once

#include "jouets.h"
#include "toile.h"

// Width of the wooden cut-out that every pawn is, seen edge-on, in pixels.
const double EPAISSEUR_PION = 5;

// Draws a toy with its soft shadow and dark outline through the given map.
void DessineFigure(Toile &t, FonctionJouet jouet, Repere r);
// The whole pawn of a set: the toy facing the player.
Toile PionEntier(const Toile &plateau, FonctionJouet jouet);
// A flip frame: the toy turned about its vertical axis until its face is
// `ouverture` (0 to 1) of its width, with the wooden edge showing on the side
// `cote` (-1 left, +1 right): left while a pawn turns away, right while one turns into view.
Toile PionTournant(const Toile &plateau, FonctionJouet jouet, double ouverture, int cote);
// "pion3.bmp": any pawn edge-on, a plain wooden plank.
Toile PionTranche(const Toile &plateau);
// "aide.bmp": a small white ring marking a legal move.
Toile MarqueAide(const Toile &plateau);
// "prop.bmp": a gold star marking the suggested move.
Toile MarqueProposition(const Toile &plateau);
