// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: the weight tables, each strength's choice and its
// tie rule, and the move it plays.
#include <cstring>

#include <gtest/gtest.h>

#include "jeu/ordinateur.h"
#include "outils_jeu.h"

namespace {

TEST(Poids, TablesParTaille) {
    for (int taille : {6, 8, 10, 12}) {
        Partie partie = PartieTest(taille);
        ChargePoids(partie);
        int h = taille / 2, bord = taille - 1;
        for (int x = 0; x < taille; x++) {
            for (int y = 0; y < taille; y++) {
                EXPECT_GE(poids[x][y], -2);
                EXPECT_EQ(poids[x][y], poids[bord - x][y]) << taille << ": " << x << "," << y;
                EXPECT_EQ(poids[x][y], poids[x][bord - y]) << taille << ": " << x << "," << y;
            }
        }
        for (int x : {h - 1, h})
            for (int y : {h - 1, h})
                EXPECT_EQ(poids[x][y], -2) << "centre of " << taille;
        EXPECT_EQ(poids[0][0], 500);
        EXPECT_EQ(poids[bord][bord], 500);
    }
    ChargePoids(PartieTest(10));
    EXPECT_EQ(poids[2][0], 60);
    EXPECT_EQ(poids[0][2], 50);
    EXPECT_EQ(poids[7][9], 60) << "mirror of (2, 0)";
    ChargePoids(PartieTest(8));
    EXPECT_EQ(poids[2][2], 75);
    EXPECT_EQ(poids[1][2], 15);
    EXPECT_EQ(poids[6][5], 15) << "mirror of (1, 2)";
    ChargePoids(PartieTest(12));
    EXPECT_EQ(poids[3][3], 5);
    EXPECT_EQ(poids[4][4], 70);
}

// Grids as a scan would leave them, with only the listed cells legal.
struct CaseNotee {
    int x, y, retournes, surs, poids;
};

Partie GrillesNotees(int niveau, std::initializer_list<CaseNotee> cases) {
    Partie partie = PartieTest(8, 0, 0, niveau, niveau);
    memset(nb_retournes, 0, sizeof nb_retournes);
    memset(retournes_surs, 0, sizeof retournes_surs);
    for (int x = 0; x < 8; x++)
        for (int y = 0; y < 8; y++)
            poids[x][y] = 0;
    for (const CaseNotee &c : cases) {
        nb_retournes[c.x][c.y] = c.retournes;
        retournes_surs[c.x][c.y] = c.surs;
        poids[c.x][c.y] = c.poids;
    }
    return partie;
}

TEST(Choix, Niveau1PrendLePlusDeRetournementsLePlusTardif) {
    Partie partie = GrillesNotees(1, {{1, 1, 2, 9, 9}, {2, 5, 3, 0, 0}, {4, 1, 3, 0, 0}, {4, 0, 1, 500, 500}});
    PointCoup choix;
    EXPECT_EQ(TiragesPendant([&] { choix = ChoisitCase(partie); }), 0) << "strength 1 never draws";
    EXPECT_EQ(choix.x, 4);
    EXPECT_EQ(choix.y, 1);
    GrillesNotees(1, {{3, 6, 1, 0, 0}});
    choix = ChoisitCase(partie);
    EXPECT_EQ(choix.x, 3) << "a single legal cell is played";
    EXPECT_EQ(choix.y, 6);
    GrillesNotees(1, {});
    EXPECT_EQ(ChoisitCase(partie).x, -1);
}

TEST(Choix, Niveau2SursPuisPileOuFace) {
    Partie partie = GrillesNotees(2, {{0, 1, 5, 0, 0}, {1, 0, 1, 3, 0}, {5, 5, 9, 2, 0}});
    PointCoup choix;
    EXPECT_EQ(TiragesPendant([&] { choix = ChoisitCase(partie); }), 0) << "no tie, no draw";
    EXPECT_EQ(choix.x, 1);
    EXPECT_EQ(choix.y, 0);
    // Only cells next to corners: every score is 0, and each later cell is a tie.
    GrillesNotees(2, {{1, 0, 2, 0, 5}, {0, 1, 1, 0, 5}, {6, 7, 3, 0, 5}, {7, 6, 1, 0, 5}});
    bool vus[8][8] = {};
    for (unsigned graine = 1; graine <= 40; graine++) {
        srand(graine);
        choix = ChoisitCase(partie);
        ASSERT_GE(choix.x, 0);
        ASSERT_GT(nb_retournes[choix.x][choix.y], 0);
        vus[choix.x][choix.y] = true;
    }
    EXPECT_TRUE(vus[0][1] && vus[1][0] && vus[6][7] && vus[7][6]) << "coin flips reach every tied cell";
    EXPECT_EQ(TiragesPendant([&] { ChoisitCase(partie); }), 3);
}

TEST(Choix, Niveau3SursEtPosition) {
    // A corner neighbour is met first; the corner beats it on both values.
    Partie partie = GrillesNotees(3, {{6, 7, 4, 0, 5}, {7, 7, 1, 500, 500}});
    PointCoup choix;
    EXPECT_EQ(TiragesPendant([&] { choix = ChoisitCase(partie); }), 0);
    EXPECT_EQ(choix.x, 7);
    EXPECT_EQ(choix.y, 7);
    GrillesNotees(3, {{0, 0, 1, 500, 500}, {0, 1, 6, 0, 5}, {1, 1, 8, 0, 5}});
    choix = ChoisitCase(partie);
    EXPECT_EQ(choix.x, 0);
    EXPECT_EQ(choix.y, 0);
    // Better on one value and worse on the other never replaces the candidate.
    GrillesNotees(3, {{2, 2, 1, 5, 50}, {3, 3, 1, 10, 20}, {4, 4, 1, 1, 70}});
    EXPECT_EQ(TiragesPendant([&] { choix = ChoisitCase(partie); }), 0);
    EXPECT_EQ(choix.x, 2);
    // Equal on both values: a coin flip, and only then.
    GrillesNotees(3, {{2, 2, 1, 5, 50}, {3, 3, 4, 5, 50}});
    EXPECT_EQ(TiragesPendant([&] { ChoisitCase(partie); }), 1);
    bool vus[8][8] = {};
    for (unsigned graine = 1; graine <= 20; graine++) {
        srand(graine);
        choix = ChoisitCase(partie);
        vus[choix.x][choix.y] = true;
    }
    EXPECT_TRUE(vus[2][2] && vus[3][3]);
}

TEST(CoupOrdinateur, JoueLaCaseChoisieSansDonnerLeTrait) {
    for (int niveau = 1; niveau <= 3; niveau++) {
        Partie partie = PartieTest(8, 0, 0, niveau, niveau);
        partie.aide = 0;
        // Side -1 can take the corner (7, 7) or its neighbour (7, 6), two flips each.
        PlaceGrille({"........", "........", "........", "........", "....X...", ".....O..", "....XOO.", "........"});
        ASSERT_TRUE(ExploreCoups(partie));
        ASSERT_GT(nb_retournes[7][7], 0);
        Interface interface = {};
        interface.partie = &partie;
        VideSommeils();
        CoupOrdinateur(&interface, partie.coups);
        PointCoup joue = partie.coups[0];
        PointCoup c = CaseDuPoint(joue.x, joue.y, partie.origine);
        EXPECT_EQ(joue.x, PointPion(c.x, c.y, partie.origine).x) << "the pawn point is stored";
        EXPECT_EQ(plateau[c.x][c.y], -1);
        EXPECT_EQ(partie.joueur, -1) << "the turn flow changes sides, not the computer";
        if (niveau != 2) {
            EXPECT_EQ(c.x, 7);
            EXPECT_EQ(c.y, 7);
            EXPECT_EQ(plateau[6][6], -1);
            EXPECT_EQ(plateau[5][5], -1);
        }
        EXPECT_EQ(static_cast<int>(Sommeils().size()), 5 * NbPionsRetournes(partie.coups));
    }
}

}  // namespace
