// SPDX-License-Identifier: GPL-3.0-or-later
#include "decor.h"

#include <cmath>

#include "bruit.h"
#include "jouets.h"
#include "pions.h"
#include "textures.h"

namespace {

const Rvb ENCRE = {30, 24, 40};
const int HORIZON = 440;  // where the wall meets the floor

typedef std::vector<Point> Chemin;

// The bowl of P and R, in the letter's unit square.
Chemin Bol() {
    Chemin bol{{0.3, 0.16}, {0.5, 0.16}};
    for (Point p : Arc(0.5, 0.34, 0.22, 0.18, -90, 90, 16))
        bol.push_back(p);
    bol.push_back(Point{0.3, 0.52});
    return bol;
}

// Strokes of a letter of the game's name in a unit square, y downwards.
std::vector<Chemin> Chemins(char lettre) {
    switch (lettre) {
    case 'F': return {{{0.3, 0.85}, {0.3, 0.16}, {0.74, 0.16}}, {{0.3, 0.49}, {0.64, 0.49}}};
    case 'L': return {{{0.32, 0.16}, {0.32, 0.84}, {0.74, 0.84}}};
    case 'I': return {{{0.5, 0.16}, {0.5, 0.84}}, {{0.32, 0.16}, {0.68, 0.16}}, {{0.32, 0.84}, {0.68, 0.84}}};
    case 'P': return {{{0.3, 0.85}, {0.3, 0.16}}, Bol()};
    case 'O': return {Arc(0.5, 0.5, 0.25, 0.34, 0, 360, 40)};
    case 'R': return {{{0.3, 0.85}, {0.3, 0.16}}, Bol(), {{0.5, 0.52}, {0.74, 0.85}}};
    case 'A': return {{{0.2, 0.85}, {0.5, 0.15}, {0.8, 0.85}}, {{0.33, 0.6}, {0.67, 0.6}}};
    }
    return {};
}

// A letter in white with a dark edge, in the square of side `cote` at (x, y).
void Lettre(Toile &t, char lettre, double x, double y, double cote) {
    Repere repere = t.repere;
    t.repere = Compose(repere, Repere{cote, 0, 0, cote, x, y});
    for (const Chemin &chemin : Chemins(lettre))
        Trait(t, chemin, 0.24, Uni(ENCRE));
    for (const Chemin &chemin : Chemins(lettre))
        Trait(t, chemin, 0.16, Uni(Couleur(255, 252, 240)));
    t.repere = repere;
}

// A toy block seen from the front and a little from above, with its letter.
void Cube(Toile &t, char lettre, double x, double y, double cote, Rvb c) {
    double p = cote * 0.14;
    t.opacite = 0.3;
    RectangleArrondi(t, x + 6, y + 8, x + cote + p + 6, y + cote + 8, 6, Uni(Couleur(5, 10, 30)));
    t.opacite = 1;
    t.gonflement = 1.6;
    Polygone(t,
             {{x, y},
              {x + p, y - p},
              {x + cote + p, y - p},
              {x + cote + p, y + cote - p},
              {x + cote, y + cote},
              {x, y + cote}},
             Uni(ENCRE));
    t.gonflement = 0;
    Polygone(t, {{x, y}, {x + p, y - p}, {x + cote + p, y - p}, {x + cote, y}}, Uni(Nuance(c, 1.3)));
    Polygone(t, {{x + cote, y}, {x + cote + p, y - p}, {x + cote + p, y + cote - p}, {x + cote, y + cote}},
             Uni(Nuance(c, 0.7)));
    RectangleArrondi(t, x, y, x + cote, y + cote, 3, Degrade(x, y, Nuance(c, 1.1), x + cote, y + cote, Nuance(c, 0.9)));
    RectangleArrondi(t, x + 5, y + 5, x + cote - 5, y + cote - 5, 5, Uni(Nuance(c, 0.85)));
    Lettre(t, lettre, x, y, cote);
}

void Logo(Toile &t) {
    const Rvb couleurs[7] = {Couleur(230, 64, 52),  Couleur(250, 180, 30), Couleur(50, 150, 230), Couleur(60, 170, 90),
                             Couleur(240, 120, 40), Couleur(150, 80, 200), Couleur(30, 170, 170)};
    const double cote = 74, pas = 84, debut = 400 - (6 * pas + cote) / 2;
    for (int i = 0; i < 7; i++)
        Cube(t, "FLIPORA"[i], debut + i * pas, 50 + (i % 2 == 0 ? 0 : 10), cote, couleurs[i]);
}

// Whether (x, y) lies in the calm places kept for the title screen's texts.
bool ZoneCalme(double x, double y) {
    return (x > 300 && x < 560 && y > 160 && y < 240) || (y < 175 && x > 95 && x < 720);
}

void Mur(Toile &t) {
    for (int y = 0; y < HORIZON; y++)
        for (int x = 0; x < t.largeur; x++) {
            double n = BruitFractal(x / 800.0, y / 600.0, 4, 3, 51);
            Rvb c = Melange(Couleur(22, 36, 92), Couleur(70, 104, 176), y / static_cast<double>(HORIZON));
            EcritPixel(t, x, y, Nuance(c, 0.94 + 0.12 * n));
        }
    for (int i = 0; i < 90; i++) {
        double x = 10 + 780 * Hachage(i, 1, 52), y = 8 + (HORIZON - 120) * Hachage(i, 2, 52);
        if (ZoneCalme(x, y) || std::hypot(x - 48, y - 78) < 50)
            continue;
        double r = 1.2 + 2.6 * Hachage(i, 3, 52);
        t.opacite = 0.45 + 0.5 * Hachage(i, 4, 52);
        if (i % 4 == 0)
            Polygone(t, Etoile(x, y, r * 2.4, r * 0.9, 5), Uni(Couleur(255, 230, 150)));
        else
            Disque(t, x, y, r * 0.7, Uni(Couleur(255, 245, 210)));
    }
    t.opacite = 1;
}

void Sol(Toile &t) {
    for (int y = HORIZON; y < t.hauteur; y++) {
        double profondeur = (y - HORIZON) / static_cast<double>(t.hauteur - HORIZON);
        int rangee = static_cast<int>(std::sqrt(profondeur) * 7);
        for (int x = 0; x < t.largeur; x++) {
            double joint = std::fmod(x + rangee * 137.0, 260.0);
            double veine = 0.5 + 0.5 * std::sin(y * 0.9 + 6 * BruitFractal(x / 800.0, y / 600.0, 8, 2, 53 + rangee));
            Rvb c = Melange(Couleur(222, 176, 116), Couleur(196, 146, 88), 0.5 * veine);
            c = Nuance(c, 0.9 + 0.12 * profondeur + 0.05 * Hachage(rangee, 0, 54));
            if (joint < 2)
                c = Nuance(c, 0.75);
            EcritPixel(t, x, y, c);
        }
    }
    for (int r = 1; r <= 7; r++) {
        double y = HORIZON + (t.hauteur - HORIZON) * (r / 7.0) * (r / 7.0);
        Segment(t, 0, y, t.largeur, y, 1.2, Uni(Couleur(150, 104, 60)));
    }
    RectangleArrondi(t, -5, HORIZON - 4, t.largeur + 5, HORIZON + 9, 2,
                     Degrade(0, HORIZON - 4, Couleur(246, 240, 226), 0, HORIZON + 9, Couleur(200, 190, 170)));
}

// Round rug in the bottom left corner, under the credit line.
void Tapis(Toile &t) {
    t.opacite = 0.35;
    Ellipse(t, 140, 600, 250, 78, 0, Uni(Couleur(60, 30, 10)));
    t.opacite = 1;
    Ellipse(t, 135, 596, 250, 76, 0, Uni(Couleur(34, 46, 110)));
    Ellipse(t, 135, 596, 228, 64, 0, Uni(Couleur(48, 64, 138)));
    Ellipse(t, 135, 596, 214, 56, 0, Uni(Couleur(34, 46, 110)));
}

// Corners of the board lying on the floor: far left, far right, near right, near left.
const Point COINS_PLATEAU[4] = {{334, 474}, {466, 474}, {512, 590}, {300, 590}};

// A point of the floor board from its place (u across, v from far to near, 0 to 1).
Point SurPlateau(double u, double v) {
    const Point *c = COINS_PLATEAU;
    Point loin{c[0].x + (c[1].x - c[0].x) * u, c[0].y}, pres{c[3].x + (c[2].x - c[3].x) * u, c[3].y};
    double w = v * (1 + 0.35 * (v - 1));  // the far rows look shorter
    return Point{loin.x + (pres.x - loin.x) * w, loin.y + (pres.y - loin.y) * w};
}

// A Reversi board lying on the floor, seen in perspective, with its four starting pawns.
void PlateauAuSol(Toile &t) {
    const Point *c = COINS_PLATEAU;
    t.opacite = 0.3;
    Polygone(t,
             {{c[0].x + 6, c[0].y + 6}, {c[1].x + 8, c[1].y + 6}, {c[2].x + 10, c[2].y + 8}, {c[3].x + 4, c[3].y + 8}},
             Uni(Couleur(60, 30, 10)));
    t.opacite = 1;
    Polygone(t, {c[3], c[2], {c[2].x, c[2].y + 9}, {c[3].x, c[3].y + 9}}, Uni(Couleur(120, 74, 40)));
    Polygone(t, {c[0], c[1], c[2], c[3]}, Degrade(0, c[0].y, Couleur(190, 146, 94), 0, c[3].y, Couleur(222, 178, 120)));
    for (int k = 0; k <= 8; k++) {
        Trait(t, {SurPlateau(k / 8.0, 0), SurPlateau(k / 8.0, 1)}, 1.3, Uni(Couleur(49, 138, 183)));
        Trait(t, {SurPlateau(0, k / 8.0), SurPlateau(1, k / 8.0)}, 1.3, Uni(Couleur(49, 138, 183)));
    }
    const Rvb pions[2] = {Couleur(255, 206, 48), Couleur(66, 74, 168)};
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++) {
            Point p = SurPlateau((3.5 + i) / 8, (3.5 + j) / 8);
            double r = 7 + 2 * ((3.5 + j) / 8);
            Ellipse(t, p.x, p.y + 1.5, r + 1.5, r * 0.6 + 1.5, 0, Uni(ENCRE));
            Ellipse(t, p.x, p.y, r, r * 0.6, 0, Uni(pions[(i + j) % 2]));
        }
}

