// SPDX-License-Identifier: GPL-3.0-or-later
// Deterministic noise for the textures: the same picture on every build, and
// periodic variants so that a texture's noise joins up across its edges.
#pragma once

#include <cstdint>

// A value from 0 to 1 determined by three integers.
double Hachage(int32_t x, int32_t y, uint32_t graine);
// Smooth noise from 0 to 1 over a tile: (u, v) in tile units (1 = one tile),
// on a lattice of `cellules` x `cellules`, repeating every whole tile.
double BruitPeriodique(double u, double v, int cellules, uint32_t graine);
// Sum of octaves of periodic noise, from `cellules` upward, normalised to 0..1.
double BruitFractal(double u, double v, int cellules, int octaves, uint32_t graine);
