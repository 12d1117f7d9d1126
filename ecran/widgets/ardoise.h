// SPDX-License-Identifier: GPL-3.0-or-later
// The slate: a sunken area that hands every press, move and release inside
// it to its callback; its owner draws on it.
#pragma once

#include "ecran/ecran.h"

// What a slate reports: genre 3 a left press, 2 a move or a release.
enum { GENRE_APPUI = 3, GENRE_MOUVEMENT = 2 };

// Slate callback; the event code ends the current wait, anything else means handled.
typedef int (*RappelArdoise)(void *donneeRappel, int id, int x, int y, int genre, int boutons);

#pragma pack(push, 1)

// A slate of the window's slate list.
struct Ardoise {
    int32_t x1, y1, x2, y2;
    Couleur couleur;
    char nomImage[256];
    Pixmap *image;
    int32_t largeurImage, hauteurImage;
    RappelArdoise rappel;
    void *donneeRappel;
    int32_t id;
    uint8_t actif;
    Ardoise *precedent;
    Ardoise *suivant;
};

#pragma pack(pop)

// Creates and draws a slate (no refresh); a null or empty name means no image.
Ardoise *CreeArdoise(int id, int x1, int y1, int x2, int y2, const char *nomImage, Couleur couleur,
                     RappelArdoise rappel, void *donneeRappel, Fenetre *fenetre);
// Replaces the callback and its data; no redraw.
void ChangeRappelArdoise(Ardoise *ardoise, RappelArdoise rappel, void *donneeRappel);
// Draws the slate on the back buffer, its border shaded from the window's background.
void TraceArdoise(Ardoise *ardoise, Fenetre *fenetre);
// One pointer event: 0 when it misses, else 1 or -99 from the callback.
signed char ClicArdoise(Ardoise *ardoise, int x, int y, int genre, int boutons);
// A pointer event offered to the list from `tete`: the first taker's result, or -1.
signed char ClicArdoises(Ardoise *tete, int x, int y, int genre, int boutons, Fenetre *fenetre, Ecran ecran);
// Unlinks and frees the slate and its image; null is accepted.
void DetruitArdoise(Ardoise *ardoise, Fenetre *fenetre);
