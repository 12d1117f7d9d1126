// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel reads for every test program: the back buffer is what was drawn,
// the window surface is what reached the screen.
#pragma once

#include <cstdint>

#include "ecran/ecran.h"

// The pixel at (x, y) of a surface as 0xRRGGBB, or 0xFFFFFFFF when unreadable.
uint32_t PixelSurface(Surface *surface, int x, int y);
// The pixel at (x, y) of the window as the screen shows it.
uint32_t PixelEcran(Fenetre *fenetre, int x, int y);