// A toy standing on the floor, its feet at (x, sol): a soft shadow under it, then the toy.
void JouetAuSol(Toile &t, FonctionJouet jouet, double x, double sol, double echelle, double bas) {
    t.opacite = 0.3;
    Ellipse(t, x + 4 * echelle, sol, 40 * echelle, 7 * echelle, 0, Uni(Couleur(40, 20, 10)));
    t.opacite = 1;
    DessineFigure(t, jouet, Repere{echelle, 0, 0, echelle, x, sol - bas * echelle});
}

// A crescent moon: a pale disc with a disc of the sky taken out of it.
void Lune(Toile &t, double x, double y, double r) {
    Rvb ciel = LitPixel(t, static_cast<int>(x + r * 2.2), static_cast<int>(y));
    Disque(t, x, y, r * 2, DegradeRadial(x, y, Melange(ciel, Couleur(255, 240, 190), 0.25), r * 2, ciel));
    Disque(t, x, y, r, Uni(Couleur(255, 240, 190)));
    Disque(t, x + r * 0.45, y - r * 0.25, r * 0.85, Uni(Melange(ciel, Couleur(255, 240, 190), 0.12)));
}

}  // namespace

Toile ImageFond() {
    Toile t = NouvelleToile(800, 600, Couleur(0, 0, 0));
    Mur(t);
    Lune(t, 48, 78, 20);
    Sol(t);
    Tapis(t);
    PlateauAuSol(t);
    Logo(t);
    // The lowest point of each toy, in its own units, sets it on the floor.
    JouetAuSol(t, DessineOurs, 86, 462, 0.95, 40);
    JouetAuSol(t, DessineElephant, 212, 466, 0.9, 44);
    JouetAuSol(t, DessineVoiture, 116, 530, 0.85, 31);
    JouetAuSol(t, DessineRobot, 250, 512, 0.72, 34);
    JouetAuSol(t, DessineLapin, 716, 462, 0.95, 46);
    JouetAuSol(t, DessineCanard, 586, 468, 0.9, 39);
    JouetAuSol(t, DessineVoilier, 684, 528, 0.8, 34);
    DessineFigure(t, DessineFusee, Repere{0.85, 0, 0, 0.85, 728, 262});
    return t;
}

