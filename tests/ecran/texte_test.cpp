// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and text placement. The glyphs depend on the installed fonts, so
// these tests look only at where ink falls.
#include <gtest/gtest.h>

#include "banc.h"

namespace {

class Texte : public ::testing::Test {
protected:
    void SetUp() override {
        f = NouvelleFenetre(400, 300, 255, 255, 255);
        police = OuvrePolice("lucidasans-18", 20, f);
        ASSERT_NE(police, nullptr);
    }
    void TearDown() override {
        FermePolice(police, f);
        FermeFenetres();
    }
    // The box around every pixel that is not white.
    bool Encre(int *x1, int *y1, int *x2, int *y2) {
        *x1 = *y1 = 10000;
        *x2 = *y2 = -1;
        for (int y = 0; y < 300; y++)
            for (int x = 0; x < 400; x++)
                if (PixelA(f, x, y) != 0xFFFFFF) {
                    *x1 = std::min(*x1, x), *y1 = std::min(*y1, y), *x2 = std::max(*x2, x), *y2 = std::max(*y2, y);
                }
        return *x2 >= 0;
    }
    Fenetre *f;
    Police police;
};

TEST_F(Texte, LaPoliceDuJeuEstAChassFixeEtHauteDeVingtPixels) {
    int w1, h1, w2, h2;
    TailleTexte("iiii", police, &w1, &h1, f);
    TailleTexte("MMMM", police, &w2, &h2, f);
    EXPECT_EQ(h1, 20);
    EXPECT_EQ(w1, w2);
    EXPECT_GT(w1, 0);
    int wt;
    TailleTexte("a\tb", police, &wt, &h1, f);
    TailleTexte("a       b", police, &w2, &h2, f);
    EXPECT_EQ(wt, w2);  // tabs stop every eight characters
}

TEST_F(Texte, UnNomInconnuDonneLaPoliceFixeLaPlusProche) {
    Police autre = OuvrePolice("policequinexistepas", 14, f);
    ASSERT_NE(autre, nullptr);
    int w, h;
    TailleTexte("x", autre, &w, &h, f);
    EXPECT_EQ(h, 14);
    plateforme.FermePolice(autre);
    EXPECT_EQ(OuvrePolice(nullptr, 20, f), nullptr);
}

TEST_F(Texte, EcritTexteCentreLaLigneEntreYMoinsHEtYPlusDemiH) {
    EcritTexte(50, 100, "Hg", police, Couleur{0, 0, 0}, f);
    int x1, y1, x2, y2;
    ASSERT_TRUE(Encre(&x1, &y1, &x2, &y2));
    EXPECT_GE(y1, 80);
    EXPECT_LT(y2, 110);
    EXPECT_GE(x1, 50);
    int w, h;
    TailleTexte("Hg", police, &w, &h, f);
    EXPECT_LT(x2, 50 + w);
    // The line's cell starts five rows below the box top: (30 - 20) / 2.
    EXPECT_GE(y1, 85);
    EXPECT_LT(y2, 105);
}

TEST_F(Texte, UnTexteOuUnePoliceNulNeDessineRien) {
    EcritTexte(50, 100, nullptr, police, Couleur{0, 0, 0}, f);
    EcritTexte(50, 100, "abc", nullptr, Couleur{0, 0, 0}, f);
    EcritTexteDansRectangle(0, 0, 100, 100, "abc", nullptr, Couleur{0, 0, 0}, f);
    int x1, y1, x2, y2;
    EXPECT_FALSE(Encre(&x1, &y1, &x2, &y2));
}

TEST_F(Texte, UneSeuleLigneEstCentreeDansSonRectangle) {
    EcritTexteDansRectangle(0, 0, 399, 299, "Bravo", police, Couleur{0, 0, 0}, f);
    int x1, y1, x2, y2;
    ASSERT_TRUE(Encre(&x1, &y1, &x2, &y2));
    int w, h;
    TailleTexte("Bravo", police, &w, &h, f);
    EXPECT_NEAR((x1 + x2) / 2, 199, w / 4 + 2);
    EXPECT_NEAR((y1 + y2) / 2, 149, 8);
}

TEST_F(Texte, UnTexteCoupeAuxBlancsCommenceEnHautDuRectangle) {
    const char *texte = "Le joueur noir gagne la partie par trente pions contre douze";
    int w, h;
    TailleTexte("Le joueur noir", police, &w, &h, f);
    EcritTexteDansRectangle(100, 50, 100 + w + 4, 290, texte, police, Couleur{0, 0, 0}, f);
    int x1, y1, x2, y2;
    ASSERT_TRUE(Encre(&x1, &y1, &x2, &y2));
    EXPECT_LT(y1, 50 + 20);      // starts at the top, not centred
    EXPECT_GT(y2, 50 + 3 * 20);  // several lines
    EXPECT_GE(x1, 100);
    EXPECT_LE(x2, 100 + w + 4);
}

TEST_F(Texte, EcritTexteCentreSuitLAxeDemande) {
    int w, h;
    TailleTexte("AB", police, &w, &h, f);
    EcritTexteCentre('h', 50, "AB", police, Couleur{0, 0, 0}, 100, 100, 299, 199, f);
    int x1, y1, x2, y2;
    ASSERT_TRUE(Encre(&x1, &y1, &x2, &y2));
    EXPECT_GE(x1, 100 + (199 - w) / 2);
    EXPECT_LT(x2, 100 + (199 - w) / 2 + w);
    EXPECT_GE(y1, 150 - h);
    EXPECT_LT(y2, 150 + h / 2);
    RemplitRectangle(0, 0, 399, 299, Couleur{255, 255, 255}, f);
    EcritTexteCentre('v', 10, "AB", police, Couleur{0, 0, 0}, 100, 100, 299, 199, f);
    ASSERT_TRUE(Encre(&x1, &y1, &x2, &y2));
    EXPECT_GE(x1, 110);
    int milieu = 100 + (99 - h) / 2 + 1;
    EXPECT_GE(y1, milieu - h);
    EXPECT_LT(y2, milieu + h / 2);
}

}  // namespace
