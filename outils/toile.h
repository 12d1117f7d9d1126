// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing surface of the artwork generator: floating-point pixels, an affine map
// from drawing units to pixels, and anti-aliased fills of a few shape kinds.
#pragma once

#include <vector>

// A colour with components from 0 to 255, kept in floating point so blends do not band.
struct Rvb {
    float r, g, b;
};

// A point in drawing units.
struct Point {
    double x, y;
};

// Affine map from drawing units (u, v) to pixels: x = a u + b v + e, y = c u + d v + f.
struct Repere {
    double a, b, c, d, e, f;
};

// A picture being drawn, with the modifiers that every fill obeys.
struct Toile {
    int largeur, hauteur;
    std::vector<Rvb> pixels;  // row by row from the top
    Repere repere;            // map of the fills to come
    bool enroulee;            // fills wrap around the edges (textures that tile)
    bool silhouette;          // every fill uses couleurSilhouette instead of its paint
    Rvb couleurSilhouette;
    double gonflement;  // shapes grow by this many drawing units (outlines, shadows)
    double opacite;     // 0 to 1, multiplies the coverage of every fill
    double eclat;       // multiplies every painted colour (shading)
};

enum GenreForme { FORME_ELLIPSE, FORME_RECTANGLE, FORME_POLYGONE, FORME_TRAIT, FORME_ANNEAU };

// One shape in drawing units; each kind reads only its own fields.
struct Forme {
    GenreForme genre;
    double cx, cy, rx, ry, angle;  // ellipse (angle in degrees); ring of radius rx
    double x1, y1, x2, y2, rayon;  // rectangle with rounded corners
    std::vector<Point> points;     // polygon, or the path of a stroke
    double epaisseur;              // width of a stroke or a ring
    bool fermee;                   // the stroke's path closes on itself
};

enum GenrePeinture { PEINTURE_UNIE, PEINTURE_LINEAIRE, PEINTURE_RADIALE };

// How a shape is coloured: one colour, or a gradient from c1 at p1 to c2 at p2
// (radial: centre p1, colour c2 reached at distance p2.x).
struct Peinture {
    GenrePeinture genre;
    Rvb c1, c2;
    Point p1, p2;
};

// Colours.
Rvb Couleur(int r, int g, int b);
// Mix of two colours: t = 0 gives a, t = 1 gives b.
Rvb Melange(Rvb a, Rvb b, double t);
// A colour scaled by a factor (darker below 1, lighter above, clamped at 255).
Rvb Nuance(Rvb c, double facteur);
// Perceived brightness, 0 to 255.
double Luminance(Rvb c);

// Paints.
Peinture Uni(Rvb c);
Peinture Degrade(double x1, double y1, Rvb c1, double x2, double y2, Rvb c2);
Peinture DegradeRadial(double cx, double cy, Rvb centre, double rayon, Rvb bord);

// Maps.
Repere RepereIdentite();
// parent applied after local: units of local feed parent.
Repere Compose(Repere parent, Repere local);
Repere Deplacement(double dx, double dy);
Repere Echelle(double ex, double ey);
Repere Rotation(double degres);

// A canvas of the given size filled with one colour, with neutral modifiers.
Toile NouvelleToile(int largeur, int hauteur, Rvb fond);
// Pixel access; coordinates wrap around, so textures read across their edges.
Rvb LitPixel(const Toile &t, int x, int y);
void EcritPixel(Toile &t, int x, int y, Rvb c);
// Copies source onto t with its top-left corner at (x, y), clipped to t.
void Colle(Toile &t, const Toile &source, int x, int y);

// Fills a shape with a paint, 4 x 4 samples per pixel, through the canvas modifiers.
void Remplit(Toile &t, const Forme &f, const Peinture &p);

// Shape helpers over Remplit, in drawing units.
void Ellipse(Toile &t, double cx, double cy, double rx, double ry, double angle, const Peinture &p);
void Disque(Toile &t, double cx, double cy, double r, const Peinture &p);
void RectangleArrondi(Toile &t, double x1, double y1, double x2, double y2, double rayon, const Peinture &p);
void Polygone(Toile &t, const std::vector<Point> &points, const Peinture &p);
// A stroke of the given width with round ends and joins along a path.
void Trait(Toile &t, const std::vector<Point> &points, double epaisseur, const Peinture &p);
void Segment(Toile &t, double x1, double y1, double x2, double y2, double epaisseur, const Peinture &p);
void Anneau(Toile &t, double cx, double cy, double r, double epaisseur, const Peinture &p);

// Points of an elliptic arc from angle a1 to a2 (degrees, 0 = +x, 90 = +y), for paths.
std::vector<Point> Arc(double cx, double cy, double rx, double ry, double a1, double a2, int pas);
// Points of a regular star with the given number of branches, first branch pointing up.
std::vector<Point> Etoile(double cx, double cy, double rExterieur, double rInterieur, int branches);
