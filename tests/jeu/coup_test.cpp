// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a move: the click check and its reproaches, the pawn drawing, the
// five waves of the flip animation with their pauses, the longest moves of a
// 12 x 12 board, and the pawn images of the chosen sets.
#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "jeu/coup.h"
#include "jeu/ordinateur.h"
#include "jeu/tables.h"
#include "memoire.h"
#include "outils_jeu.h"

namespace {

const uint32_t RVB_GRILLE = 0x318AB7;  // bleu_clair

TEST(Pauses, TableParNombreDeRetournements) {
    struct Palier {
        int de, a, ms;
    };
    const Palier paliers[] = {{0, 0, 100}, {1, 1, 33},  {2, 2, 20},  {3, 3, 14},  {4, 4, 11},
                              {5, 5, 9},   {6, 6, 7},   {7, 7, 6},   {8, 9, 5},   {10, 12, 4},
                              {13, 16, 3}, {17, 24, 2}, {25, 49, 1}, {50, 200, 0}};
    for (const Palier &p : paliers)
        for (int n = p.de; n <= p.a; n++)
            EXPECT_EQ(PauseAnimation(n) / 1000, p.ms) << "n = " << n;
}

// Plays the legal move of the side to move at the cell of (px, py) as the
// turn flow does, after a scan.
void Joue(Partie *partie, int px, int py) {
    ExploreCoups(*partie);
    ASSERT_EQ(ValideClic(*partie, px, py, partie->coups), 1);
    partie->coups[0] = {px, py};
    VideSommeils();
    JoueCoup(partie);
}

PointCoup Centre(int x, int y, const Partie &partie) {
    PointCoup coin = CoinCase(x, y, partie.origine);
    return {coin.x + 25, coin.y + 25};
}

TEST(Pauses, UnRetournementParUnePersonneOuParLOrdinateur) {
    Partie personne = PartieTest(8);
    PointCoup clic = Centre(2, 3, personne);
    Joue(&personne, clic.x, clic.y);
    EXPECT_EQ(Sommeils(), std::vector<int>(5, 33));

    Partie ordinateur = PartieTest(8, 0, 1, 1, 0);
    Joue(&ordinateur, clic.x, clic.y);
    EXPECT_EQ(Sommeils(), std::vector<int>(5, 100));
}

TEST(Pauses, QuatreRetournements) {
    for (int humain : {1, 0}) {
        Partie partie = PartieTest(8, humain, 1, humain ? 0 : 2, 0);
        PlaceGrille({".OOOOX"});
        PointCoup clic = Centre(0, 0, partie);
        Joue(&partie, clic.x, clic.y);
        EXPECT_EQ(Sommeils(), std::vector<int>(20, humain ? 11 : 20));
    }
}

// What the first flipped pawn shows at each pause of the animation.
PointCoup point_observe;
std::vector<uint32_t> vues;

TEST(Animation, CinqVaguesPuisLesPionsDuJoueur) {
    Partie partie = PartieTest(8);
    PlaceGrille({"........", "........", "..O.....", "...OOX..", "...X....", "........", "........", "........"});
    ExploreCoups(partie);
    ASSERT_EQ(nb_retournes[2][3], 2);
    point_observe = Centre(3, 3, partie);
    vues.clear();
    sommeil = [](int) { vues.push_back(Pixel(point_observe.x, point_observe.y)); };
    // Anywhere inside the cell plays that cell.
    PointCoup coin = CoinCase(2, 3, partie.origine);
    ASSERT_EQ(ValideClic(partie, coin.x + 49, coin.y + 1, partie.coups), 1);
    partie.coups[0] = {coin.x + 49, coin.y + 1};
    JoueCoup(&partie);
    sommeil = [](int ms) { Sommeils().push_back(ms); };

    // Side +1's row turns its pawns into side -1's: two pawns, five waves.
    ASSERT_EQ(vues.size(), 10u);
    for (int f = 1; f <= 5; f++) {
        EXPECT_EQ(vues[2 * (f - 1)], RVB_TRAME + 16 * f + 3) << "frame " << f << " on the first pawn";
        EXPECT_EQ(vues[2 * (f - 1) + 1], RVB_TRAME + 16 * f + 3) << "first pawn keeps its frame";
    }
    for (int x : {2, 3, 4}) {
        EXPECT_EQ(plateau[x][3], -1);
        PointCoup centre = Centre(x, 3, partie);
        EXPECT_EQ(Pixel(centre.x, centre.y), RVB_PION_1);
        PointCoup c = CoinCase(x, 3, partie.origine);
        EXPECT_EQ(Pixel(c.x, c.y + 20), RVB_GRILLE) << "left grid line redrawn";
        EXPECT_EQ(Pixel(c.x + 50, c.y + 20), RVB_GRILLE) << "right grid line redrawn";
        EXPECT_EQ(Pixel(c.x + 20, c.y + 50), RVB_GRILLE) << "bottom grid line redrawn";
    }
    EXPECT_EQ(plateau[2][2], 1) << "the other lines are untouched";
}

// On 12 x 12 the bottom-right pawn passes the window's edge by one pixel:
// the whole image is squeezed into the 49 rows left, none of it cut off.
TEST(PosePion, UnPionAuBordDeLaFenetreEstEcraseNonCoupe) {
    Partie partie = PartieTest(12);
    Pixmap *degrade = nullptr;
    plateforme.CreeSurface(FenetreJeu()->directDraw, 50, 50, &degrade);
    AccesPixels a;
    ASSERT_EQ(plateforme.Accede(degrade, &a), 0);
    for (int y = 0; y < 50; y++)
        for (int x = 0; x < 50; x++)
            a.pixels[y * a.pas + x] = static_cast<uint32_t>(y * 5 << 8 | x * 5);
    plateforme.Relache(degrade);
    Pixmap *avant = partie.images[0][0];
    partie.images[0][0] = degrade;
    partie.joueur = -1;
    PosePion(POSE_PION, partie, 550, 550);
    // The green of a pixel is 5 times the image row shown there, its blue 5 times the column.
    std::vector<int> rangees;
    for (int k = 0; k < 49; k++) {
        uint32_t p = Pixel(560, 551 + k);
        EXPECT_EQ(p & 0xFF, 45u) << "columns keep their place, row " << k;
        rangees.push_back(static_cast<int>(p >> 8 & 0xFF) / 5);
        EXPECT_EQ(Pixel(551 + k, 560) & 0xFF, static_cast<uint32_t>(k * 5)) << "column " << k;
    }
    EXPECT_EQ(rangees.front(), 0);
    EXPECT_EQ(rangees.back(), 49) << "the image's last row reaches the edge";
    for (int k = 1; k < 49; k++)
        EXPECT_GT(rangees[k], rangees[k - 1]) << "one row of fifty left out, none twice: row " << k;
    partie.images[0][0] = avant;
    LiberePixmap(degrade);
}

TEST(PosePion, MarqueSansToucherAuPlateau) {
    Partie partie = PartieTest(8);
    partie.joueur = 0;
    PointCoup p = PointPion(0, 0, partie.origine);
    PosePion(POSE_MARQUE, partie, p.x, p.y);
    EXPECT_EQ(plateau[0][0], 0);
    EXPECT_EQ(Pixel(p.x - 4, p.y - 4), RVB_AIDE);
    EXPECT_EQ(Pixel(p.x + 43, p.y + 43), RVB_AIDE);
    EXPECT_NE(Pixel(p.x + 44, p.y + 44), RVB_AIDE);
}

std::vector<uint32_t> Panneau() {
    std::vector<uint32_t> pixels;
    for (int y = 305; y < 410; y++)
        for (int x = 625; x < 775; x++)
            pixels.push_back(Pixel(x, y));
    return pixels;
}

int Encre(const std::vector<uint32_t> &pixels) {
    int n = 0;
    for (uint32_t p : pixels)
        n += p != RVB_COTE;
    return n;
}

unsigned GrainePourReproche(int reproche) {
    for (unsigned graine = 1;; graine++) {
        srand(graine);
        if (rand() % 4 == reproche)
            return graine;
    }
}

TEST(ValideClic, HorsDuPlateauRienNeBouge) {
    Partie partie = PartieTest(8);
    for (auto &p : partie.coups)
        p = {3, 3};
    RemplitRectangle(625, 305, 774, 409, noir, FenetreJeu());
    const int clics[][2] = {{99, 300}, {300, 99}, {500, 300}, {300, 500}, {550, 550}};
    for (const auto &clic : clics)
        EXPECT_EQ(ValideClic(partie, clic[0], clic[1], partie.coups), 0);
    for (const auto &p : partie.coups)
        ASSERT_EQ(p.x, 3) << "move list untouched";
    EXPECT_EQ(Pixel(700, 350), 0u) << "panel untouched";
}

TEST(ValideClic, ReprocheDessineePuisRemplacee) {
    Partie partie = PartieTest(8);
    PointCoup occupee = Centre(3, 3, partie);
    srand(GrainePourReproche(0));
    EXPECT_EQ(ValideClic(partie, occupee.x, occupee.y, partie.coups), 0);
    std::vector<uint32_t> premiere = Panneau();
    EXPECT_GT(Encre(premiere), 0) << "a reproach is written";
    for (const auto &p : partie.coups)
        ASSERT_EQ(p.x, -1) << "move list left cleared";
    EXPECT_EQ(plateau[3][3], 1);

    PointCoup vide = Centre(0, 0, partie);
    srand(GrainePourReproche(1));
    EXPECT_EQ(ValideClic(partie, vide.x, vide.y, partie.coups), 0);
    std::vector<uint32_t> seconde = Panneau();
    EXPECT_NE(premiere, seconde);
    EvalueCoup(0, 0, partie, nullptr, 0);
    EXPECT_EQ(Encre(Panneau()), 0) << "the next evaluation clears it";
    srand(GrainePourReproche(1));
    ValideClic(partie, vide.x, vide.y, partie.coups);
    EXPECT_EQ(Panneau(), seconde) << "nothing of the first reproach is left";
    EXPECT_EQ(CompteCases(8).vides, 60);
}

TEST(GrandPlateau, TrenteRetournementsDUnCoup) {
    Partie partie = PartieTest(12);
    // From corner (0, 0): ten pawns of side +1 along the top row, the left
    // column and the diagonal, each closed by side -1 at the far edge.
    PlaceGrille({});
    for (int k = 1; k <= 10; k++)
        plateau[k][0] = plateau[0][k] = plateau[k][k] = 1;
    plateau[11][0] = plateau[0][11] = plateau[11][11] = -1;
    PointCoup clic = Centre(0, 0, partie);
    Joue(&partie, clic.x, clic.y);
    EXPECT_EQ(NbPionsRetournes(partie.coups), 30);
    EXPECT_EQ(Sommeils().size(), 150u);
    Comptes comptes = CompteCases(12);
    EXPECT_EQ(comptes.camp1, 34);
    EXPECT_EQ(comptes.camp2, 0);
    ComptePions(&partie);
    EXPECT_EQ(partie.score[0], 34);
}

TEST(GrandPlateau, LePlusLongCoupPossibleTientDansLaListe) {
    Partie partie = PartieTest(12);
    // Cell (5, 5) seen from every direction is at most ten pawns from an edge;
    // this layout fills all eight lines as far as the board allows.
    PlaceGrille({});
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (dx == 0 && dy == 0)
                continue;
            int k = 1;
            while (SurPlateau(5 + (k + 1) * dx, 5 + (k + 1) * dy, 12))
                plateau[5 + k * dx][5 + k * dy] = 1, k++;
            plateau[5 + k * dx][5 + k * dy] = -1;
        }
    }
    ExploreCoups(partie);
    int attendu = nb_retournes[5][5];
    ASSERT_GT(attendu, 29);
    PointCoup clic = Centre(5, 5, partie);
    Joue(&partie, clic.x, clic.y);
    EXPECT_EQ(NbPionsRetournes(partie.coups), attendu);
    EXPECT_EQ(CompteCases(12).camp2, 0);
}

