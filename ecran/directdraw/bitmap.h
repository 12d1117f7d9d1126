// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap files into display surfaces: loading, reloading, palettes, colour
// matching and colour keys.
#pragma once

#include <cstdint>

#include "ecran/plateforme.h"

#pragma pack(push, 1)
// One palette entry: red, green, blue and a flags byte.
struct EntreePalette {
    uint8_t rouge, vert, bleu, drapeaux;
};
#pragma pack(pop)

// An 8-bit palette.
struct Palette {
    EntreePalette entrees[256];
};

// Why the last ChargeBitmap or RechargeBitmap refused its file, in a few words; "" after a success.
const char *RaisonBitmap();
// A new surface holding the bitmap file, at its own size when both sizes are 0; null on failure.
Surface *ChargeBitmap(ObjetAffichage *objet, const char *nom, int largeur, int hauteur);
// Copies the bitmap file into an existing surface again; the copy's result.
int32_t RechargeBitmap(Surface *surface, const char *nom);
// Stretches a rectangle of a loaded bitmap (0 sizes: the whole) over the whole surface.
int32_t CopieBitmap(Surface *surface, Surface *bitmap, int x, int y, int largeur, int hauteur);
// The 3-3-2 colour cube, with the colour table of an 8-bit-or-less bitmap file over it; free() it.
Palette *ChargePalette(ObjetAffichage *objet, const char *nom);
// The raw pixel value a colour reference (0x00BBGGRR, or -1) takes on a surface; -1 on failure.
int32_t CouleurPixel(Surface *surface, int32_t couleur);
// Makes that colour the surface's source colour key.
int32_t CleCouleur(Surface *surface, int32_t couleur);
