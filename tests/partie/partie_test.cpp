// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games driven through the real main loop: people at the board with
// passes, refusals, help and undo; computers on every board size; names
// typed on the setup screen; and memory that stays flat from game to game.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "banc_partie.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/texte.h"
#include "memoire.h"

using namespace banc_partie;

namespace {

struct Coup {
    int x, y, cote;
};

// A 6 x 6 game between two people in which side +1 has to pass after the
// thirteenth move and side +1 wins by 26 pawns to 10 on a full board.
const Coup partie_6x6[] = {{1, 2, -1}, {1, 3, 1},  {2, 4, -1}, {1, 1, 1},  {0, 1, -1}, {1, 5, 1},  {3, 4, -1},
                           {4, 4, 1},  {3, 5, -1}, {4, 2, 1},  {0, 2, -1}, {1, 4, 1},  {4, 5, -1}, {5, 4, -1},
                           {5, 5, 1},  {5, 3, -1}, {5, 2, 1},  {3, 1, -1}, {4, 3, 1},  {2, 1, -1}, {0, 0, 1},
                           {0, 5, -1}, {2, 5, 1},  {4, 1, -1}, {4, 0, 1},  {0, 3, -1}, {1, 0, 1},  {5, 0, -1},
                           {0, 4, 1},  {3, 0, -1}, {5, 1, 1},  {2, 0, -1}};
const int coup_avant_passe = 12;

// The message area of the side panel holds a text when black pixels show in it.
int NoirDansMessages() {
    return CompteCouleur(application.fenetre, 625, 305, 775, 410, noir);
}

std::vector<int> Plateau() {
    std::vector<int> cases;
    for (int x = 0; x < TAILLE_MAX; x++)
        for (int y = 0; y < TAILLE_MAX; y++)
            cases.push_back(plateau[x][y]);
    return cases;
}

// The inside of cell (x, y), where a marker shows.
std::vector<uint32_t> Case(int x, int y) {
    int coin = application.partie.origine;
    return Pixels(application.fenetre, coin + 50 * x + 2, coin + 50 * y + 2, coin + 50 * x + 48, coin + 50 * y + 48);
}

bool BoutonAideAllume() {
    Couleur face = application.interface.controles[SLOT_AIDE].bouton->couleurFond;
    return Valeur(face) == Valeur(jaune);
}

std::string Resultat(const char *premier, const char *second) {
    int a = Pions(-1), b = Pions(1);
    if (a == b)
        return "Match null";
    return std::string(a > b ? premier : second) + " a gagne";
}

// Replaces the contents of a name field by typing, as a player does.
void TapeNom(int x, const char *nom) {
    Clique(x, 242);
    PfInjecteTouche(application.fenetre->hwnd, 0x23);  // End: the press put the cursor mid-text
    for (int i = 0; i < 10; i++)
        PfInjecteTouche(application.fenetre->hwnd, 0x08);
    PfInjecteTexte(application.fenetre->hwnd, nom);
    PfInjecteTouche(application.fenetre->hwnd, 0x0D);
    Traite();
}

long VmRSS() {
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::stol(ligne.substr(6));
    return -1;
}

}  // namespace

class Partie6x6 : public Programme {};

