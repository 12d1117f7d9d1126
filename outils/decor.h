// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures that are not pawns: the title and setup background, the turn
// arrow and the toolkit's four arrow icons.
#pragma once

#include "toile.h"

// "fond.bmp", 800 x 600: a playroom. Toy blocks spell the game's name across the
// top; the eight toys sit on the floor, dark ones on the left (the left panel's
// side), light ones on the right; calm sky behind "Version 1.0", a dark rug under
// the credit line and light floor under the prompt.
Toile ImageFond();
// "fleche.bmp", 32 x 30: a red arrow pointing up at the name of the side to move,
// on the side-panel texture at the phase of the arrow's two places.
Toile ImageFleche(const Toile &cote);
// The toolkit's arrow icons, 15 x 15: they fill the inside of a 21 x 21 button
// (drawn from 3 pixels inside its corner) with a grey face and a dark triangle.
// dx, dy give the direction: (0, -1) "haut", (0, 1) "bas", (-1, 0) "gauche", (1, 0) "droite".
Toile IconeFleche(int dx, int dy);
