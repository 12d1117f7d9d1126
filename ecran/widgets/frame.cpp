// SPDX-License-Identifier: GPL-3.0-or-later
// Frames: passive etched panels.
#include "ecran/widgets/frame.h"

#include <cstdlib>

#include "ecran/widgets/listes.h"

Frame *CreeFrame(int x1, int y1, int x2, int y2, const char *nomImage, Couleur couleur, Fenetre *fenetre) {
    Frame *frame = static_cast<Frame *>(AlloueWidget(sizeof(Frame), "Allocation d'une frame"));
    fenetre->frames = LieEnTete(fenetre->frames, frame);
    frame->x1 = x1;
    frame->y1 = y1;
    frame->x2 = x2;
    frame->y2 = y2;
    int largeur = 0, hauteur = 0;
    frame->image = ChargeImageWidget(frame->nomImage, nomImage, &largeur, &hauteur, fenetre);
    frame->largeurImage = largeur;
    frame->hauteurImage = hauteur;
    frame->couleur = couleur;
    fenetre->nbFrames = fenetre->nbFrames + 1;
    TraceFrame(frame, fenetre);
    return frame;
}

// The groove (offsets 1 and 2) looks sunken, the ridge (offsets 7 and 8) raised;
// the edge and the band between keep the fill colour.
void TraceFrame(Frame *frame, Fenetre *fenetre) {
    const Frame f = *frame;
    const Couleur sombre = NuanceSombre(f.couleur, fenetre);
    const Couleur clair = NuanceClaire(f.couleur, fenetre);
    RemplitRectangle(f.x1, f.y1, f.x2, f.y2, f.couleur, fenetre);
    for (int i = 1; i <= 2; i++) {
        TraceLigne(f.x1 + i, f.y1 + i, f.x2 - i, f.y1 + i, sombre, fenetre);
        TraceLigne(f.x1 + i, f.y2 - i, f.x2 - i, f.y2 - i, clair, fenetre);
        TraceLigne(f.x1 + i, f.y1 + i, f.x1 + i, f.y2 - i, sombre, fenetre);
        TraceLigne(f.x2 - i, f.y1 + i, f.x2 - i, f.y2 - i, clair, fenetre);
        const int r = i + 6;
        TraceLigne(f.x1 + r, f.y1 + r, f.x2 - r, f.y1 + r, clair, fenetre);
        TraceLigne(f.x1 + r, f.y2 - r, f.x2 - r, f.y2 - r, sombre, fenetre);
        TraceLigne(f.x1 + r, f.y1 + r, f.x1 + r, f.y2 - r, clair, fenetre);
        TraceLigne(f.x2 - r, f.y1 + r, f.x2 - r, f.y2 - r, sombre, fenetre);
    }
    if (f.nomImage[0] != '\0') {
        TraceRectangleMap(f.x1 + 9, f.y1 + 9, f.x2 - 8, f.y2 - 8, f.x1 + 9, f.y1 + 9, f.image, fenetre);
    }
}

void DetruitFrame(Frame *frame, Fenetre *fenetre) {
    if (frame == nullptr)
        return;
    fenetre->nbFrames = fenetre->nbFrames - 1;
    fenetre->frames = Delie(fenetre->frames, frame);
    LiberePixmap(frame->image);
    free(frame);
}

void PlaceDansFrame(const Frame *frame, char sens, int decalage, int largeur, int hauteur, int *x1, int *y1, int *x2,
                    int *y2) {
    const int fx1 = frame->x1, fy1 = frame->y1, fx2 = frame->x2, fy2 = frame->y2;
    if (sens == 'h') {
        const int marge = (fx2 - fx1 - largeur) / 2;
        *x1 = fx1 + marge;
        *y1 = fy1 + decalage;
        *x2 = fx2 - marge;
        *y2 = fy1 + decalage + hauteur;
    } else {
        const int marge = (fy2 - fy1 - hauteur) / 2;
        *x1 = fx1 + decalage;
        *y1 = fy1 + marge;
        *x2 = fx1 + decalage + largeur;
        *y2 = fy2 - marge;
    }
}
