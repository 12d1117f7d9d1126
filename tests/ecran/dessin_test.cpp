// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing primitives, read back pixel by pixel from the back buffer.
#include <gtest/gtest.h>

#include "banc.h"

namespace {

const Couleur rouge = {255, 0, 0};
const uint32_t fond = 0x0A141E;

class Dessin : public ::testing::Test {
protected:
    void SetUp() override {
        f = NouvelleFenetre(200, 150);
    }
    void TearDown() override {
        FermeFenetres();
    }
    // The pixels of colour `c` inside (0, 0)-(199, 149), as a count and a bounding box.
    int Compte(uint32_t c, int *x1 = nullptr, int *y1 = nullptr, int *x2 = nullptr, int *y2 = nullptr) {
        int n = 0, gx = 1000, gy = 1000, dx = -1, dy = -1;
        for (int y = 0; y < 150; y++)
            for (int x = 0; x < 200; x++)
                if (PixelA(f, x, y) == c) {
                    n++;
                    gx = std::min(gx, x), gy = std::min(gy, y), dx = std::max(dx, x), dy = std::max(dy, y);
                }
        if (x1)
            *x1 = gx, *y1 = gy, *x2 = dx, *y2 = dy;
        return n;
    }
    Fenetre *f;
};

TEST_F(Dessin, UneFenetreNeuveEstDeSaCouleurDeFond) {
    EXPECT_EQ(Compte(fond), 200 * 150);
}

TEST_F(Dessin, LesRectanglesIncluentLeursDeuxCoins) {
    int x1, y1, x2, y2;
    RemplitRectangle(0, 0, 9, 9, rouge, f);
    EXPECT_EQ(Compte(0xFF0000, &x1, &y1, &x2, &y2), 100);
    EXPECT_EQ(x2, 9);
    EXPECT_EQ(y2, 9);
    RemplitRectangle(0, 0, 9, 9, AlloueCouleur(10, 20, 30, f), f);
    TraceRectangle(50, 20, 50, 40, rouge, f);
    EXPECT_EQ(Compte(0xFF0000, &x1, &y1, &x2, &y2), 21);
    EXPECT_EQ(x1, 50);
    EXPECT_EQ(x2, 50);
    TraceRectangle(50, 20, 50, 40, AlloueCouleur(10, 20, 30, f), f);
    TraceRectangle(10, 10, 19, 14, rouge, f);
    EXPECT_EQ(Compte(0xFF0000), 2 * 10 + 2 * 3);
    EXPECT_EQ(PixelA(f, 15, 12), fond);
}

TEST_F(Dessin, UneLigneDessineSesDeuxExtremites) {
    TraceLigne(30, 30, 30, 30, rouge, f);
    EXPECT_EQ(Compte(0xFF0000), 1);
    EXPECT_EQ(PixelA(f, 30, 30), 0xFF0000u);
    TraceLigne(10, 50, 20, 50, rouge, f);
    EXPECT_EQ(Compte(0xFF0000), 12);
    EXPECT_EQ(PixelA(f, 20, 50), 0xFF0000u);
    // Diagonals and steep lines: one pixel a step, both ends drawn.
    TraceLigne(100, 100, 90, 110, rouge, f);
    EXPECT_EQ(PixelA(f, 100, 100), 0xFF0000u);
    EXPECT_EQ(PixelA(f, 90, 110), 0xFF0000u);
    EXPECT_EQ(PixelA(f, 95, 105), 0xFF0000u);
    TracePoint(5, 140, rouge, f);
    EXPECT_EQ(PixelA(f, 5, 140), 0xFF0000u);
    EXPECT_EQ(PixelA(f, 6, 141), fond);
}

TEST_F(Dessin, LaLignePointilleeLaisseDesTrous) {
    TraceLignePointillee(10, 10, 29, 10, rouge, f);
    int n = Compte(0xFF0000);
    EXPECT_GT(n, 5);
    EXPECT_LT(n, 20);
    EXPECT_EQ(PixelA(f, 29, 10), 0xFF0000u);
}

TEST_F(Dessin, LesEllipsesTiennentDansLeurBoiteSansSesBordsDroitEtBas) {
    int x1, y1, x2, y2;
    RemplitCercle(100, 75, 10, rouge, f);
    Compte(0xFF0000, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 90);
    EXPECT_EQ(y1, 65);
    EXPECT_EQ(x2, 109);
    EXPECT_EQ(y2, 84);
    EXPECT_EQ(PixelA(f, 100, 75), 0xFF0000u);
    RemplitCercle(100, 75, 10, AlloueCouleur(10, 20, 30, f), f);
    TraceEllipse(50, 50, 20, 8, rouge, f);
    Compte(0xFF0000, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 30);
    EXPECT_EQ(x2, 69);
    EXPECT_EQ(y1, 42);
    EXPECT_EQ(y2, 57);
    EXPECT_EQ(PixelA(f, 50, 50), fond);  // an outline only
}

TEST(Nuances, ChaqueComposanteEstMultiplieePuisTronqueeOuPlafonnee) {
    Couleur a = NuanceCouleur(Couleur{200, 100, 0}, 1.24f, nullptr);
    EXPECT_EQ(a.r, 248);
    EXPECT_EQ(a.g, 124);
    EXPECT_EQ(a.b, 0);
    Couleur b = NuanceCouleur(Couleur{220, 50, 10}, 1.24f, nullptr);
    EXPECT_EQ(b.r, 255);
    EXPECT_EQ(b.g, 62);
    EXPECT_EQ(b.b, 12);
    Couleur c = NuanceCouleur(Couleur{100, 49, 183}, 0.76f, nullptr);
    EXPECT_EQ(c.r, 76);
    EXPECT_EQ(c.g, 37);
    EXPECT_EQ(c.b, 139);
    Couleur d = AlloueCouleur(256 + 7, -1, 300, nullptr);
    EXPECT_EQ(d.r, 7);
    EXPECT_EQ(d.g, 255);
    EXPECT_EQ(d.b, 44);
}

// A pixmap of one row whose columns are numbered in their red component.
Pixmap *Rayures(Fenetre *f, int largeur, int hauteur) {
    std::vector<unsigned char> bmp(54 + 0, 0);
    int ligne = (largeur * 3 + 3) / 4 * 4;
    bmp.resize(54 + ligne * hauteur);
    auto ecrit32 = [&](int o, uint32_t v) {
        for (int i = 0; i < 4; i++)
            bmp[o + i] = (v >> (8 * i)) & 0xFF;
    };
    bmp[0] = 'B', bmp[1] = 'M';
    ecrit32(2, bmp.size());
    ecrit32(10, 54);
    ecrit32(14, 40);
    ecrit32(18, largeur);
    ecrit32(22, hauteur);
    bmp[26] = 1, bmp[28] = 24;
    for (int y = 0; y < hauteur; y++)
        for (int x = 0; x < largeur; x++) {
            unsigned char *p = &bmp[54 + y * ligne + x * 3];
            p[0] = static_cast<unsigned char>(hauteur - 1 - y), p[1] = 0, p[2] = static_cast<unsigned char>(x + 1);
        }
    Pixmap *pixmap = nullptr;
    ChargePixmap(EcritFichier("rayures.bmp", bmp).c_str(), &pixmap, nullptr, nullptr, f);
    return pixmap;
}

TEST_F(Dessin, LePavageSuitLaPhaseDeSonAncre) {
    Pixmap *p = Rayures(f, 4, 1);
    ASSERT_NE(p, nullptr);
    TraceRectangleMap(10, 5, 20, 6, 10, 5, p, f);  // 10 wide: tiles of 4, 4 and 2
    std::vector<int> colonnes;
    for (int x = 9; x <= 20; x++)
        colonnes.push_back(static_cast<int>(PixelA(f, x, 5) >> 16));
    EXPECT_EQ(colonnes, (std::vector<int>{0x0A, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 0x0A}));
    TraceRectangleMap(10, 8, 13, 9, 10, 8, p, f);  // narrower than a tile: one 3-pixel copy
    EXPECT_EQ(PixelA(f, 12, 8) >> 16, 3u);
    EXPECT_EQ(PixelA(f, 13, 8), fond);
    TraceRectangleMap(31, 20, 33, 21, 10, 5, p, f);  // inside one cell: taken at the phase
    EXPECT_EQ(PixelA(f, 31, 20) >> 16, 2u);
    EXPECT_EQ(PixelA(f, 32, 20) >> 16, 3u);
    LiberePixmap(p);
}

TEST_F(Dessin, LePavageVerticalRepartDuHautDeLaTuile) {
    Pixmap *p = Rayures(f, 2, 3);
    ASSERT_NE(p, nullptr);
    TraceRectangleMap(0, 0, 2, 7, 0, 0, p, f);
    std::vector<int> rangees;
    for (int y = 0; y < 7; y++)
        rangees.push_back(static_cast<int>(PixelA(f, 0, y) & 0xFF));
    EXPECT_EQ(rangees, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
    EXPECT_EQ(PixelA(f, 0, 7), fond);
    LiberePixmap(p);
}

TEST_F(Dessin, UnPavageSansImageLeSignaleEtNeDessineRien) {
    Journal journal;
    TraceRectangleMap(0, 0, 50, 50, 0, 0, nullptr, f);
    EXPECT_EQ(journal.tout(), "TraceRectangleMap : Image non chargée\n");
    EXPECT_EQ(Compte(fond), 200 * 150);
}

}  // namespace
