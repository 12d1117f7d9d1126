// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures.h"

#include <cmath>

#include "bruit.h"

namespace {

const double PI = 3.14159265358979323846;

// Grain of noise on every pixel, so flat areas look like material rather than paint.
Rvb Grain(Rvb c, int x, int y, uint32_t graine, double amplitude) {
    double n = (Hachage(x, y, graine) - 0.5) * 2 * amplitude;
    return Rvb{static_cast<float>(c.r + n), static_cast<float>(c.g + n), static_cast<float>(c.b + n)};
}

// A stitched diamond lattice over the whole tile, `nombre` diamonds across.
void Matelassage(Toile &t, int nombre, Rvb fil, double epaisseur) {
    double pas = static_cast<double>(t.largeur) / nombre;
    for (int k = -nombre; k <= nombre; k++) {
        Segment(t, k * pas, 0, k * pas + t.hauteur, t.hauteur, epaisseur, Uni(fil));
        Segment(t, k * pas + t.hauteur, 0, k * pas, t.hauteur, epaisseur, Uni(fil));
    }
}

}  // namespace

Toile TexturePlateau() {
    Toile t = NouvelleToile(TAILLE_CASE, TAILLE_CASE, Couleur(0, 0, 0));
    Rvb clair = Couleur(214, 172, 116), fonce = Couleur(186, 140, 88);
    for (int y = 0; y < t.hauteur; y++)
        for (int x = 0; x < t.largeur; x++) {
            double u = x / static_cast<double>(t.largeur), v = y / static_cast<double>(t.hauteur);
            // Whole numbers of grain lines per tile keep the rings continuous at the edges.
            double veine = 3 * v + 0.45 * BruitFractal(u, v, 2, 3, 11);
            double onde = 0.5 + 0.5 * std::sin(2 * PI * veine);
            Rvb c = Melange(clair, fonce, 0.55 * onde + 0.35 * BruitFractal(u, v, 4, 2, 12));
            EcritPixel(t, x, y, Grain(c, x, y, 13, 2.5));
        }
    return t;
}

Toile TextureMoquette() {
    const int cote = 96;
    Toile t = NouvelleToile(cote, cote, Couleur(0, 0, 0));
    Rvb base = Couleur(52, 130, 160);
    for (int y = 0; y < cote; y++)
        for (int x = 0; x < cote; x++) {
            double u = x / static_cast<double>(cote), v = y / static_cast<double>(cote);
            Rvb c = Nuance(base, 0.88 + 0.24 * BruitFractal(u, v, 6, 3, 21));
            EcritPixel(t, x, y, Grain(c, x, y, 22, 9));
        }
    t.enroulee = true;
    t.opacite = 0.55;
    Matelassage(t, 3, Couleur(104, 178, 198), 3.2);
    t.opacite = 0.7;
    for (int j = 0; j < 3; j++)
        for (int i = 0; i < 3; i++)
            Disque(t, (i + 0.5) * cote / 3, (j + 0.5) * cote / 3, 4, Uni(Couleur(236, 190, 90)));
    return t;
}

Toile TextureCote() {
    Toile t = NouvelleToile(TAILLE_COTE, TAILLE_COTE, Couleur(0, 0, 0));
    Rvb papier = Couleur(238, 228, 204);
    for (int y = 0; y < t.hauteur; y++)
        for (int x = 0; x < t.largeur; x++) {
            double u = x / static_cast<double>(t.largeur), v = y / static_cast<double>(t.hauteur);
            Rvb c = Nuance(papier, 0.97 + 0.05 * BruitFractal(u, v, 5, 3, 31));
            EcritPixel(t, x, y, Grain(c, x, y, 32, 2));
        }
    t.enroulee = true;
    t.opacite = 0.35;
    double pas = TAILLE_COTE / 5.0;
    for (int j = 0; j < 5; j++)
        for (int i = 0; i < 5; i++)
            Disque(t, (i + (j % 2) * 0.5) * pas, (j + 0.5) * pas, 2.2, Uni(Couleur(150, 185, 215)));
    return t;
}

Toile TextureCadre(int numero) {
    const int cote = 60;
    const Rvb tissus[3] = {Couleur(44, 66, 150), Couleur(58, 52, 138), Couleur(96, 46, 106)};
    Rvb tissu = tissus[(numero - 1) % 3];
    Toile t = NouvelleToile(cote, cote, Couleur(0, 0, 0));
    for (int y = 0; y < cote; y++)
        for (int x = 0; x < cote; x++) {
            double u = x / static_cast<double>(cote), v = y / static_cast<double>(cote);
            // Each diamond of the quilt puffs up: lighter towards its middle.
            double creux = std::fabs(std::sin(PI * 2 * (u + v))) * std::fabs(std::sin(PI * 2 * (u - v)));
            Rvb c = Nuance(tissu, 0.8 + 0.3 * std::sqrt(creux) + 0.06 * BruitFractal(u, v, 4, 2, 40 + numero));
            EcritPixel(t, x, y, Grain(c, x, y, 44 + numero, 3));
        }
    t.enroulee = true;
    t.opacite = 0.3;
    Matelassage(t, 2, Nuance(tissu, 1.7), 1.0);
    return t;
}
