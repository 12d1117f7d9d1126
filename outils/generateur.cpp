// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every bitmap file that the game's tables and the toolkit's icon table
// name into one folder, synthesises the sounds the game's tables name beside
// them, and last writes the list of the images:
//   generateur FOLDER          writes the images, the sounds and FOLDER/donnees.liste
// The files depend on nothing but this code, so every build makes the same
// ones. A name in the tables that nothing here answers stops the build.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bmp.h"
#include "decor.h"
#include "jouets.h"
#include "liste.h"
#include "pions.h"
#include "sons.h"
#include "textures.h"
#include "wav.h"

namespace {

// How far the face of a turning pawn is open in the frames before and after
// the edge-on one: frames 1 and 5 nearly open, frames 2 and 4 nearly shut.
const double OUVERTURE_LARGE = 0.72, OUVERTURE_ETROITE = 0.36;

// The textures that other pictures are drawn over, made once.
struct Fonds {
    Toile plateau, cote;
};

// Frames 0 and 1 turn away (edge on the left), 3 and 4 turn into view; 2 is edge-on.
Toile Trame(const Fonds &fonds, FonctionJouet jouet, int vue) {
    if (vue == 2)
        return PionTranche(fonds.plateau);
    double ouverture = vue == 0 || vue == 4 ? OUVERTURE_LARGE : OUVERTURE_ETROITE;
    return PionTournant(fonds.plateau, jouet, ouverture, vue < 2 ? -1 : 1);
}

Toile Dessine(const Commande &c, const Fonds &fonds) {
    switch (c.sujet) {
    case SUJET_FOND: return ImageFond();
    case SUJET_MOQUETTE: return TextureMoquette();
    case SUJET_PLATEAU: return fonds.plateau;
    case SUJET_FLECHE: return ImageFleche(fonds.cote);
    case SUJET_COTE: return fonds.cote;
    case SUJET_PROPOSITION: return MarqueProposition(fonds.plateau);
    case SUJET_AIDE: return MarqueAide(fonds.plateau);
    case SUJET_CADRE: return TextureCadre(c.numero);
    case SUJET_PION: return PionEntier(fonds.plateau, jeux_pions[c.numero].dessine);
    case SUJET_TRAME: return Trame(fonds, jeux_pions[c.numero].dessine, c.vue);
    case SUJET_ICONE: return IconeFleche(c.dx, c.dy);
    }
    return fonds.plateau;
}

bool Ecrit(const std::string &dossier, const std::string &nom, const Toile &t) {
    std::filesystem::path chemin = std::filesystem::path(dossier) / nom;
    std::error_code erreur;
    std::filesystem::create_directories(chemin.parent_path(), erreur);
    if (!erreur && EcritBmp(t, chemin.string()))
        return true;
    std::fprintf(stderr, "generateur: cannot write %s\n", chemin.c_str());
    return false;
}

// Written last, so that it stands for a complete run: the build tracks it,
// and it tells what images the folder holds.
bool EcritListe(const std::string &dossier, const std::vector<Commande> &commandes) {
    std::string chemin = dossier + "/donnees.liste";
    std::ofstream liste(chemin, std::ios::trunc);
    for (const Commande &c : commandes)
        liste << c.nom << '\n';
    liste.close();
    if (liste)
        return true;
    std::fprintf(stderr, "generateur: cannot write %s\n", chemin.c_str());
    return false;
}

bool EcritSon(const std::string &dossier, const std::string &nom, const std::vector<double> &echantillons) {
    std::string chemin = dossier + "/" + nom;
    if (EcritWav(echantillons, chemin))
        return true;
    std::fprintf(stderr, "generateur: cannot write %s\n", chemin.c_str());
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generateur FOLDER\n");
        return 2;
    }
    std::string dossier = argv[1];
    std::vector<std::string> orphelins;
    std::vector<Commande> commandes = Commandes(&orphelins);
    for (const Commande &c : commandes)
        if ((c.sujet == SUJET_PION || c.sujet == SUJET_TRAME) && c.numero >= int(std::size(jeux_pions)))
            orphelins.push_back(c.nom);
    std::vector<SonGenere> sons = SonsDuJeu(&orphelins);
    for (const std::string &nom : orphelins)
        std::fprintf(stderr, "generateur: the tables name %s, and nothing here makes it\n", nom.c_str());
    if (!orphelins.empty())
        return 1;
    Fonds fonds = {TexturePlateau(), TextureCote()};
    for (const Commande &c : commandes)
        if (!Ecrit(dossier, c.nom, Dessine(c, fonds)))
            return 1;
    for (const SonGenere &son : sons)
        if (!EcritSon(dossier, son.nom, son.echantillons))
            return 1;
    return EcritListe(dossier, commandes) ? 0 : 1;
}
