// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and text: measured and drawn as single lines, centred, or broken at
// blanks inside a rectangle.
#include <cstdio>
#include <string>
#include <vector>

#include "arriere_plan.h"
#include "ecran.h"

namespace {

// Tabs stand at every eighth character, as the platform's default stops.
std::string SansTabulations(const char *texte) {
    std::string ligne;
    for (const char *c = texte; *c; c++) {
        if (*c == '\t')
            ligne.append(8 - ligne.size() % 8, ' ');
        else
            ligne += *c;
    }
    return ligne;
}

void Mesure(const std::string &ligne, Police police, int *largeur, int *hauteur) {
    plateforme.TailleTexte(police, ligne.c_str(), largeur, hauteur);
}

// Draws one line with its top-left corner at (x, y), clipped to the box.
void Ecrit(const std::string &ligne, int x, int y, Police police, Couleur couleur, const RectanglePf &boite,
           Fenetre *fenetre) {
    if (plateforme.EcritTexte(fenetre->arrierePlan, police, x, y, ligne.c_str(), PixelCouleur(couleur), boite) != 0)
        ErreurFenetre(fenetre->hwnd, "Impossible de recuperer le DC\n");
}

// Breaks the text into lines no wider than `largeur`, at blanks and line feeds;
// a word wider than the box keeps a line of its own.
std::vector<std::string> Coupe(const std::string &texte, Police police, int largeur) {
    std::vector<std::string> lignes;
    std::string ligne;
    size_t i = 0;
    while (i <= texte.size()) {
        size_t fin = texte.find_first_of(" \n", i);
        if (fin == std::string::npos)
            fin = texte.size();
        std::string mot = texte.substr(i, fin - i);
        std::string essai = ligne.empty() ? mot : ligne + " " + mot;
        int w, h;
        Mesure(essai, police, &w, &h);
        if (w > largeur && !ligne.empty()) {
            lignes.push_back(ligne);
            ligne = mot;
        } else {
            ligne = essai;
        }
        if (fin < texte.size() && texte[fin] == '\n') {
            lignes.push_back(ligne);
            ligne.clear();
        }
        i = fin + 1;
    }
    if (!ligne.empty() || lignes.empty())
        lignes.push_back(ligne);
    return lignes;
}

}  // namespace

Police OuvrePolice(const char *nom, int hauteur, Fenetre *) {
    if (!nom)
        return nullptr;
    Police police = plateforme.OuvrePolice(nom, hauteur);
    if (!police)
        fprintf(stderr, "la police %s n'est pas disponible.\n", nom);
    return police;
}

void FermePolice(Police police, Fenetre *fenetre) {
    plateforme.FermePolice(police);
    if (fenetre && fenetre->policeEcran)
        fenetre->policeEcran->police = 0;
}

void TailleTexte(const char *texte, Police police, int *largeur, int *hauteur, Fenetre *) {
    int w = 0, h = 0;
    if (texte && police)
        Mesure(SansTabulations(texte), police, &w, &h);
    if (largeur)
        *largeur = w & 0xFFFF;
    if (hauteur)
        *hauteur = h & 0xFFFF;
}

void EcritTexte(int x, int y, const char *texte, Police police, Couleur couleur, Fenetre *fenetre) {
    if (!texte || !police)
        return;
    std::string ligne = SansTabulations(texte);
    int tw, th;
    Mesure(ligne, police, &tw, &th);
    RectanglePf boite = {x, y - th, x + tw, y + th / 2};
    Ecrit(ligne, x, boite.haut + (boite.bas - boite.haut - th) / 2, police, couleur, boite, fenetre);
}

void EcritTexteDansRectangle(int gauche, int haut, int droite, int bas, const char *texte, Police police,
                             Couleur couleur, Fenetre *fenetre) {
    if (!texte || !police)
        return;
    RectanglePf boite = {gauche, haut, droite, bas};
    std::vector<std::string> lignes = Coupe(SansTabulations(texte), police, droite - gauche);
    int tw, th;
    Mesure(lignes[0], police, &tw, &th);
    int y = lignes.size() == 1 ? haut + (bas - haut - th) / 2 : haut;
    for (const std::string &ligne : lignes) {
        Mesure(ligne, police, &tw, &th);
        Ecrit(ligne, gauche + (droite - gauche - tw) / 2, y, police, couleur, boite, fenetre);
        y += th;
    }
}

void EcritTexteCentre(char sens, int decalage, const char *texte, Police police, Couleur couleur, int x1, int y1,
                      int x2, int y2, Fenetre *fenetre) {
    int tw, th;
    TailleTexte(texte, police, &tw, &th, fenetre);
    if (sens == 'h')
        EcritTexte(x1 + (x2 - x1 - tw) / 2, y1 + decalage, texte, police, couleur, fenetre);
    else
        EcritTexte(x1 + decalage, y1 + (y2 - y1 - th) / 2 + 1, texte, police, couleur, fenetre);
}