TEST_F(Partie6x6, DeuxPersonnesJouentJusquAuBoutAvecUnePasseUneAnnulationEtLAide) {
    Garde garde;
    ChoisitTaille(6);
    Lance();
    ASSERT_EQ(partie().joueur, -1);
    EXPECT_TRUE(BoutonAideAllume());

    // Help: the first move's cell shows a marker that goes and comes back with
    // the button; an empty cell that is no move stays bare throughout.
    std::vector<uint32_t> marquee = Case(1, 2), vide = Case(0, 0);
    CliqueEtTraite(X_COMMANDES, Y_AIDE);
    EXPECT_FALSE(BoutonAideAllume());
    EXPECT_NE(Case(1, 2), marquee);
    EXPECT_EQ(Case(0, 0), vide);
    CliqueEtTraite(X_COMMANDES, Y_AIDE);
    EXPECT_TRUE(BoutonAideAllume());
    EXPECT_EQ(Case(1, 2), marquee);
    EXPECT_EQ(partie().joueur, -1);

    // A press on an occupied cell is refused with a message and changes nothing.
    std::vector<int> depart = Plateau();
    JoueCase(2, 2);
    EXPECT_EQ(Plateau(), depart);
    EXPECT_EQ(partie().joueur, -1);
    EXPECT_GT(NoirDansMessages(), 0);

    for (int i = 0; i < static_cast<int>(sizeof partie_6x6 / sizeof partie_6x6[0]); i++) {
        const Coup &coup = partie_6x6[i];
        ASSERT_EQ(partie().joueur, coup.cote) << "move " << i;
        if (i == 1) {
            // The undo gives the flipped pawn back and the turn to its mover;
            // a second undo in a row is refused.
            std::vector<int> avant = Plateau();
            CliqueEtTraite(X_COMMANDES, Y_ANNULER);
            EXPECT_EQ(Plateau(), depart);
            EXPECT_EQ(partie().joueur, -1);
            EXPECT_EQ(partie().score[0], 2);
            CliqueEtTraite(X_COMMANDES, Y_ANNULER);
            EXPECT_EQ(Plateau(), depart);
            EXPECT_GT(NoirDansMessages(), 0);
            JoueCase(partie_6x6[0].x, partie_6x6[0].y);
            EXPECT_EQ(Plateau(), avant);
        }
        JoueCase(coup.x, coup.y);
        ASSERT_EQ(plateau[coup.x][coup.y], coup.cote) << "move " << i;
        if (i + 1 == static_cast<int>(sizeof partie_6x6 / sizeof partie_6x6[0]))
            break;
        // The pass notice is still up when the turn has come back to the mover.
        if (i == coup_avant_passe)
            EXPECT_GT(NoirDansMessages(), 0);
        else
            EXPECT_EQ(NoirDansMessages(), 0) << "move " << i;
        EXPECT_EQ(partie().score[0], Pions(-1));
        EXPECT_EQ(partie().score[2], Pions(1));
    }

    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(Pions(-1), 10);
    EXPECT_EQ(Pions(1), 26);
    EXPECT_EQ(boites[0], BoiteAttendue("Joueur 2 a gagne"));
    // "Continue" leads back to the setup screen, with the game's choices.
    EXPECT_EQ(fenetre()->nbArdoises, 0);
    EXPECT_EQ(fenetre()->nbBoutons, 22);
    Couleur face = application.interface.controles[SLOT_TAILLE_6].bouton->couleurFond;
    EXPECT_EQ(Valeur(face), Valeur(jaune));
}

class Ordinateurs : public Programme, public ::testing::WithParamInterface<int> {};

TEST_P(Ordinateurs, JouentLaPartieEntiereAvantQueLaBoucleNAttende) {
    Garde garde(240);
    int taille = GetParam();
    ChoisitJoueur(-1, (taille / 2 - 3) % 3 + 1);  // strengths 1, 2, 3, then 1 again
    ChoisitJoueur(1, 3);
    ChoisitTaille(taille);
    Lance();
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0], BoiteAttendue(Resultat("Joueur 1", "Joueur 2").c_str()));
    // It ended because neither side could move (a wipe-out can end it early).
    Partie fin = partie();
    fin.aide = 0;
    for (int cote = -1; cote <= 1; cote += 2) {
        fin.joueur = cote;
        EXPECT_FALSE(ExploreCoups(fin)) << "side " << cote << " still had a move";
    }
    EXPECT_EQ(fenetre()->nbArdoises, 0);
    EXPECT_EQ(fenetre()->nbBoutons, 22);
}

