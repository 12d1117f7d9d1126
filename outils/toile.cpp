// SPDX-License-Identifier: GPL-3.0-or-later
// Anti-aliased fills by supersampling: every shape is tested in its own drawing
// units at 16 points of each pixel, so any affine map (squash, rotation) stays exact.
#include "toile.h"

#include <algorithm>
#include <cmath>

namespace {

const int SOUS_PAS = 4;  // samples per pixel along each axis
const double PI = 3.14159265358979323846;

float Borne(double v) {
    return static_cast<float>(std::min(255.0, std::max(0.0, v)));
}

Point Applique(const Repere &r, double u, double v) {
    return Point{r.a * u + r.b * v + r.e, r.c * u + r.d * v + r.f};
}

Repere Inverse(const Repere &r) {
    double det = r.a * r.d - r.b * r.c;
    Repere i{r.d / det, -r.b / det, -r.c / det, r.a / det, 0, 0};
    i.e = -(i.a * r.e + i.b * r.f);
    i.f = -(i.c * r.e + i.d * r.f);
    return i;
}

double DistanceSegment(Point p, Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
    t = std::min(1.0, std::max(0.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double DistanceChemin(Point p, const std::vector<Point> &pts, bool fermee) {
    double d = 1e30;
    for (size_t i = 0; i + 1 < pts.size(); i++)
        d = std::min(d, DistanceSegment(p, pts[i], pts[i + 1]));
    if (pts.size() == 1)
        d = std::hypot(p.x - pts[0].x, p.y - pts[0].y);
    if (fermee && pts.size() > 2)
        d = std::min(d, DistanceSegment(p, pts.back(), pts.front()));
    return d;
}

bool DansPolygone(Point p, const std::vector<Point> &pts) {
    bool dedans = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const Point &a = pts[i], &b = pts[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            dedans = !dedans;
    }
    return dedans;
}

bool DansRectangle(const Forme &f, Point p, double g) {
    double hx = (f.x2 - f.x1) / 2 + g, hy = (f.y2 - f.y1) / 2 + g;
    double r = std::min(f.rayon + g, std::min(hx, hy));
    double qx = std::fabs(p.x - (f.x1 + f.x2) / 2) - (hx - r);
    double qy = std::fabs(p.y - (f.y1 + f.y2) / 2) - (hy - r);
    double dehors = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return dehors + std::min(std::max(qx, qy), 0.0) <= r;
}

bool Dedans(const Forme &f, Point p, double g) {
    switch (f.genre) {
    case FORME_ELLIPSE: {
        double a = -f.angle * PI / 180, x = p.x - f.cx, y = p.y - f.cy;
        double lx = x * std::cos(a) - y * std::sin(a), ly = x * std::sin(a) + y * std::cos(a);
        lx /= f.rx + g;
        ly /= f.ry + g;
        return lx * lx + ly * ly <= 1;
    }
    case FORME_RECTANGLE: return DansRectangle(f, p, g);
    case FORME_POLYGONE: return DansPolygone(p, f.points) || (g > 0 && DistanceChemin(p, f.points, true) <= g);
    case FORME_TRAIT: return DistanceChemin(p, f.points, f.fermee) <= f.epaisseur / 2 + g;
    case FORME_ANNEAU: return std::fabs(std::hypot(p.x - f.cx, p.y - f.cy) - f.rx) <= f.epaisseur / 2 + g;
    }
    return false;
}

// Bounding box in drawing units, grown by g.
void Boite(const Forme &f, double g, double &u1, double &v1, double &u2, double &v2) {
    switch (f.genre) {
    case FORME_ELLIPSE: {
        double r = std::max(f.rx, f.ry) + g;
        u1 = f.cx - r;
        v1 = f.cy - r;
        u2 = f.cx + r;
        v2 = f.cy + r;
        return;
    }
    case FORME_RECTANGLE:
        u1 = f.x1 - g;
        v1 = f.y1 - g;
        u2 = f.x2 + g;
        v2 = f.y2 + g;
        return;
    case FORME_ANNEAU: {
        double r = f.rx + f.epaisseur / 2 + g;
        u1 = f.cx - r;
        v1 = f.cy - r;
        u2 = f.cx + r;
        v2 = f.cy + r;
        return;
    }
    case FORME_POLYGONE:
    case FORME_TRAIT: {
        double m = g + (f.genre == FORME_TRAIT ? f.epaisseur / 2 : 0);
        u1 = v1 = 1e30;
        u2 = v2 = -1e30;
        for (const Point &p : f.points) {
            u1 = std::min(u1, p.x);
            v1 = std::min(v1, p.y);
            u2 = std::max(u2, p.x);
            v2 = std::max(v2, p.y);
        }
        u1 -= m;
        v1 -= m;
        u2 += m;
        v2 += m;
        return;
    }
    }
}

Rvb Teinte(const Peinture &p, Point q) {
    double t = 0;
    if (p.genre == PEINTURE_LINEAIRE) {
        double dx = p.p2.x - p.p1.x, dy = p.p2.y - p.p1.y;
        double l2 = dx * dx + dy * dy;
        t = l2 > 0 ? ((q.x - p.p1.x) * dx + (q.y - p.p1.y) * dy) / l2 : 0;
    } else if (p.genre == PEINTURE_RADIALE) {
        t = p.p2.x > 0 ? std::hypot(q.x - p.p1.x, q.y - p.p1.y) / p.p2.x : 0;
    }
    return Melange(p.c1, p.c2, std::min(1.0, std::max(0.0, t)));
}

int Modulo(int a, int n) {
    return ((a % n) + n) % n;
}

void Fond(Toile &t, int x, int y, Rvb c, double alpha) {
    if (!t.enroulee && (x < 0 || y < 0 || x >= t.largeur || y >= t.hauteur))
        return;
    EcritPixel(t, x, y, Melange(LitPixel(t, x, y), c, alpha));
}

Forme FormeVide(GenreForme genre) {
    Forme f{};
    f.genre = genre;
    return f;
}

}  // namespace

Rvb Couleur(int r, int g, int b) {
    return Rvb{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}

Rvb Melange(Rvb a, Rvb b, double t) {
    return Rvb{Borne(a.r + (b.r - a.r) * t), Borne(a.g + (b.g - a.g) * t), Borne(a.b + (b.b - a.b) * t)};
}

Rvb Nuance(Rvb c, double facteur) {
    return Rvb{Borne(c.r * facteur), Borne(c.g * facteur), Borne(c.b * facteur)};
}

double Luminance(Rvb c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

Peinture Uni(Rvb c) {
    return Peinture{PEINTURE_UNIE, c, c, Point{0, 0}, Point{0, 0}};
}

Peinture Degrade(double x1, double y1, Rvb c1, double x2, double y2, Rvb c2) {
    return Peinture{PEINTURE_LINEAIRE, c1, c2, Point{x1, y1}, Point{x2, y2}};
}

Peinture DegradeRadial(double cx, double cy, Rvb centre, double rayon, Rvb bord) {
    return Peinture{PEINTURE_RADIALE, centre, bord, Point{cx, cy}, Point{rayon, 0}};
}

Repere RepereIdentite() {
    return Repere{1, 0, 0, 1, 0, 0};
}

Repere Compose(Repere p, Repere l) {
    return Repere{p.a * l.a + p.b * l.c, p.a * l.b + p.b * l.d,       p.c * l.a + p.d * l.c,
                  p.c * l.b + p.d * l.d, p.a * l.e + p.b * l.f + p.e, p.c * l.e + p.d * l.f + p.f};
}

Repere Deplacement(double dx, double dy) {
    return Repere{1, 0, 0, 1, dx, dy};
}

Repere Echelle(double ex, double ey) {
    return Repere{ex, 0, 0, ey, 0, 0};
}

Repere Rotation(double degres) {
    double a = degres * PI / 180;
    return Repere{std::cos(a), -std::sin(a), std::sin(a), std::cos(a), 0, 0};
}

Toile NouvelleToile(int largeur, int hauteur, Rvb fond) {
    Toile t;
    t.largeur = largeur;
    t.hauteur = hauteur;
    t.pixels.assign(static_cast<size_t>(largeur) * hauteur, fond);
    t.repere = RepereIdentite();
    t.enroulee = false;
    t.silhouette = false;
    t.couleurSilhouette = fond;
    t.gonflement = 0;
    t.opacite = 1;
    t.eclat = 1;
    return t;
}

Rvb LitPixel(const Toile &t, int x, int y) {
    return t.pixels[static_cast<size_t>(Modulo(y, t.hauteur)) * t.largeur + Modulo(x, t.largeur)];
}

void EcritPixel(Toile &t, int x, int y, Rvb c) {
    t.pixels[static_cast<size_t>(Modulo(y, t.hauteur)) * t.largeur + Modulo(x, t.largeur)] = c;
}

void Colle(Toile &t, const Toile &source, int x, int y) {
    for (int j = 0; j < source.hauteur; j++)
        for (int i = 0; i < source.largeur; i++)
            if (x + i >= 0 && y + j >= 0 && x + i < t.largeur && y + j < t.hauteur)
                EcritPixel(t, x + i, y + j, LitPixel(source, i, j));
}

void Remplit(Toile &t, const Forme &f, const Peinture &p) {
    double g = t.gonflement, u1 = 0, v1 = 0, u2 = 0, v2 = 0;
    Boite(f, g, u1, v1, u2, v2);
    double x1 = 1e30, y1 = 1e30, x2 = -1e30, y2 = -1e30;
    for (Point c : {Point{u1, v1}, Point{u2, v1}, Point{u1, v2}, Point{u2, v2}}) {
        Point q = Applique(t.repere, c.x, c.y);
        x1 = std::min(x1, q.x);
        y1 = std::min(y1, q.y);
        x2 = std::max(x2, q.x);
        y2 = std::max(y2, q.y);
    }
    int px1 = static_cast<int>(std::floor(x1)), py1 = static_cast<int>(std::floor(y1));
    int px2 = static_cast<int>(std::ceil(x2)), py2 = static_cast<int>(std::ceil(y2));
    if (!t.enroulee) {
        px1 = std::max(px1, 0);
        py1 = std::max(py1, 0);
        px2 = std::min(px2, t.largeur);
        py2 = std::min(py2, t.hauteur);
    }
    Repere inv = Inverse(t.repere);
    for (int y = py1; y < py2; y++)
        for (int x = px1; x < px2; x++) {
            int n = 0;
            for (int j = 0; j < SOUS_PAS; j++)
                for (int i = 0; i < SOUS_PAS; i++)
                    n += Dedans(f, Applique(inv, x + (i + 0.5) / SOUS_PAS, y + (j + 0.5) / SOUS_PAS), g);
            if (n == 0)
                continue;
            Rvb c = t.silhouette ? t.couleurSilhouette : Teinte(p, Applique(inv, x + 0.5, y + 0.5));
            Fond(t, x, y, Nuance(c, t.eclat), t.opacite * n / (SOUS_PAS * SOUS_PAS));
        }
}

void Ellipse(Toile &t, double cx, double cy, double rx, double ry, double angle, const Peinture &p) {
    Forme f = FormeVide(FORME_ELLIPSE);
    f.cx = cx;
    f.cy = cy;
    f.rx = rx;
    f.ry = ry;
    f.angle = angle;
    Remplit(t, f, p);
}

void Disque(Toile &t, double cx, double cy, double r, const Peinture &p) {
    Ellipse(t, cx, cy, r, r, 0, p);
}

void RectangleArrondi(Toile &t, double x1, double y1, double x2, double y2, double rayon, const Peinture &p) {
    Forme f = FormeVide(FORME_RECTANGLE);
    f.x1 = x1;
    f.y1 = y1;
    f.x2 = x2;
    f.y2 = y2;
    f.rayon = rayon;
    Remplit(t, f, p);
}

void Polygone(Toile &t, const std::vector<Point> &points, const Peinture &p) {
    Forme f = FormeVide(FORME_POLYGONE);
    f.points = points;
    Remplit(t, f, p);
}

void Trait(Toile &t, const std::vector<Point> &points, double epaisseur, const Peinture &p) {
    Forme f = FormeVide(FORME_TRAIT);
    f.points = points;
    f.epaisseur = epaisseur;
    Remplit(t, f, p);
}

void Segment(Toile &t, double x1, double y1, double x2, double y2, double epaisseur, const Peinture &p) {
    Trait(t, {Point{x1, y1}, Point{x2, y2}}, epaisseur, p);
}

void Anneau(Toile &t, double cx, double cy, double r, double epaisseur, const Peinture &p) {
    Forme f = FormeVide(FORME_ANNEAU);
    f.cx = cx;
    f.cy = cy;
    f.rx = r;
    f.epaisseur = epaisseur;
    Remplit(t, f, p);
}

std::vector<Point> Arc(double cx, double cy, double rx, double ry, double a1, double a2, int pas) {
    std::vector<Point> pts;
    for (int i = 0; i <= pas; i++) {
        double a = (a1 + (a2 - a1) * i / pas) * PI / 180;
        pts.push_back(Point{cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return pts;
}

std::vector<Point> Etoile(double cx, double cy, double rExterieur, double rInterieur, int branches) {
    std::vector<Point> pts;
    for (int i = 0; i < 2 * branches; i++) {
        double a = -PI / 2 + i * PI / branches;
        double r = i % 2 == 0 ? rExterieur : rInterieur;
        pts.push_back(Point{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return pts;
}
