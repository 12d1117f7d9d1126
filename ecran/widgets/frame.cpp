// SPDX-License-Identifier: GPL-3.0-or-later
// Frames: passive etched panels.
#include "ecran/widgets/frame.h"

#include <cstdlib>

#include "ecran/widgets/listes.h"

Frame *CreeFrame(int x1, int y1, int x2, int y2, const char *nomImage, Couleur couleur, Fenetre *fenetre) {
    Frame *frame = NouveauWidget<Frame>(x1, y1, x2, y2, "Allocation d'une frame", fenetre);
    int largeur = 0, hauteur = 0;
    frame->image = ChargeImageWidget(frame->nomImage, nomImage, &largeur, &hauteur, fenetre);
    frame->largeurImage = largeur;
    frame->hauteurImage = hauteur;
    frame->couleur = couleur;
    TraceFrame(frame, fenetre);
    return frame;
}

// The groove (offsets 1 and 2) looks sunken, the ridge (offsets 7 and 8) raised;
// the edge and the band between keep the fill colour.
void TraceFrame(Frame *frame, Fenetre *fenetre) {
    const Frame f = *frame;
    RemplitRectangle(f.x1, f.y1, f.x2, f.y2, f.couleur, fenetre);
    for (int i = 1; i <= 2; i++) {
        TraceBiseau(f.x1, f.y1, f.x2, f.y2, i, i, f.couleur, EN_CREUX, COIN_A_GAUCHE, fenetre);
        TraceBiseau(f.x1, f.y1, f.x2, f.y2, i + 6, i + 6, f.couleur, EN_RELIEF, COIN_A_GAUCHE, fenetre);
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
