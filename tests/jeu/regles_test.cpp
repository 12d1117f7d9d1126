// SPDX-License-Identifier: GPL-3.0-or-later
// The rules: geometry, flips and safe flips by direction, the scan and its
// corner adjustments, the pawn count, and the move tree from the start.
#include <cstring>

#include <gtest/gtest.h>

#include "jeu/partie.h"
#include "jeu/tables.h"
#include "outils_jeu.h"

namespace {

bool Egaux(PointCoup a, PointCoup b) {
    return a.x == b.x && a.y == b.y;
}

TEST(Geometrie, OrigineCasesEtPoints) {
    EXPECT_EQ(Origine(6), 150);
    EXPECT_EQ(Origine(8), 100);
    EXPECT_EQ(Origine(10), 50);
    EXPECT_EQ(Origine(12), 0);
    EXPECT_TRUE(Egaux(CaseDuPoint(99, 300, 100), {-1, -1}));
    EXPECT_TRUE(Egaux(CaseDuPoint(300, 99, 100), {-1, -1}));
    EXPECT_TRUE(Egaux(CaseDuPoint(100, 149, 100), {0, 0}));
    EXPECT_TRUE(Egaux(CaseDuPoint(150, 150, 100), {1, 1}));
    PointCoup dehors = CaseDuPoint(500, 499, 100);  // right of an 8 x 8 board
    EXPECT_FALSE(SurPlateau(dehors.x, dehors.y, 8));
    EXPECT_TRUE(SurPlateau(7, 7, 8));
    EXPECT_FALSE(SurPlateau(-1, 0, 8));
    EXPECT_TRUE(Egaux(CaleSurCoin(249, 201, 100), {200, 200}));
    EXPECT_TRUE(Egaux(PointPion(2, 3, 100), {205, 255}));
    EXPECT_TRUE(Egaux(CoinCase(2, 3, 0), {100, 150}));
}

// From (4, 4), side -1 to move, each direction shows another situation.
void PlaceEtoile() {
    PlaceGrille({"X.......", ".O.....O", "..O...O.", "...OXO..", ".....OOX", "...OOO..", "..X.O...", "....O..."});
}

TEST(Retournements, ChaqueDirection) {
    Partie partie = PartieTest(8);
    PlaceEtoile();
    PointCoup liste[NB_COUPS];
    VideListeCoups(liste);
    EXPECT_EQ(RetournementsDirection(4, 4, -1, -1, partie, liste, 0), 3) << "run closed by an own pawn";
    EXPECT_EQ(RetournementsDirection(4, 4, -1, 1, partie, liste, 0), 1);
    EXPECT_EQ(RetournementsDirection(4, 4, 1, 0, partie, liste, 0), 2);
    EXPECT_EQ(RetournementsDirection(4, 4, 0, 1, partie, liste, 0), 0) << "run reaching the bottom edge";
    EXPECT_EQ(RetournementsDirection(4, 4, 1, -1, partie, liste, 0), 0) << "run reaching the right edge";
    EXPECT_EQ(RetournementsDirection(4, 4, -1, 0, partie, liste, 0), 0) << "empty neighbour";
    EXPECT_EQ(RetournementsDirection(4, 4, 0, -1, partie, liste, 0), 0) << "own neighbour";
    EXPECT_EQ(RetournementsDirection(4, 4, 1, 1, partie, liste, 0), 0) << "run ending on an empty cell";
    EXPECT_EQ(liste[0].x, -1) << "nothing recorded without enregistre";
}

TEST(Retournements, EvaluationEnregistreDansLOrdreDesDirections) {
    Partie partie = PartieTest(8);
    PlaceEtoile();
    PointCoup liste[NB_COUPS];
    VideListeCoups(liste);
    Retournements r = EvalueCoup(4, 4, partie, liste, 1);
    EXPECT_EQ(r.nombre, 6);
    const int attendues[6][2] = {{3, 3}, {2, 2}, {1, 1}, {3, 5}, {5, 4}, {6, 4}};
    for (int i = 0; i < 6; i++) {
        PointCoup p = PointPion(attendues[i][0], attendues[i][1], partie.origine);
        EXPECT_TRUE(Egaux(liste[i], p)) << "entry " << i;
    }
    EXPECT_EQ(liste[6].x, -1);
}

TEST(Retournements, CaseOccupeeNExamineRien) {
    Partie partie = PartieTest(8);
    PlaceEtoile();
    plateau[4][4] = 1;
    PointCoup liste[NB_COUPS];
    for (auto &p : liste)
        p = {7, 7};
    Retournements r = EvalueCoup(4, 4, partie, liste, 1);
    EXPECT_EQ(r.nombre, 0);
    EXPECT_EQ(r.surs, 0);
    for (const auto &p : liste)
        ASSERT_TRUE(Egaux(p, {7, 7}));
}

TEST(Retournements, SursSelonLaCaseDerriereLeCoup) {
    Partie partie = PartieTest(8);
    // Side -1 plays (1, 0): the line O X X is followed by an O, and the
    // opponent could play behind the move at (0, 0).
    PlaceGrille({".?OXXO.."});
    EXPECT_EQ(RetournementsDirection(1, 0, 1, 0, partie, nullptr, 0), 1);
    EXPECT_EQ(RetournementsSurs(1, 0, 1, 0, partie), 0);
    PlaceGrille({"O?OXXO.."});
    EXPECT_EQ(RetournementsSurs(1, 0, 1, 0, partie), 1) << "cell behind the move occupied";
    PlaceGrille({"?OXXO..."});
    EXPECT_EQ(RetournementsSurs(0, 0, 1, 0, partie), 1) << "cell behind the move off the board";
    PlaceGrille({".?OXX..."});
    EXPECT_EQ(RetournementsSurs(1, 0, 1, 0, partie), 1) << "own run ends on an empty cell";
    PlaceGrille({"....?OXX"});
    EXPECT_EQ(RetournementsSurs(4, 0, 1, 0, partie), 1) << "own run ends at the edge";
    PlaceGrille({".?.XXO.."});
    EXPECT_EQ(RetournementsSurs(1, 0, 1, 0, partie), 0) << "no flips, no safe flips";
    PlaceGrille({".?OXXO.."});
    EXPECT_EQ(EvalueCoup(1, 0, partie, nullptr, 0).surs, 0);
}

TEST(Retournements, EvaluationEffaceLePanneau) {
    Partie partie = PartieTest(8);
    RemplitRectangle(625, 305, 774, 409, noir, FenetreJeu());
    EvalueCoup(0, 0, partie, nullptr, 0);
    EXPECT_EQ(Pixel(625, 305), RVB_COTE);
    EXPECT_EQ(Pixel(774, 409), RVB_COTE);
    EXPECT_EQ(Pixel(700, 350), RVB_COTE);
}

void CopieGrille(int (&copie)[TAILLE_MAX][TAILLE_MAX], const int32_t (&grille)[TAILLE_MAX][TAILLE_MAX]) {
    memcpy(copie, grille, sizeof copie);
}

void ExpectGrillesEgales(const int (&attendue)[TAILLE_MAX][TAILLE_MAX], const int32_t (&grille)[TAILLE_MAX][TAILLE_MAX],
                         int taille) {
    for (int x = 0; x < taille; x++)
        for (int y = 0; y < taille; y++)
            EXPECT_EQ(attendue[x][y], grille[x][y]) << "cell " << x << "," << y;
}

TEST(Exploration, PionsHorsDuPetitPlateauSansEffet) {
    Partie partie = PartieTest(6);
    partie.aide = 0;
    // A run of side +1 reaching the right edge of the 6 x 6 board on row 1.
    plateau[4][1] = plateau[5][1] = 1;
    ASSERT_TRUE(ExploreCoups(partie));
    int retournes[TAILLE_MAX][TAILLE_MAX], surs[TAILLE_MAX][TAILLE_MAX];
    CopieGrille(retournes, nb_retournes);
    CopieGrille(surs, retournes_surs);
    // What a 12 x 12 game leaves behind: side -1 pawns beyond the edge
    // would close that run and others if they counted.
    for (int x = 0; x < TAILLE_MAX; x++)
        for (int y = 0; y < TAILLE_MAX; y++)
            if (x >= 6 || y >= 6)
                plateau[x][y] = -1;
    ExploreCoups(partie);
    ExpectGrillesEgales(retournes, nb_retournes, 6);
    ExpectGrillesEgales(surs, retournes_surs, 6);
    EXPECT_EQ(nb_retournes[3][1], 0);
    ComptePions(&partie);
    EXPECT_EQ(partie.score[0], 2);
    EXPECT_EQ(partie.score[2], 4);
}

TEST(Exploration, CoinsA500VoisinsA0) {
    Partie partie = PartieTest(6);
    partie.aide = 0;
    // Side -1 can take corner (0, 0) along row 0 and play next to three
    // corners; corner (5, 5) is not legal.
    PlaceGrille({".OX...", ".OX.O.", "..X.X.", "...O..", "......", "......"});
    ASSERT_TRUE(ExploreCoups(partie));
    EXPECT_GT(nb_retournes[0][0], 0);
    EXPECT_EQ(retournes_surs[0][0], 500);
    EXPECT_EQ(nb_retournes[5][5], 0);
    EXPECT_EQ(retournes_surs[5][5], 0);
    const int voisins[12][2] = {{1, 0}, {1, 1}, {0, 1}, {1, 4}, {1, 5}, {0, 4},
                                {4, 0}, {4, 1}, {5, 1}, {4, 4}, {4, 5}, {5, 4}};
    int voisinsLegaux = 0;
    for (const auto &v : voisins) {
        EXPECT_EQ(retournes_surs[v[0]][v[1]], 0) << "cell " << v[0] << "," << v[1];
        if (nb_retournes[v[0]][v[1]] > 0)
            voisinsLegaux++;
    }
    EXPECT_EQ(voisinsLegaux, 3) << "(0, 1), (4, 0) and (4, 4) stay legal";
}

TEST(Exploration, DepartStandard) {
    Partie partie = PartieTest(8);
    partie.aide = 0;
    EXPECT_TRUE(ExploreCoups(partie));
    int legaux = 0;
    for (int x = 0; x < 8; x++)
        for (int y = 0; y < 8; y++)
            legaux += nb_retournes[x][y] != 0;
    EXPECT_EQ(legaux, 4);
    EXPECT_EQ(nb_retournes[2][3], 1);
    EXPECT_EQ(nb_retournes[3][2], 1);
    EXPECT_EQ(nb_retournes[4][5], 1);
    EXPECT_EQ(nb_retournes[5][4], 1);
    PlaceGrille({"OXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXXX", "XXXXXXX."});
    EXPECT_FALSE(ExploreCoups(partie)) << "side -1 cannot move";
    partie.joueur = 1;
    EXPECT_TRUE(ExploreCoups(partie));
}

TEST(Comptage, ScoresEtCasesHorsJeu) {
    Partie partie = PartieTest(8);
    PlaceGrille({"XXO", "O..", "...", "...", "...", "...", "...", ".......X"});
    ComptePions(&partie);
    EXPECT_EQ(partie.score[0], 3);
    EXPECT_EQ(partie.score[2], 2);
    EXPECT_EQ(Pixel(634, 131), RVB_COTE) << "score box repainted";
    for (int x = 0; x < TAILLE_MAX; x++)
        for (int y = 0; y < TAILLE_MAX; y++)
            plateau[x][y] = 1;
    VidePlateau(&partie);
    EXPECT_EQ(CompteCases(8).vides, 64);
    EXPECT_EQ(plateau[8][0], 1);
    EXPECT_EQ(plateau[0][8], 1);
}

// Counts the positions reached after `profondeur` moves, playing each move
// from the scan's grid and its recorded list, then taking it back.
long Feuilles(Partie partie, int profondeur) {
    ExploreCoups(partie);
    int retournes[TAILLE_MAX][TAILLE_MAX];
    CopieGrille(retournes, nb_retournes);
    int avant[TAILLE_MAX][TAILLE_MAX];
    CopieGrille(avant, plateau);
    long total = 0;
    int joueur = partie.joueur, taille = partie.taille;
    for (int x = 0; x < taille; x++) {
        for (int y = 0; y < taille; y++) {
            if (retournes[x][y] == 0)
                continue;
            if (profondeur == 1) {
                total++;
                continue;
            }
            PointCoup liste[NB_COUPS];
            VideListeCoups(liste);
            EvalueCoup(x, y, partie, liste + 1, 1);
            int k = NbPionsRetournes(liste);
            EXPECT_EQ(k, retournes[x][y]);
            plateau[x][y] = joueur;
            for (int i = 1; i <= k; i++) {
                PointCoup c = CaseDuPoint(liste[i].x, liste[i].y, partie.origine);
                EXPECT_EQ(plateau[c.x][c.y], -joueur);
                plateau[c.x][c.y] = joueur;
            }
            Partie suite = partie;
            suite.joueur = -joueur;
            total += Feuilles(suite, profondeur - 1);
            plateau[x][y] = 0;
            for (int i = 1; i <= k; i++) {
                PointCoup c = CaseDuPoint(liste[i].x, liste[i].y, partie.origine);
                plateau[c.x][c.y] = -joueur;
            }
            EXPECT_EQ(memcmp(avant, plateau, sizeof avant), 0) << "board not restored";
        }
    }
    return total;
}

TEST(Exploration, ArbreDesCoupsDuDepart) {
    Partie partie = PartieTest(8);
    partie.aide = 0;
    const long attendus[] = {4, 12, 56, 244, 1396, 8200};
    for (int profondeur = 1; profondeur <= 6; profondeur++)
        EXPECT_EQ(Feuilles(partie, profondeur), attendus[profondeur - 1]) << "depth " << profondeur;
}

}  // namespace
