// SPDX-License-Identifier: GPL-3.0-or-later
// What shows the keyboard focus: a ring drawn over a widget by its own draw
// operation, and a slate's marker, whose covered pixels are kept. Both take
// the colour that stands out most from what lies under them and around them,
// whatever the widget's and the window's colours.
#include <algorithm>
#include <cmath>

#include "ecran/arriere_plan.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

namespace {

const int EPAISSEUR_CADRE = 3;

// Sums of the colours seen, for their mean.
struct Somme {
    double r, g, b;
    int n;
};

void Ajoute(Somme &s, uint32_t pixel) {
    s.r += (pixel >> 16) & 0xFF;
    s.g += (pixel >> 8) & 0xFF;
    s.b += pixel & 0xFF;
    s.n++;
}

Couleur Moyenne(const Somme &s, Couleur sinon) {
    if (s.n == 0)
        return sinon;
    return Couleur{uint8_t(s.r / s.n + 0.5), uint8_t(s.g / s.n + 0.5), uint8_t(s.b / s.n + 0.5)};
}

// Relative luminance of a colour, as contrast ratios are reckoned.
double Luminance(Couleur c) {
    auto lineaire = [](uint8_t v) {
        double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(c.r) + 0.7152 * lineaire(c.g) + 0.0722 * lineaire(c.b);
}

double Contraste(Couleur a, Couleur b) {
    double la = Luminance(a), lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

// Of a few plain colours, the one whose weaker contrast with the two is the strongest.
Couleur Contrastee(Couleur a, Couleur b) {
    const Couleur candidates[] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},  {255, 255, 0},
                                  {0, 0, 255}, {255, 0, 255},   {0, 255, 255}};
    Couleur meilleure = candidates[0];
    double score = -1;
    for (Couleur c : candidates) {
        double s = std::min(Contraste(c, a), Contraste(c, b));
        if (s > score) {
            score = s;
            meilleure = c;
        }
    }
    return meilleure;
}

// The mean colour of the pixels on the rectangle one pixel outside the corners.
Couleur Autour(int x1, int y1, int x2, int y2, Couleur sinon, Fenetre *fenetre) {
    ArrierePlan t = OuvreArrierePlan(fenetre);
    Somme s = {0, 0, 0, 0};
    for (int x = x1 - 1; x <= x2 + 1; x++)
        for (int y : {y1 - 1, y2 + 1})
            if (DansArrierePlan(t, x, y))
                Ajoute(s, PixelArrierePlan(t, x, y));
    for (int y = y1; y <= y2; y++)
        for (int x : {x1 - 1, x2 + 1})
            if (DansArrierePlan(t, x, y))
                Ajoute(s, PixelArrierePlan(t, x, y));
    FermeArrierePlan(t);
    return Moyenne(s, sinon);
}

bool DansCadre(int x1, int y1, int x2, int y2, int x, int y) {
    return std::min(std::min(x - x1, x2 - x), std::min(y - y1, y2 - y)) < EPAISSEUR_CADRE;
}

}  // namespace

void TraceAnneau(int x1, int y1, int x2, int y2, Couleur dedans, Fenetre *fenetre) {
    const Couleur c = Contrastee(dedans, Autour(x1, y1, x2, y2, dedans, fenetre));
    TraceRectangle(x1 + 1, y1 + 1, x2 - 1, y2 - 1, c, fenetre);
    TraceRectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2, c, fenetre);
}

std::vector<uint32_t> LitCadre(int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    std::vector<uint32_t> pixels;
    ArrierePlan t = OuvreArrierePlan(fenetre);
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (DansCadre(x1, y1, x2, y2, x, y))
                pixels.push_back(DansArrierePlan(t, x, y) ? PixelArrierePlan(t, x, y) : 0);
    FermeArrierePlan(t);
    return pixels;
}

void MetAJourCadre(int x1, int y1, int x2, int y2, std::vector<uint32_t> &pixels, int zx1, int zy1, int zx2, int zy2,
                   Fenetre *fenetre) {
    ArrierePlan t = OuvreArrierePlan(fenetre);
    size_t i = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (DansCadre(x1, y1, x2, y2, x, y) && i < pixels.size()) {
                if (DansRectangle(zx1, zy1, zx2, zy2, x, y) && DansArrierePlan(t, x, y))
                    pixels[i] = PixelArrierePlan(t, x, y);
                i++;
            }
    FermeArrierePlan(t);
}

void EcritCadre(int x1, int y1, int x2, int y2, const std::vector<uint32_t> &pixels, Fenetre *fenetre) {
    ArrierePlan t = OuvreArrierePlan(fenetre);
    size_t i = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (DansCadre(x1, y1, x2, y2, x, y) && i < pixels.size()) {
                if (DansArrierePlan(t, x, y))
                    PixelArrierePlan(t, x, y) = pixels[i];
                i++;
            }
    FermeArrierePlan(t);
}

void TraceCadre(int x1, int y1, int x2, int y2, const std::vector<uint32_t> &dessous, Fenetre *fenetre) {
    Somme sous = {0, 0, 0, 0}, interieur = {0, 0, 0, 0};
    for (uint32_t p : dessous)
        Ajoute(sous, p);
    ArrierePlan t = OuvreArrierePlan(fenetre);
    for (int y = y1 + EPAISSEUR_CADRE; y <= y2 - EPAISSEUR_CADRE; y++)
        for (int x = x1 + EPAISSEUR_CADRE; x <= x2 - EPAISSEUR_CADRE; x++)
            if (DansArrierePlan(t, x, y))
                Ajoute(interieur, PixelArrierePlan(t, x, y));
    const Couleur a = Moyenne(sous, Couleur{0, 0, 0});
    const Couleur c = Contrastee(a, Moyenne(interieur, a));
    const uint32_t pixel = PixelCouleur(c);
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (DansCadre(x1, y1, x2, y2, x, y) && DansArrierePlan(t, x, y))
                PixelArrierePlan(t, x, y) = pixel;
    FermeArrierePlan(t);
}
