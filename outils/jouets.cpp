// SPDX-License-Identifier: GPL-3.0-or-later
#include "jouets.h"

const JeuPions jeux_pions[8] = {
    {4, "teddy bear", DessineOurs}, {5, "rabbit", DessineLapin},      {6, "elephant", DessineElephant},
    {7, "duck", DessineCanard},     {8, "robot", DessineRobot},       {9, "rocket", DessineFusee},
    {10, "car", DessineVoiture},    {11, "sailboat", DessineVoilier},
};

namespace {

const Rvb NOIR_DOUX = {28, 24, 34};
const Rvb BLANC = {255, 255, 255};

// A shiny black eye with its highlight.
void Oeil(Toile &t, double x, double y, double r) {
    Disque(t, x, y, r, Uni(NOIR_DOUX));
    Disque(t, x - r * 0.35, y - r * 0.35, r * 0.38, Uni(BLANC));
}

// A soft round blush on a cheek.
void Joue(Toile &t, double x, double y, double r, Rvb c) {
    double opacite = t.opacite;
    t.opacite *= 0.55;
    Disque(t, x, y, r, Uni(c));
    t.opacite = opacite;
}

// A rounded volume: lighter towards the top left, as lit from there.
Peinture Volume(double cx, double cy, double r, Rvb c) {
    return DegradeRadial(cx - r * 0.35, cy - r * 0.4, Nuance(c, 1.18), r * 1.5, Nuance(c, 0.82));
}

// The same shape on both sides of the vertical axis.
void PaireEllipses(Toile &t, double x, double y, double rx, double ry, double angle, const Peinture &p) {
    Ellipse(t, -x, y, rx, ry, -angle, p);
    Ellipse(t, x, y, rx, ry, angle, p);
}

}  // namespace

void DessineOurs(Toile &t) {
    Rvb fourrure = Couleur(92, 64, 160), clair = Couleur(178, 154, 224);
    PaireEllipses(t, 28, -26, 14, 14, 0, Uni(Nuance(fourrure, 0.95)));
    PaireEllipses(t, 28, -26, 7.5, 7.5, 0, Uni(clair));
    Disque(t, 0, 4, 36, Volume(0, 4, 36, fourrure));
    Ellipse(t, 0, 18, 17, 13, 0, Uni(clair));
    Ellipse(t, 0, 11, 7, 5, 0, Uni(NOIR_DOUX));
    Trait(t, Arc(0, 17, 6, 5, 20, 160, 10), 2.2, Uni(NOIR_DOUX));
    Segment(t, 0, 14, 0, 21, 2.2, Uni(NOIR_DOUX));
    Oeil(t, -13, -5, 4.6);
    Oeil(t, 13, -5, 4.6);
}

void DessineLapin(Toile &t) {
    Rvb fourrure = Couleur(250, 204, 212), rose = Couleur(236, 116, 150);
    PaireEllipses(t, 13, -22, 9.5, 25, 12, Uni(fourrure));
    PaireEllipses(t, 13, -21, 4.8, 17, 12, Uni(rose));
    Ellipse(t, 0, 20, 31, 26, 0, Volume(0, 20, 30, fourrure));
    Joue(t, -20, 26, 5, rose);
    Joue(t, 20, 26, 5, rose);
    Disque(t, -7, 29, 8, Uni(BLANC));
    Disque(t, 7, 29, 8, Uni(BLANC));
    RectangleArrondi(t, -4, 32, 4, 40, 1.5, Uni(BLANC));
    Segment(t, 0, 33, 0, 39, 1.0, Uni(Couleur(200, 170, 170)));
    Ellipse(t, 0, 23, 4.5, 3.2, 0, Uni(rose));
    Oeil(t, -11, 13, 4.2);
    Oeil(t, 11, 13, 4.2);
}

void DessineElephant(Toile &t) {
    Rvb peau = Couleur(64, 94, 164), clair = Couleur(128, 156, 214);
    PaireEllipses(t, 29, -4, 18, 24, 10, Uni(Nuance(peau, 0.92)));
    PaireEllipses(t, 31, -2, 11, 16, 10, Uni(clair));
    Ellipse(t, 0, -6, 24, 26, 0, Volume(0, -6, 25, peau));
    Trait(t, {Point{0, 6}, Point{0, 22}, Point{2, 32}, Point{8, 38}, Point{14, 36}}, 13, Uni(peau));
    Segment(t, -9, 10, -13, 20, 4.5, Uni(Couleur(250, 248, 236)));
    Segment(t, 9, 10, 13, 20, 4.5, Uni(Couleur(250, 248, 236)));
    Oeil(t, -10, -8, 4.2);
    Oeil(t, 10, -8, 4.2);
}

void DessineCanard(Toile &t) {
    Rvb plume = Couleur(255, 206, 48), orange = Couleur(246, 128, 36);
    Polygone(t, {Point{30, 2}, Point{46, -10}, Point{42, 16}}, Uni(plume));
    Ellipse(t, 6, 16, 36, 23, 0, Volume(6, 16, 34, plume));
    Disque(t, -14, -16, 19, Volume(-14, -16, 19, plume));
    Ellipse(t, -35, -7, 9, 4, 8, Uni(Nuance(orange, 0.85)));
    Ellipse(t, -36, -11, 11, 5, -6, Uni(orange));
    Ellipse(t, 12, 14, 16, 9, -12, Uni(Nuance(plume, 0.88)));
    Trait(t, Arc(12, 14, 16, 9, 200, 330, 10), 1.4, Uni(Nuance(plume, 0.7)));
    Joue(t, -8, -9, 4.5, orange);
    Oeil(t, -18, -20, 4.2);
}

