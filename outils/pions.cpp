// SPDX-License-Identifier: GPL-3.0-or-later
#include "pions.h"

#include <algorithm>
#include <cmath>

namespace {

const double ECHELLE_PION = 0.44;  // pixels per toy unit in a cell
const double CENTRE_CASE = 24.5;   // middle of the 49 pixels a cell shows inside its grid lines
const double CONTOUR = 3.2;        // outline width in toy units
const Rvb ENCRE = {34, 26, 30};    // outline colour
const Rvb BOIS_TRANCHE = {232, 200, 150};

// Coverage of a shape drawn in white on black, kept in the red channel.
Toile Masque(int largeur, int hauteur, FonctionJouet jouet, Repere r, double gonflement) {
    Toile m = NouvelleToile(largeur, hauteur, Couleur(0, 0, 0));
    m.repere = r;
    m.silhouette = true;
    m.couleurSilhouette = Couleur(255, 255, 255);
    m.gonflement = gonflement;
    jouet(m);
    return m;
}

// Spreads a mask over a square of 2 rayon + 1 pixels, for soft shadow edges:
// a running box average along the rows, then along the columns.
Toile Floute(const Toile &m, int rayon) {
    Toile f = m;
    for (int passe = 0; passe < 2; passe++) {
        Toile source = f;
        int longueur = passe == 0 ? m.largeur : m.hauteur, travers = passe == 0 ? m.hauteur : m.largeur;
        for (int a = 0; a < travers; a++)
            for (int b = 0; b < longueur; b++) {
                double somme = 0;
                int n = 0;
                for (int k = std::max(0, b - rayon); k <= std::min(longueur - 1, b + rayon); k++, n++)
                    somme += passe == 0 ? LitPixel(source, k, a).r : LitPixel(source, a, k).r;
                float v = static_cast<float>(somme / n);
                EcritPixel(f, passe == 0 ? b : a, passe == 0 ? a : b, Rvb{v, v, v});
            }
    }
    return f;
}

// Lays a colour over t wherever the mask covers, at the given strength.
void AppliqueMasque(Toile &t, const Toile &m, Rvb c, double opacite) {
    for (int y = 0; y < t.hauteur; y++)
        for (int x = 0; x < t.largeur; x++)
            EcritPixel(t, x, y, Melange(LitPixel(t, x, y), c, opacite * LitPixel(m, x, y).r / 255));
}

void Ombre(Toile &t, FonctionJouet jouet, Repere r) {
    Repere decale = Compose(r, Deplacement(3.5, 5));
    int flou = std::max(1, static_cast<int>(std::lround(2.2 * r.d)));
    AppliqueMasque(t, Floute(Masque(t.largeur, t.hauteur, jouet, decale, CONTOUR), flou), Couleur(30, 18, 10), 0.4);
}

void Silhouette(Toile &t, FonctionJouet jouet, Repere r, Rvb c, double gonflement) {
    t.repere = r;
    t.silhouette = true;
    t.couleurSilhouette = c;
    t.gonflement = gonflement;
    jouet(t);
    t.silhouette = false;
    t.gonflement = 0;
}

Repere RepereCase(double ouverture, double decalage) {
    return Repere{ECHELLE_PION * ouverture, 0, 0, ECHELLE_PION, CENTRE_CASE + decalage, CENTRE_CASE};
}

void Etoile5(Toile &t, double rayon) {
    Polygone(t, Etoile(CENTRE_CASE, CENTRE_CASE, rayon, rayon * 0.45, 5), Uni(ENCRE));
}

}  // namespace

void DessineFigure(Toile &t, FonctionJouet jouet, Repere r) {
    Ombre(t, jouet, r);
    Silhouette(t, jouet, r, ENCRE, CONTOUR);
    t.repere = r;
    jouet(t);
    t.repere = RepereIdentite();
}

Toile PionEntier(const Toile &plateau, FonctionJouet jouet) {
    Toile t = plateau;
    DessineFigure(t, jouet, RepereCase(1, 0));
    return t;
}

