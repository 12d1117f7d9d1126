// SPDX-License-Identifier: GPL-3.0-or-later
// A window's back buffer opened for pixel access: what the drawing
// primitives and the keyboard focus's ring and marker write on, pixel by pixel.
#pragma once

#include "ecran.h"

// An access to a window's back buffer; `ouverte` is false when none could be had.
struct ArrierePlan {
    AccesPixels acces;
    Surface *surface;
    bool ouverte;
};

// Opens the window's back buffer; the caller says what a refusal means.
inline ArrierePlan OuvreArrierePlan(Fenetre *fenetre) {
    ArrierePlan t = {{nullptr, 0, 0, 0}, fenetre->arrierePlan, false};
    t.ouverte = t.surface != nullptr && plateforme.Accede(t.surface, &t.acces) == 0;
    return t;
}

// Ends the access, if there was one.
inline void FermeArrierePlan(ArrierePlan &t) {
    if (t.ouverte)
        plateforme.Relache(t.surface);
}

// True when (x, y) is a pixel of the opened buffer.
inline bool DansArrierePlan(const ArrierePlan &t, int x, int y) {
    return t.ouverte && x >= 0 && y >= 0 && x < t.acces.largeur && y < t.acces.hauteur;
}

// The pixel at (x, y), which DansArrierePlan has accepted.
inline uint32_t &PixelArrierePlan(ArrierePlan &t, int x, int y) {
    return t.acces.pixels[y * t.acces.pas + x];
}

// A colour as the back buffer's pixel value.
inline uint32_t PixelCouleur(Couleur c) {
    return (static_cast<uint32_t>(c.r) << 16) | (static_cast<uint32_t>(c.g) << 8) | c.b;
}
