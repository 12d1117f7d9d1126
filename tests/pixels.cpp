// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"

uint32_t PixelSurface(Surface *surface, int x, int y) {
    AccesPixels a;
    if (plateforme.Accede(surface, &a) != 0)
        return 0xFFFFFFFF;
    uint32_t p = x < 0 || y < 0 || x >= a.largeur || y >= a.hauteur ? 0xFFFFFFFF : a.pixels[y * a.pas + x] & 0xFFFFFF;
    plateforme.Relache(surface);
    return p;
}

uint32_t PixelEcran(Fenetre *fenetre, int x, int y) {
    return PixelSurface(fenetre->surfacePrimaire, x, y);
}