bool Existe(const char *nom) {
    struct stat etat;
    return stat(nom, &etat) == 0;
}

bool MemesPixels(Pixmap *a, Pixmap *b) {
    AccesPixels pa, pb;
    if (!a || !b || plateforme.Accede(a, &pa) != 0)
        return false;
    if (plateforme.Accede(b, &pb) != 0) {
        plateforme.Relache(a);
        return false;
    }
    bool egaux = pa.largeur == pb.largeur && pa.hauteur == pb.hauteur;
    for (int y = 0; egaux && y < pa.hauteur; y++)
        for (int x = 0; egaux && x < pa.largeur; x++)
            egaux = pa.pixels[y * pa.pas + x] == pb.pixels[y * pb.pas + x];
    plateforme.Relache(b);
    plateforme.Relache(a);
    return egaux;
}

bool ImagesDesPions() {
    for (const auto &rangee : fichiers_pions)
        for (const char *nom : rangee)
            if (!Existe(nom))
                return false;
    return true;
}

bool MemeImageQueLeFichier(Pixmap *image, const char *nom) {
    Pixmap *reference = nullptr;
    ChargePixmap(nom, &reference, nullptr, nullptr, FenetreJeu());
    bool egal = MemesPixels(image, reference);
    LiberePixmap(reference);
    return egal;
}

