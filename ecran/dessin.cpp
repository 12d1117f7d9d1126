// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and the drawing primitives, written pixel by pixel on the back
// buffer so that what they draw is exact and the same on every backend.
#include <cstdlib>

#include "arriere_plan.h"
#include "ecran.h"

namespace {

// The back buffer for one primitive; a window whose buffer cannot be had is destroyed.
ArrierePlan Ouvre(Fenetre *fenetre) {
    ArrierePlan t = OuvreArrierePlan(fenetre);
    if (!t.ouverte)
        ErreurFenetre(fenetre->hwnd, "Impossible de recuperer le DC\n");
    return t;
}

void Pose(ArrierePlan &t, int x, int y, uint32_t p) {
    if (DansArrierePlan(t, x, y))
        PixelArrierePlan(t, x, y) = p;
}

void Horizontale(ArrierePlan &t, int x1, int x2, int y, uint32_t p) {
    for (int x = x1; x <= x2; x++)
        Pose(t, x, y, p);
}

// The pixels of a line from (x1, y1) toward (x2, y2), the end pixel left out
// as the platform's line does; `pas` > 1 leaves gaps (a dotted pen).
void Segment(ArrierePlan &t, int x1, int y1, int x2, int y2, uint32_t p, int pas) {
    int dx = abs(x2 - x1), dy = abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int n = dx > dy ? dx : dy;
    int erreur = (dx > dy ? dx : -dy) / 2;
    for (int i = 0; i < n; i++) {
        if (i % pas == 0)
            Pose(t, x1, y1, p);
        int e = erreur;
        if (e > -dx) {
            erreur -= dy;
            x1 += sx;
        }
        if (e < dy) {
            erreur += dx;
            y1 += sy;
        }
    }
}

void Ligne(int x1, int y1, int x2, int y2, Couleur couleur, Fenetre *fenetre, int pas) {
    ArrierePlan t = Ouvre(fenetre);
    if (!t.ouverte)
        return;
    Segment(t, x1, y1, x2, y2, PixelCouleur(couleur), pas);
    Pose(t, x2, y2, PixelCouleur(couleur));
    FermeArrierePlan(t);
}

void Rectangle(int gauche, int haut, int droite, int bas, Couleur couleur, Fenetre *fenetre, bool plein) {
    if (gauche > droite) {
        int x = gauche;
        gauche = droite;
        droite = x;
    }
    if (haut > bas) {
        int y = haut;
        haut = bas;
        bas = y;
    }
    ArrierePlan t = Ouvre(fenetre);
    if (!t.ouverte)
        return;
    uint32_t p = PixelCouleur(couleur);
    for (int y = haut; y <= bas; y++) {
        if (plein || y == haut || y == bas) {
            Horizontale(t, gauche, droite, y, p);
        } else {
            Pose(t, gauche, y, p);
            Pose(t, droite, y, p);
        }
    }
    FermeArrierePlan(t);
}

// Is the pixel (x, y) inside the ellipse inscribed in [g, d) x [h, b)?
bool DansEllipse(int x, int y, int g, int h, int d, int b) {
    double rx = (d - g) / 2.0, ry = (b - h) / 2.0;
    double ex = (x + 0.5 - (g + d) / 2.0) / rx, ey = (y + 0.5 - (h + b) / 2.0) / ry;
    return ex * ex + ey * ey <= 1.0;
}

// An ellipse inscribed in its box, the box's right and bottom edges excluded;
// the outline is the inside pixels that touch the outside.
void Ellipse(int cx, int cy, int rx, int ry, Couleur couleur, Fenetre *fenetre, bool plein) {
    int g = cx - rx, d = cx + rx, h = cy - ry, b = cy + ry;
    if (d <= g || b <= h)
        return;
    ArrierePlan t = Ouvre(fenetre);
    if (!t.ouverte)
        return;
    uint32_t p = PixelCouleur(couleur);
    for (int y = h; y < b; y++)
        for (int x = g; x < d; x++) {
            if (!DansEllipse(x, y, g, h, d, b))
                continue;
            bool bord = !DansEllipse(x - 1, y, g, h, d, b) || !DansEllipse(x + 1, y, g, h, d, b) ||
                        !DansEllipse(x, y - 1, g, h, d, b) || !DansEllipse(x, y + 1, g, h, d, b);
            if (plein || bord)
                Pose(t, x, y, p);
        }
    FermeArrierePlan(t);
}

// The position of `v` within its cell of a grid of step `taille` anchored at `origine`.
int Phase(int v, int origine, int taille) {
    int p = (v - origine) % taille;
    return p < 0 ? p + taille : p;
}

}  // namespace