Toile ImageFleche(const Toile &cote) {
    // The arrow stands at (640, 60) and (725, 60); the panel's tiles start at (609, 9).
    const int phaseX = 640 - 609, phaseY = 60 - 9;
    Toile t = NouvelleToile(32, 30, Couleur(0, 0, 0));
    for (int y = 0; y < t.hauteur; y++)
        for (int x = 0; x < t.largeur; x++)
            EcritPixel(t, x, y, LitPixel(cote, x + phaseX, y + phaseY));
    std::vector<Point> fleche{{16, 2.5}, {29, 15}, {21.5, 15}, {21.5, 27.5}, {10.5, 27.5}, {10.5, 15}, {3, 15}};
    t.opacite = 0.3;
    t.repere = Deplacement(1.2, 1.5);
    Polygone(t, fleche, Uni(Couleur(40, 20, 10)));
    t.opacite = 1;
    t.repere = RepereIdentite();
    t.gonflement = 1.3;
    Polygone(t, fleche, Uni(ENCRE));
    t.gonflement = 0;
    Polygone(t, fleche, Degrade(6, 4, Couleur(250, 110, 80), 24, 27, Couleur(200, 40, 40)));
    return t;
}

Toile IconeFleche(int dx, int dy) {
    const int cote = 15;
    Toile t = NouvelleToile(cote, cote, Couleur(196, 196, 200));
    // Its outer ring takes the place of the button's innermost bevel line.
    for (int i = 0; i < cote; i++) {
        EcritPixel(t, i, 0, Couleur(236, 236, 240));
        EcritPixel(t, 0, i, Couleur(236, 236, 240));
        EcritPixel(t, i, cote - 1, Couleur(128, 128, 134));
        EcritPixel(t, cote - 1, i, Couleur(128, 128, 134));
    }
    double c = cote / 2.0;
    // A triangle pointing to +x, turned to the wanted direction.
    t.repere = Compose(Deplacement(c, c), Rotation(std::atan2(dy, dx) * 180 / 3.14159265358979323846));
    Polygone(t, {{3.6, 0}, {-2.6, -4.6}, {-2.6, 4.6}}, Uni(Couleur(34, 34, 44)));
    return t;
}