INSTANTIATE_TEST_SUITE_P(TaillesDePlateau, Ordinateurs, ::testing::Values(6, 8, 10, 12));

class PartieMixte : public Programme {};

TEST_F(PartieMixte, LOrdinateurEnPremierJoueAvantLaPremiereAttente) {
    Garde garde;
    ChoisitJoueur(-1, 2);
    Lance();
    EXPECT_EQ(Pions(-1) + Pions(1), 5);
    EXPECT_EQ(partie().joueur, 1);
    // A press on the carpet outside the board changes nothing.
    std::vector<int> avant = Plateau();
    CliqueEtTraite(30, 30);
    EXPECT_EQ(Plateau(), avant);
    EXPECT_EQ(NoirDansMessages(), 0);
    // Against the computer the undo is refused.
    CliqueEtTraite(X_COMMANDES, Y_ANNULER);
    EXPECT_EQ(Plateau(), avant);
    EXPECT_GT(NoirDansMessages(), 0);
}

TEST_F(PartieMixte, QuitterRevientAuxReglagesEtJouerRepartDeZero) {
    Garde garde;
    Lance();
    JoueCase(3, 2);
    EXPECT_EQ(Pions(-1) + Pions(1), 5);
    CliqueEtTraite(X_COMMANDES, Y_QUITTER_JEU);
    EXPECT_EQ(fenetre()->nbArdoises, 0);
    EXPECT_EQ(fenetre()->nbBoutons, 22);
    Lance();
    EXPECT_EQ(Pions(-1), 2);
    EXPECT_EQ(Pions(1), 2);
    EXPECT_EQ(partie().joueur, -1);
}

TEST_F(PartieMixte, LesNomsTapesSontCeuxDuJeuEtDuResultat) {
    Garde garde(120);
    TapeNom(X_GAUCHE, "Alice");
    TapeNom(X_DROITE, "Bob");
    Lance();
    EXPECT_STREQ(partie().nom[0], "Alice");
    EXPECT_STREQ(partie().nom[2], "Bob");
    // The name under the side panel's texture, as a fresh panel shows it.
    Fenetre *essai = CreeFenetre(0, 0, 800, 600, "", 120, 202, 187, &application.ecran);
    CreeFrame(600, 0, 800, 600, fichiers_images[PIXMAP_COTE + 1], bleu_clair, essai);
    EcritTexteDansRectangle(610, 35, 700, 60, "Alice", police_jeu, noir, essai);
    EXPECT_EQ(Pixels(fenetre(), 610, 35, 700, 59), Pixels(essai, 610, 35, 700, 59));
    DetruitFenetre(essai, &application.ecran);

    CliqueEtTraite(X_COMMANDES, Y_QUITTER_JEU);
    char *nom = CopieTexte(application.interface.controles[SLOT_NOM_1].texte);
    EXPECT_STREQ(nom, "Alice");
    free(nom);
    ChoisitJoueur(-1, 1);
    ChoisitJoueur(1, 1);
    ChoisitTaille(6);
    Lance();
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0], BoiteAttendue(Resultat("Alice", "Bob").c_str()));
}

TEST_F(PartieMixte, LaMemoireResteStableDePartieEnPartie) {
    Garde garde(600);
    size_t apres_une = 0;
    long rss_une = 0;
    for (int cycle = 1; cycle <= 200; cycle++) {
        Lance();
        JoueCase(3, 2);
        CliqueEtTraite(X_COMMANDES, Y_QUITTER_JEU);
        if (cycle == 1) {
            apres_une = OctetsAlloues();
            rss_une = VmRSS();
        }
    }
    std::cout << "heap after 1 cycle: " << apres_une << " bytes, after 200: " << OctetsAlloues() << " bytes; VmRSS "
              << rss_une << " kB, then " << VmRSS() << " kB\n";
    EXPECT_LT(OctetsAlloues(), apres_une + 2 * 1024 * 1024);
}
