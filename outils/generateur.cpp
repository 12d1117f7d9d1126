// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every bitmap file of the game and of its toolkit, and synthesises
// the game's sounds, into one folder:
//   generateur FOLDER
// The files depend on nothing but this code, so every build makes the same ones.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bmp.h"
#include "decor.h"
#include "jouets.h"
#include "pions.h"
#include "sons.h"
#include "textures.h"
#include "wav.h"

namespace {

// How far the face of a turning pawn is open in the frames before and after
// the edge-on one: frames 1 and 5 nearly open, frames 2 and 4 nearly shut.
const double OUVERTURE_LARGE = 0.72, OUVERTURE_ETROITE = 0.36;

bool Ecrit(const std::string &dossier, const std::string &nom, const Toile &t) {
    if (EcritBmp(t, dossier + "/" + nom))
        return true;
    std::fprintf(stderr, "generateur: cannot write %s/%s\n", dossier.c_str(), nom.c_str());
    return false;
}

// The whole pawn and the four frames of one set: 1 and 2 turn away, 3 and 4 turn into view.
bool EcritJeu(const std::string &dossier, const Toile &plateau, const JeuPions &jeu) {
    std::string p = jeu.prefixe;
    return Ecrit(dossier, p + ".bmp", PionEntier(plateau, jeu.dessine)) &&
           Ecrit(dossier, p + "1.bmp", PionTournant(plateau, jeu.dessine, OUVERTURE_LARGE, -1)) &&
           Ecrit(dossier, p + "2.bmp", PionTournant(plateau, jeu.dessine, OUVERTURE_ETROITE, -1)) &&
           Ecrit(dossier, p + "3.bmp", PionTournant(plateau, jeu.dessine, OUVERTURE_ETROITE, 1)) &&
           Ecrit(dossier, p + "4.bmp", PionTournant(plateau, jeu.dessine, OUVERTURE_LARGE, 1));
}

bool EcritIcones(const std::string &dossier) {
    std::error_code erreur;
    std::filesystem::create_directories(dossier + "/icones", erreur);
    if (erreur) {
        std::fprintf(stderr, "generateur: cannot create %s/icones\n", dossier.c_str());
        return false;
    }
    return Ecrit(dossier, "icones/haut.bmp", IconeFleche(0, -1)) &&
           Ecrit(dossier, "icones/bas.bmp", IconeFleche(0, 1)) &&
           Ecrit(dossier, "icones/gauche.bmp", IconeFleche(-1, 0)) &&
           Ecrit(dossier, "icones/droite.bmp", IconeFleche(1, 0));
}

bool EcritSons(const std::string &dossier) {
    for (const SonGenere &son : sons_generes) {
        if (!EcritWav(son.synthetise(), dossier + "/" + son.nom)) {
            std::fprintf(stderr, "generateur: cannot write %s/%s\n", dossier.c_str(), son.nom);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generateur FOLDER\n");
        return 2;
    }
    std::string dossier = argv[1];
    Toile plateau = TexturePlateau(), cote = TextureCote();
    bool ok = Ecrit(dossier, "plateau.bmp", plateau) && Ecrit(dossier, "cote.bmp", cote) &&
              Ecrit(dossier, "moquette.bmp", TextureMoquette()) && Ecrit(dossier, "frame1.bmp", TextureCadre(1)) &&
              Ecrit(dossier, "frame2.bmp", TextureCadre(2)) && Ecrit(dossier, "frame3.bmp", TextureCadre(3)) &&
              Ecrit(dossier, "fleche.bmp", ImageFleche(cote)) && Ecrit(dossier, "pion3.bmp", PionTranche(plateau)) &&
              Ecrit(dossier, "aide.bmp", MarqueAide(plateau)) &&
              Ecrit(dossier, "prop.bmp", MarqueProposition(plateau)) && Ecrit(dossier, "fond.bmp", ImageFond()) &&
              EcritIcones(dossier) && EcritSons(dossier);
    for (const JeuPions &jeu : jeux_pions)
        ok = ok && EcritJeu(dossier, plateau, jeu);
    return ok ? 0 : 1;
}
