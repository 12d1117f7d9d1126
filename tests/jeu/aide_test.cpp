// SPDX-License-Identifier: GPL-3.0-or-later
// Hints and undo: the markers a scan draws and clears, the one suggested
// move, the help switch, and taking back the last move or refusing to.
#include <cstring>

#include <gtest/gtest.h>

#include "jeu/aide.h"
#include "jeu/coup.h"
#include "jeu/ordinateur.h"
#include "jeu/tables.h"
#include "outils_jeu.h"
#include "pixels.h"

namespace {

// What a cell shows, read inside the marker rectangle.
uint32_t Vue(int x, int y, const Partie &partie) {
    PointCoup p = PointPion(x, y, partie.origine);
    return Pixel(p.x + 20, p.y + 20);
}

void NoircitPlateau(const Partie &partie) {
    int o = partie.origine, fin = o + 50 * partie.taille;
    RemplitRectangle(o, o, fin, fin, noir, FenetreJeu());
}

struct Bilan {
    int aide, prop, plateauNu, autres;
};

// Sorts the empty cells by what they show; with `marques`, legal cells must
// show a marker.
Bilan Inventaire(const Partie &partie, bool marques = true) {
    Bilan bilan = {0, 0, 0, 0};
    for (int x = 0; x < partie.taille; x++) {
        for (int y = 0; y < partie.taille; y++) {
            if (plateau[x][y] != 0)
                continue;
            uint32_t vue = Vue(x, y, partie);
            if (vue == RVB_AIDE)
                bilan.aide++;
            else if (vue == RVB_PROP)
                bilan.prop++;
            else if (vue == RVB_PLATEAU)
                bilan.plateauNu++;
            else
                bilan.autres++;
            if (marques && nb_retournes[x][y] != 0) {
                EXPECT_TRUE(vue == RVB_AIDE || vue == RVB_PROP) << x << "," << y;
            }
        }
    }
    return bilan;
}

int Legaux(int taille) {
    int n = 0;
    for (int x = 0; x < taille; x++)
        for (int y = 0; y < taille; y++)
            n += nb_retournes[x][y] != 0;
    return n;
}

TEST(Indices, MarquesEtSuggestionAuDepart) {
    Partie partie = PartieTest(8);
    NoircitPlateau(partie);
    ExploreCoups(partie);
    Bilan bilan = Inventaire(partie);
    EXPECT_EQ(bilan.aide, 3);
    EXPECT_EQ(bilan.prop, 1);
    EXPECT_EQ(bilan.plateauNu, 56);
    // Four moves alike in flips and weight: the last one visited is suggested.
    EXPECT_EQ(Vue(5, 4, partie), RVB_PROP);
    EXPECT_EQ(Vue(3, 3, partie), 0u) << "occupied cells are left alone";
}

TEST(Indices, UneSeuleSuggestionApresChaqueCoup) {
    Partie partie = PartieTest(10);
    for (int x : {4, 5})
        for (int y : {4, 5}) {
            partie.joueur = plateau[x][y];
            PointCoup coin = CoinCase(x, y, partie.origine);
            PosePion(POSE_PION, partie, coin.x, coin.y);
        }
    partie.joueur = -1;
    for (int coup = 0; coup < 24; coup++) {
        ASSERT_TRUE(ExploreCoups(partie)) << "no pass happens this early";
        Bilan bilan = Inventaire(partie);
        EXPECT_EQ(bilan.prop, 1) << "move " << coup;
        EXPECT_EQ(bilan.aide, Legaux(10) - 1) << "move " << coup;
        EXPECT_EQ(bilan.autres, 0) << "move " << coup;
        PointCoup choix = ChoisitCase(partie);
        PointCoup p = PointPion(choix.x, choix.y, partie.origine);
        ASSERT_EQ(ValideClic(partie, p.x, p.y, partie.coups), 1);
        partie.coups[0] = p;
        JoueCoup(&partie);
        partie.joueur = -partie.joueur;
    }
    for (int x = 0; x < 10; x++)
        for (int y = 0; y < 10; y++)
            if (plateau[x][y] != 0) {
                EXPECT_EQ(Vue(x, y, partie), plateau[x][y] < 0 ? RVB_PION_1 : RVB_PION_2);
            }
}

TEST(Indices, RienPourLOrdinateur) {
    Partie partie = PartieTest(8, 1, 0, 0, 2);
    // (2, 2) is legal for both sides, (5, 0) for side -1 only.
    PlaceGrille({"......OX", "........", "XO......", "..X.....", "..O....."});
    NoircitPlateau(partie);
    ExploreCoups(partie);
    ASSERT_GT(nb_retournes[2][2], 0);
    ASSERT_GT(nb_retournes[5][0], 0);
    uint32_t avant = Vue(2, 2, partie);
    partie.joueur = 1;
    ExploreCoups(partie);
    ASSERT_GT(nb_retournes[2][2], 0);
    EXPECT_EQ(Vue(2, 2, partie), avant) << "a marker on a cell legal for the computer stays";
    EXPECT_EQ(Vue(5, 0, partie), RVB_PLATEAU) << "a stale marker is cleared";
    Bilan bilan = Inventaire(partie, false);
    EXPECT_EQ(bilan.aide + bilan.prop, 1);
}

TEST(Indices, LaSuggestionDeLaDerniereRangeeArriveALEcran) {
    Partie partie = PartieTest(12);
    // (0, 11) is side -1's only move: its marker's rectangles reach past the window.
    PlaceGrille({"", "", "", "", "", "", "", "", "", "X", "O"});
    ExploreCoups(partie);
    ASSERT_GT(nb_retournes[0][11], 0);
    PointCoup p = PointPion(0, 11, partie.origine);
    for (int dy : {20, 42}) {
        EXPECT_EQ(Pixel(p.x + 20, p.y + dy), RVB_PROP);
        EXPECT_EQ(PixelEcran(FenetreJeu(), p.x + 20, p.y + dy), RVB_PROP) << "row " << p.y + dy << " on the screen";
    }
}

TEST(Indices, InterrupteurDeLAide) {
    Partie partie = PartieTest(8);
    ExploreCoups(partie);
    InverseAide(&partie);
    EXPECT_EQ(partie.aide, 0);
    Bilan bilan = Inventaire(partie, false);
    EXPECT_EQ(bilan.plateauNu, 60) << "every marker cleared at once";
    ExploreCoups(partie);
    EXPECT_EQ(Inventaire(partie, false).plateauNu, 60) << "no markers while help is off";
    InverseAide(&partie);
    EXPECT_EQ(partie.aide, 1);
    bilan = Inventaire(partie);
    EXPECT_EQ(bilan.aide, 3);
    EXPECT_EQ(bilan.prop, 1);
    partie.humain[0] = 0;
    InverseAide(&partie);
    InverseAide(&partie);
    EXPECT_EQ(Inventaire(partie, false).plateauNu, 60) << "turning help on shows nothing for the computer";
}

int tour_indique;
void NoteTour(int cote, Partie) {
    tour_indique = cote;
}

struct Etat {
    int plateau[TAILLE_MAX][TAILLE_MAX];
    int joueur, score1, score2;
};

Etat Photo(const Partie &partie) {
    Etat etat;
    memcpy(etat.plateau, plateau, sizeof etat.plateau);
    etat.joueur = partie.joueur;
    etat.score1 = partie.score[0];
    etat.score2 = partie.score[2];
    return etat;
}

void ExpectMemeEtat(const Etat &a, const Etat &b) {
    EXPECT_EQ(memcmp(a.plateau, b.plateau, sizeof a.plateau), 0) << "board";
    EXPECT_EQ(a.joueur, b.joueur);
    EXPECT_EQ(a.score1, b.score1);
    EXPECT_EQ(a.score2, b.score2);
}

// Plays a move at the cell and hands the turn over as the turn flow does,
// coming back to the mover when the other side must pass.
void JoueEtPasse(Partie *partie, int x, int y) {
    ExploreCoups(*partie);
    PointCoup p = PointPion(x, y, partie->origine);
    ASSERT_EQ(ValideClic(*partie, p.x, p.y, partie->coups), 1);
    partie->coups[0] = p;
    JoueCoup(partie);
    ComptePions(partie);
    partie->joueur = -partie->joueur;
    if (!ExploreCoups(*partie)) {
        partie->joueur = -partie->joueur;
        ExploreCoups(*partie);
    }
}

bool MessageAffiche() {
    for (int y = 330; y <= 400; y++)
        for (int x = 640; x <= 760; x++)
            if (Pixel(x, y) != RVB_COTE)
                return true;
    return false;
}

class Annulation : public ::testing::Test {
protected:
    void SetUp() override {
        indique_tour = NoteTour;
        tour_indique = 0;
    }
    void TearDown() override {
        indique_tour = nullptr;
    }

