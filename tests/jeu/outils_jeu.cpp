// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils_jeu.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "jeu/ordinateur.h"
#include "jeu/tables.h"

namespace {

Ecran ecran_test;
Fenetre *fenetre_test;
std::vector<int> sommeils;

Pixmap *PixmapUnie(uint32_t rvb) {
    Surface *surface = nullptr;
    if (plateforme.CreeSurface(fenetre_test->directDraw, 50, 50, &surface) != 0)
        return nullptr;
    AccesPixels acces;
    if (plateforme.Accede(surface, &acces) == 0) {
        for (int y = 0; y < acces.hauteur; y++)
            for (int x = 0; x < acces.largeur; x++)
                acces.pixels[y * acces.pas + x] = rvb;
        plateforme.Relache(surface);
    }
    return surface;
}

Pixmap *images_test[3][6];

// Opens the window once for the whole program and makes sure no test sleeps.
class EnvironnementJeu : public ::testing::Environment {
public:
    void SetUp() override {
        sommeil = [](int ms) { sommeils.push_back(ms); };
        InitialiseEcran(&ecran_test);
        fenetre_test = CreeFenetre(0, 0, 800, 600, "Flipora", 120, 202, 187, &ecran_test);
        ASSERT_NE(fenetre_test, nullptr);
        police_jeu = OuvrePolice("lucidasans-18", 20, fenetre_test);
        violet = AlloueCouleur(100, 0, 100, fenetre_test);
        bleu_clair = AlloueCouleur(49, 138, 183, fenetre_test);
        noir = AlloueCouleur(0, 0, 0, fenetre_test);
        blanc = AlloueCouleur(255, 255, 255, fenetre_test);
        pixmaps_jeu[PIXMAP_PLATEAU] = PixmapUnie(RVB_PLATEAU);
        pixmaps_jeu[PIXMAP_COTE] = PixmapUnie(RVB_COTE);
        pixmaps_jeu[PIXMAP_PROP] = PixmapUnie(RVB_PROP);
        images_test[1][0] = PixmapUnie(RVB_AIDE);
        images_test[0][0] = PixmapUnie(RVB_PION_1);
        images_test[2][0] = PixmapUnie(RVB_PION_2);
        for (int s = 0; s < 3; s += 2)
            for (int f = 1; f <= 5; f++)
                images_test[s][f] = PixmapUnie(RVB_TRAME + 16 * f + s + 1);
    }
};

const auto *environnement = ::testing::AddGlobalTestEnvironment(new EnvironnementJeu);

}  // namespace

Fenetre *FenetreJeu() {
    return fenetre_test;
}

std::vector<int> &Sommeils() {
    return sommeils;
}

void VideSommeils() {
    sommeils.clear();
}

Partie PartieTest(int taille, int humain1, int humain2, int niveau1, int niveau2) {
    Partie partie;
    memset(&partie, 0, sizeof partie);
    partie.joueur = -1;
    partie.score[0] = partie.score[2] = 2;
    partie.humain[0] = humain1;
    partie.humain[2] = humain2;
    partie.niveau[0] = niveau1;
    partie.niveau[2] = niveau2;
    for (int s = 0; s < 3; s++)
        for (int f = 0; f < 6; f++)
            partie.images[s][f] = images_test[s][f];
    partie.jeu_pions[0] = 4;
    partie.jeu_pions[2] = 5;
    snprintf(partie.nom[0], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_1]);
    snprintf(partie.nom[2], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_2]);
    partie.taille = taille;
    partie.nb_joueurs = 2;
    partie.origine = Origine(taille);
    partie.fenetre = fenetre_test;
    partie.ecran = ecran_test;
    partie.aide = 1;
    VideListeCoups(partie.coups);
    memset(plateau, 0, sizeof plateau);
    memset(nb_retournes, 0, sizeof nb_retournes);
    memset(retournes_surs, 0, sizeof retournes_surs);
    int h = taille / 2;
    plateau[h - 1][h - 1] = plateau[h][h] = 1;
    plateau[h - 1][h] = plateau[h][h - 1] = -1;
    ChargePoids(partie);
    return partie;
}

void PlaceGrille(std::initializer_list<const char *> lignes) {
    memset(plateau, 0, sizeof plateau);
    int y = 0;
    for (const char *ligne : lignes) {
        for (int x = 0; ligne[x] != '\0' && x < TAILLE_MAX; x++)
            plateau[x][y] = ligne[x] == 'X' ? -1 : ligne[x] == 'O' ? 1 : 0;
        y++;
    }
}

uint32_t Pixel(int x, int y) {
    AccesPixels acces;
    if (plateforme.Accede(fenetre_test->arrierePlan, &acces) != 0)
        return 0xFFFFFFFF;
    uint32_t valeur = acces.pixels[y * acces.pas + x] & 0xFFFFFF;
    plateforme.Relache(fenetre_test->arrierePlan);
    return valeur;
}

Comptes CompteCases(int taille) {
    Comptes comptes = {0, 0, 0};
    for (int x = 0; x < taille; x++) {
        for (int y = 0; y < taille; y++) {
            if (plateau[x][y] == -1)
                comptes.camp1++;
            else if (plateau[x][y] == 1)
                comptes.camp2++;
            else
                comptes.vides++;
        }
    }
    return comptes;
}

int Tirages(unsigned graine, int rand_suivant) {
    srand(graine);
    for (int n = 0; n < 100000; n++) {
        if (rand() == rand_suivant)
            return n;
    }
    return -1;
}
