// SPDX-License-Identifier: GPL-3.0-or-later
// The frame: a passive panel with an etched double border and an optional
// tiled image; buttons and text entries are placed relative to it.
#pragma once

#include "ecran/ecran.h"

#pragma pack(push, 1)

// A frame of the window's frame list.
struct Frame {
    int32_t x1, y1, x2, y2;
    Couleur couleur;
    char nomImage[256];
    Pixmap *image;
    int32_t largeurImage;
    int32_t hauteurImage;
    Frame *precedent;
    Frame *suivant;
};

#pragma pack(pop)

// Creates and draws a frame (no refresh); a null or empty name means no image.
Frame *CreeFrame(int x1, int y1, int x2, int y2, const char *nomImage, Couleur couleur, Fenetre *fenetre);
// Draws the frame on the back buffer.
void TraceFrame(Frame *frame, Fenetre *fenetre);
// Unlinks and frees the frame and its image; null is accepted.
void DetruitFrame(Frame *frame, Fenetre *fenetre);
// The corners of a largeur x hauteur widget in the frame: 'h' centres it
// horizontally `decalage` below the top, anything else vertically `decalage`
// right of the left edge.
void PlaceDansFrame(const Frame *frame, char sens, int decalage, int largeur, int hauteur, int *x1, int *y1, int *x2,
                    int *y2);