Toile PionTournant(const Toile &plateau, FonctionJouet jouet, double ouverture, int cote) {
    Toile t = plateau;
    // The face and the back of a thin cut-out part by its thickness times the sine
    // of the turn; the edge shows between them, on the side away from the face.
    double ecart = EPAISSEUR_PION * std::sqrt(1 - ouverture * ouverture);
    double face = -cote * ecart / 2;
    int pas = std::max(1, static_cast<int>(std::ceil(ecart * 2)));
    Ombre(t, jouet, RepereCase(ouverture, 0));
    for (int k = 0; k <= pas; k++)
        Silhouette(t, jouet, RepereCase(ouverture, face + cote * ecart * k / pas), ENCRE, CONTOUR);
    for (int k = 1; k <= pas; k++)
        Silhouette(t, jouet, RepereCase(ouverture, face + cote * ecart * k / pas), BOIS_TRANCHE, 0);
    // A thinner line where the face meets its own edge.
    Silhouette(t, jouet, RepereCase(ouverture, face), ENCRE, CONTOUR * 0.5);
    t.repere = RepereCase(ouverture, face);
    t.eclat = 0.7 + 0.3 * ouverture;
    jouet(t);
    t.eclat = 1;
    t.repere = RepereIdentite();
    return t;
}

Toile PionTranche(const Toile &plateau) {
    Toile t = plateau;
    double g = EPAISSEUR_PION / 2 + 0.5, haut = 5, bas = 44;
    t.opacite = 0.35;
    RectangleArrondi(t, CENTRE_CASE - g + 1.5, haut + 2, CENTRE_CASE + g + 2.5, bas + 2, g, Uni(Couleur(30, 18, 10)));
    t.opacite = 1;
    RectangleArrondi(t, CENTRE_CASE - g - 1.4, haut - 1.4, CENTRE_CASE + g + 1.4, bas + 1.4, g + 1.4, Uni(ENCRE));
    RectangleArrondi(
        t, CENTRE_CASE - g, haut, CENTRE_CASE + g, bas, g,
        Degrade(CENTRE_CASE - g, 0, Nuance(BOIS_TRANCHE, 1.08), CENTRE_CASE + g, 0, Nuance(BOIS_TRANCHE, 0.8)));
    Segment(t, CENTRE_CASE - 0.8, haut + 4, CENTRE_CASE - 0.8, bas - 4, 0.9, Uni(Couleur(255, 240, 210)));
    return t;
}

Toile MarqueAide(const Toile &plateau) {
    Toile t = NouvelleToile(48, 48, Couleur(0, 0, 0));
    Colle(t, plateau, 0, 0);
    t.opacite = 0.3;
    Anneau(t, CENTRE_CASE + 1, CENTRE_CASE + 1.5, 8, 5, Uni(Couleur(30, 18, 10)));
    t.opacite = 1;
    Anneau(t, CENTRE_CASE, CENTRE_CASE, 8, 6, Uni(ENCRE));
    Anneau(t, CENTRE_CASE, CENTRE_CASE, 8, 3.2, Uni(Couleur(250, 250, 244)));
    return t;
}

Toile MarqueProposition(const Toile &plateau) {
    Toile t = NouvelleToile(48, 48, Couleur(0, 0, 0));
    Colle(t, plateau, 0, 0);
    t.opacite = 0.35;
    t.repere = Deplacement(1.5, 2);
    Etoile5(t, 19);
    t.opacite = 1;
    t.repere = RepereIdentite();
    t.gonflement = 1.4;
    Etoile5(t, 18);
    t.gonflement = 0;
    Polygone(t, Etoile(CENTRE_CASE, CENTRE_CASE, 18, 18 * 0.45, 5),
             DegradeRadial(CENTRE_CASE - 4, CENTRE_CASE - 5, Couleur(255, 240, 150), 20, Couleur(246, 172, 20)));
    return t;
}
