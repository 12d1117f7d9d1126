// SPDX-License-Identifier: GPL-3.0-or-later
// BMP files checked before any decoder sees them: only a regular file is
// opened (a FIFO or a device named like an image never blocks), and its
// header must fit the file and announce an image of bounded size, so that a
// damaged or hostile file is refused instead of trusted.
#pragma once

#include <cstdint>
#include <cstdio>

// What one image may cost: 64 MiB at 32 bits, eighty times the largest image
// the programs ship (800 x 600); and its longest side.
enum : int64_t { PIXELS_MAX_BMP = int64_t{16} << 20, COTE_MAX_BMP = 16384 };

// Opens a file for reading if it is a regular one, without ever blocking;
// its size goes to `taille`. Null on refusal, with the reason in `raison`.
FILE *OuvreFichierOrdinaire(const char *nom, int64_t *taille, const char **raison);
// Opens a BMP file whose header fits the file and the bounds, positioned at
// its start; 0 on success, else a result code with the reason in `raison`.
int OuvreBmpVerifie(const char *nom, FILE **fichier, const char **raison);