TEST(ImagesPions, RangeesDesDeuxJeux) {
    if (!ImagesDesPions())
        GTEST_SKIP() << "pawn frame files missing from the build folder: build the images target";
    Partie partie = PartieTest(8);
    partie.jeu_pions[0] = 6;
    partie.jeu_pions[2] = 9;
    ChargeImagesPions(&partie);
    EXPECT_EQ(partie.images[0][0], pixmaps_jeu[6]);
    EXPECT_EQ(partie.images[2][0], pixmaps_jeu[9]);
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][1], "eb1.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][2], "eb2.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][3], "pion3.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][4], "ror3.bmp")) << "turning into the other set";
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][5], "ror4.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[2][1], "ror1.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[2][4], "eb3.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[2][5], "eb4.bmp"));

    partie.jeu_pions[2] = 6;
    ChargeImagesPions(&partie);
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[0][4], "eb3.bmp")) << "same set on both sides";
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[2][5], "eb4.bmp"));
    EXPECT_TRUE(MemeImageQueLeFichier(partie.images[2][1], "eb1.bmp"));
}

TEST(ImagesPions, DeuxCentsPartiesSansCroissance) {
    if (!ImagesDesPions())
        GTEST_SKIP() << "pawn frame files missing from the build folder: build the images target";
    Partie partie = PartieTest(8);
    ChargeImagesPions(&partie);
    const size_t apresPremiere = OctetsAlloues();
    for (int i = 0; i < 200; i++) {
        partie.jeu_pions[0] = 4 + 2 * (i % 4);
        partie.jeu_pions[2] = 5 + 2 * (i % 4);
        ChargeImagesPions(&partie);
    }
    EXPECT_LT(OctetsAlloues(), apresPremiere + 2 * 1024 * 1024);
    for (int s = 0; s < 3; s += 2)
        for (int f = 1; f <= 5; f++)
            EXPECT_NE(partie.images[s][f], nullptr);
}

}  // namespace