Couleur AlloueCouleur(int r, int g, int b, Fenetre *) {
    return Couleur{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

Couleur NuanceCouleur(Couleur couleur, float facteur, Fenetre *fenetre) {
    auto nuance = [facteur](uint8_t c) {
        float v = static_cast<float>(c) * facteur;
        return v > 255.0f ? 255 : static_cast<int>(v);
    };
    return AlloueCouleur(nuance(couleur.r), nuance(couleur.g), nuance(couleur.b), fenetre);
}

void TraceLigne(int x1, int y1, int x2, int y2, Couleur couleur, Fenetre *fenetre) {
    Ligne(x1, y1, x2, y2, couleur, fenetre, 1);
}

void TraceLignePointillee(int x1, int y1, int x2, int y2, Couleur couleur, Fenetre *fenetre) {
    Ligne(x1, y1, x2, y2, couleur, fenetre, 2);
}

void TracePoint(int x, int y, Couleur couleur, Fenetre *fenetre) {
    Ligne(x, y, x, y, couleur, fenetre, 1);
}

void TraceRectangle(int gauche, int haut, int droite, int bas, Couleur couleur, Fenetre *fenetre) {
    Rectangle(gauche, haut, droite, bas, couleur, fenetre, false);
}

void RemplitRectangle(int gauche, int haut, int droite, int bas, Couleur couleur, Fenetre *fenetre) {
    Rectangle(gauche, haut, droite, bas, couleur, fenetre, true);
}

void TraceCercle(int cx, int cy, int rayon, Couleur couleur, Fenetre *fenetre) {
    Ellipse(cx, cy, rayon, rayon, couleur, fenetre, false);
}

void RemplitCercle(int cx, int cy, int rayon, Couleur couleur, Fenetre *fenetre) {
    Ellipse(cx, cy, rayon, rayon, couleur, fenetre, true);
}

void TraceEllipse(int cx, int cy, int rx, int ry, Couleur couleur, Fenetre *fenetre) {
    Ellipse(cx, cy, rx, ry, couleur, fenetre, false);
}

void RemplitEllipse(int cx, int cy, int rx, int ry, Couleur couleur, Fenetre *fenetre) {
    Ellipse(cx, cy, rx, ry, couleur, fenetre, true);
}

void TraceRectangleMap(int gauche, int haut, int droite, int bas, int ox, int oy, Pixmap *pixmap, Fenetre *fenetre) {
    if (!pixmap) {
        EcritDebogage("TraceRectangleMap : Image non chargée\n");
        return;
    }
    int w = 0, h = 0;
    TaillePixmap(pixmap, &w, &h);
    if (w <= 0 || h <= 0)
        return;
    // Each copy takes the part of one tile that falls inside the area.
    for (int y = haut; y < bas;) {
        int sy = Phase(y, oy, h), hauteur = h - sy < bas - y ? h - sy : bas - y;
        for (int x = gauche; x < droite;) {
            int sx = Phase(x, ox, w), largeur = w - sx < droite - x ? w - sx : droite - x;
            RectanglePf source = {sx, sy, sx + largeur, sy + hauteur};
            RectanglePf destination = {x, y, x + largeur, y + hauteur};
            plateforme.Copie(fenetre->arrierePlan, &destination, pixmap, &source);
            x += largeur;
        }
        y += hauteur;
    }
}