    // The undo must refuse and change nothing.
    void ExpectRefus(Partie *partie) {
        Etat avant = Photo(*partie);
        EffaceMessages(FenetreJeu());
        EXPECT_EQ(AnnuleCoup(partie, 16), 1);
        EXPECT_TRUE(MessageAffiche());
        ExpectMemeEtat(avant, Photo(*partie));
        EXPECT_EQ(tour_indique, 0);
    }
};

TEST_F(Annulation, RendLaPositionEtLeTrait) {
    Partie partie = PartieTest(8);
    ComptePions(&partie);
    Etat depart = Photo(partie);
    JoueEtPasse(&partie, 2, 3);
    EXPECT_EQ(partie.score[0], 4);
    EXPECT_EQ(AnnuleCoup(&partie, 16), 1);
    ExpectMemeEtat(depart, Photo(partie));
    EXPECT_EQ(tour_indique, -1);
    EXPECT_EQ(Vue(3, 3, partie), RVB_PION_2) << "the flipped pawn is given back";
    PointCoup coin = CoinCase(2, 3, partie.origine);
    EXPECT_EQ(Pixel(coin.x + 49, coin.y + 25), RVB_PLATEAU) << "the played pawn is wiped out";
    EXPECT_EQ(Vue(2, 3, partie), RVB_AIDE) << "and the cell is a hint again";
    for (const auto &p : partie.coups)
        ASSERT_EQ(p.x, -1);
    Bilan bilan = Inventaire(partie);
    EXPECT_EQ(bilan.aide + bilan.prop, 4) << "the scan for the mover is redrawn";
    tour_indique = 0;
    ExpectRefus(&partie);
}

TEST_F(Annulation, ApresUnPasse) {
    Partie partie = PartieTest(8);
    PlaceGrille({"XO......", ".....OXX"});
    ComptePions(&partie);
    Etat avant = Photo(partie);
    JoueEtPasse(&partie, 2, 0);
    ASSERT_EQ(partie.joueur, -1) << "side +1 had to pass";
    AnnuleCoup(&partie, 16);
    ExpectMemeEtat(avant, Photo(partie));
    EXPECT_EQ(plateau[1][0], 1);
    EXPECT_EQ(tour_indique, -1);
}

TEST_F(Annulation, RefusDansChaqueCas) {
    Partie partie = PartieTest(8);
    ComptePions(&partie);
    ExpectRefus(&partie);  // before any move

    for (int ordinateur = 0; ordinateur < 2; ordinateur++) {
        Partie contre = PartieTest(8, 1, 1);
        ComptePions(&contre);
        contre.humain[2 * ordinateur] = 0;
        contre.niveau[2 * ordinateur] = 1;
        JoueEtPasse(&contre, 2, 3);
        ExpectRefus(&contre);  // a computer side in the game
    }

    Partie refusee = PartieTest(8);
    ComptePions(&refusee);
    JoueEtPasse(&refusee, 2, 3);
    PointCoup occupee = PointPion(3, 3, refusee.origine);
    ASSERT_EQ(ValideClic(refusee, occupee.x, occupee.y, refusee.coups), 0);
    ExpectRefus(&refusee);  // after a refused click
}

}  // namespace
