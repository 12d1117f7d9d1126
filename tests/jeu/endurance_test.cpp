// SPDX-License-Identifier: GPL-3.0-or-later
// Self-play soak: computer against computer at every pair of strengths on
// every board size, each move checked against an independent statement of
// the rules.
#include <gtest/gtest.h>

#include "jeu/coup.h"
#include "jeu/ordinateur.h"
#include "outils_jeu.h"

namespace {

// Pawns side `joueur` would flip at (x, y), counted afresh from the board.
int Retourne(int x, int y, int joueur, int taille) {
    if (plateau[x][y] != 0)
        return 0;
    int total = 0;
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (dx == 0 && dy == 0)
                continue;
            int cx = x + dx, cy = y + dy, n = 0;
            while (SurPlateau(cx, cy, taille) && plateau[cx][cy] == -joueur)
                cx += dx, cy += dy, n++;
            if (SurPlateau(cx, cy, taille) && plateau[cx][cy] == joueur)
                total += n;
        }
    }
    return total;
}

bool PeutJouer(int joueur, int taille) {
    for (int x = 0; x < taille; x++)
        for (int y = 0; y < taille; y++)
            if (Retourne(x, y, joueur, taille) > 0)
                return true;
    return false;
}

void VerifieScan(int joueur, int taille) {
    for (int x = 0; x < taille; x++)
        for (int y = 0; y < taille; y++)
            ASSERT_EQ(nb_retournes[x][y], Retourne(x, y, joueur, taille)) << "cell " << x << "," << y;
}

// Plays one game through the engine's operations in the order the turn flow
// runs them; returns the number of moves.
int JouePartie(int taille, int niveau1, int niveau2) {
    Partie partie = PartieTest(taille, 0, 0, niveau1, niveau2);
    partie.aide = 0;
    Interface interface = {};
    interface.partie = &partie;
    bool peut = ExploreCoups(partie);
    int coups = 0;
    while (peut) {
        int joueur = partie.joueur;
        VerifieScan(joueur, taille);
        EXPECT_TRUE(PeutJouer(joueur, taille));
        Comptes avant = CompteCases(taille);
        VideSommeils();
        CoupOrdinateur(&interface, partie.coups);
        coups++;
        int k = NbPionsRetournes(partie.coups);
        EXPECT_GT(k, 0);
        EXPECT_EQ(Sommeils().size(), 5u * k);
        Comptes apres = CompteCases(taille);
        EXPECT_EQ(apres.camp1 + apres.vides + apres.camp2, taille * taille) << "only -1, 0 and +1 on the board";
        EXPECT_EQ(apres.vides, avant.vides - 1);
        EXPECT_EQ(joueur < 0 ? apres.camp1 - avant.camp1 : apres.camp2 - avant.camp2, k + 1);
        ComptePions(&partie);
        EXPECT_EQ(partie.score[0], apres.camp1);
        EXPECT_EQ(partie.score[2], apres.camp2);
        partie.joueur = -joueur;
        peut = ExploreCoups(partie);
        if (!peut) {
            EXPECT_FALSE(PeutJouer(-joueur, taille));
            partie.joueur = joueur;
            peut = ExploreCoups(partie);
        }
        if (::testing::Test::HasFailure())
            return coups;
    }
    EXPECT_FALSE(PeutJouer(-1, taille));
    EXPECT_FALSE(PeutJouer(1, taille));
    EXPECT_LE(coups, taille * taille - 4);
    return coups;
}

// Every pair of strengths on one board size.
int JoueSerie(int taille, int parties_par_paire) {
    int parties = 0;
    for (int niveau1 = 1; niveau1 <= 3; niveau1++) {
        for (int niveau2 = 1; niveau2 <= 3; niveau2++) {
            for (int n = 0; n < parties_par_paire; n++) {
                srand(1000 * taille + 100 * niveau1 + 10 * niveau2 + n);
                SCOPED_TRACE(::testing::Message() << taille << "x" << taille << ", strengths " << niveau1 << " and "
                                                  << niveau2 << ", game " << n);
                EXPECT_GT(JouePartie(taille, niveau1, niveau2), 0);
                parties++;
                if (::testing::Test::HasFailure())
                    return parties;
            }
        }
    }
    return parties;
}

// The larger boards cost more per game: fewer games there.
TEST(Endurance, Plateau6) {
    EXPECT_EQ(JoueSerie(6, 6), 54);
}

TEST(Endurance, Plateau8) {
    EXPECT_EQ(JoueSerie(8, 3), 27);
}

TEST(Endurance, Plateau10) {
    EXPECT_EQ(JoueSerie(10, 1), 9);
}

TEST(Endurance, Plateau12) {
    EXPECT_EQ(JoueSerie(12, 1), 9);
}

}  // namespace
