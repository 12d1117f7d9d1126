// SPDX-License-Identifier: GPL-3.0-or-later
// The tiled textures of the game: board, carpet, side panel and setup panels.
// Each one repeats seamlessly, since the game lays it in a grid of copies.
#pragma once

#include "toile.h"

// Side of a board cell, which is also the period of the board texture, so that
// every cell (and every pawn drawn over one) shows the same piece of wood.
const int TAILLE_CASE = 50;
// Side of the side-panel texture: 85 divides the distance between the two places
// of the turn arrow (640 and 725), so the arrow's background matches at both.
const int TAILLE_COTE = 85;

// "plateau.bmp": light wood, grain across, 50 x 50.
Toile TexturePlateau();
// "moquette.bmp": blue-green pile carpet with a diamond weave, light enough for
// the black text of the end-of-game box drawn over it.
Toile TextureMoquette();
// "cote.bmp": pale cream paper with a faint dot pattern, so black text reads on it.
Toile TextureCote();
// "frame1.bmp" to "frame3.bmp": the quilted fabrics of the setup panels (numero 1 to 3):
// blue for the left side's panel, indigo in the centre, plum for the right side's.
Toile TextureCadre(int numero);