void DessineRobot(Toile &t) {
    Rvb metal = Couleur(66, 118, 140), lueur = Couleur(120, 232, 255), ecran = Couleur(20, 38, 58);
    Segment(t, 0, -30, 0, -42, 3.5, Uni(Couleur(60, 70, 80)));
    Disque(t, 0, -44, 5.5, Uni(lueur));
    RectangleArrondi(t, -40, -8, -28, 12, 3, Uni(Nuance(metal, 0.8)));
    RectangleArrondi(t, 28, -8, 40, 12, 3, Uni(Nuance(metal, 0.8)));
    RectangleArrondi(t, -31, -30, 31, 34, 9, Degrade(0, -30, Nuance(metal, 1.25), 0, 34, Nuance(metal, 0.8)));
    RectangleArrondi(t, -23, -20, 23, 13, 6, Uni(ecran));
    for (int cote = -1; cote <= 1; cote += 2) {
        Disque(t, cote * 11, -5, 6.5, Uni(lueur));
        Disque(t, cote * 11, -5, 2.5, Uni(BLANC));
        Disque(t, cote * 25, 27, 2, Uni(Nuance(metal, 0.6)));
    }
    RectangleArrondi(t, -14, 18, 14, 27, 2, Uni(ecran));
    for (int i = -1; i <= 1; i++)
        Segment(t, i * 7, 19.5, i * 7, 25.5, 1.6, Uni(lueur));
}

void DessineFusee(Toile &t) {
    Rvb creme = Couleur(252, 240, 218), rouge = Couleur(232, 66, 46);
    Repere repere = t.repere;
    t.repere = Compose(repere, Compose(Rotation(35), Deplacement(0, -4)));
    Ellipse(t, 0, 36, 8, 14, 0, Uni(Couleur(250, 140, 30)));
    Ellipse(t, 0, 33, 4.5, 9, 0, Uni(Couleur(255, 226, 90)));
    Polygone(t, {Point{-12, 6}, Point{-26, 30}, Point{-10, 26}}, Uni(rouge));
    Polygone(t, {Point{12, 6}, Point{26, 30}, Point{10, 26}}, Uni(rouge));
    RectangleArrondi(t, -9, 22, 9, 31, 2, Uni(Couleur(150, 150, 160)));
    Ellipse(t, 0, -4, 15, 36, 0, Degrade(-15, 0, Nuance(creme, 1.05), 15, 0, Nuance(creme, 0.85)));
    Polygone(t, Arc(0, -4, 15, 36, 210, 330, 24), Uni(rouge));
    Disque(t, 0, 2, 8, Uni(Couleur(200, 200, 210)));
    Disque(t, 0, 2, 5.5, Uni(Couleur(120, 190, 235)));
    Disque(t, -1.8, 0.2, 1.8, Uni(BLANC));
    t.repere = repere;
}

void DessineVoiture(Toile &t) {
    Rvb carrosserie = Couleur(26, 112, 78), vitre = Couleur(172, 218, 238);
    Polygone(t, {Point{-28, -2}, Point{-18, -28}, Point{16, -28}, Point{30, -2}}, Uni(Nuance(carrosserie, 1.1)));
    RectangleArrondi(t, -46, -5, 46, 20, 9, Degrade(0, -5, Nuance(carrosserie, 1.25), 0, 20, Nuance(carrosserie, 0.8)));
    Polygone(t, {Point{-22, -7}, Point{-15, -23}, Point{-3, -23}, Point{-3, -7}}, Uni(vitre));
    Polygone(t, {Point{2, -7}, Point{2, -23}, Point{13, -23}, Point{23, -7}}, Uni(vitre));
    Segment(t, 0, -3, 0, 15, 1.2, Uni(Nuance(carrosserie, 0.6)));
    Ellipse(t, 43, 3, 2.6, 4, 0, Uni(Couleur(255, 232, 140)));
    for (int cote = -1; cote <= 1; cote += 2) {
        Disque(t, cote * 25, 20, 11, Uni(Couleur(38, 38, 44)));
        Disque(t, cote * 25, 20, 4.5, Uni(Couleur(196, 196, 204)));
    }
}

void DessineVoilier(Toile &t) {
    Rvb coque = Couleur(238, 100, 48), voile = Couleur(255, 247, 228);
    Segment(t, 0, -44, 0, 14, 3.5, Uni(Couleur(150, 96, 56)));
    Polygone(t, {Point{0, -46}, Point{13, -42}, Point{0, -38}}, Uni(Couleur(255, 200, 40)));
    Polygone(t, {Point{4, -40}, Point{4, 7}, Point{36, 7}}, Degrade(4, 0, voile, 36, 0, Nuance(voile, 0.9)));
    Polygone(t, {Point{-4, -33}, Point{-4, 7}, Point{-28, 7}}, Degrade(-4, 0, Nuance(voile, 0.92), -28, 0, voile));
    Polygone(t, {Point{-42, 11}, Point{42, 11}, Point{31, 33}, Point{-31, 33}},
             Degrade(0, 11, Nuance(coque, 1.1), 0, 33, Nuance(coque, 0.85)));
    Polygone(t, {Point{-40, 15}, Point{40, 15}, Point{38.5, 19}, Point{-38.5, 19}}, Uni(Couleur(255, 222, 120)));
    for (int i = -1; i <= 1; i++)
        Disque(t, i * 14, 26, 2.6, Uni(Couleur(255, 240, 200)));
}
