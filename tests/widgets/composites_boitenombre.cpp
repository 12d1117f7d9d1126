// SPDX-License-Identifier: GPL-3.0-or-later
// The number box: arrows and typing kept within the range, the entry's
// text and the value agreeing, and the refusal of an inverted range.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/texte.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

class BoitesNombre : public Banc {
protected:
    std::vector<std::pair<int, int>> appels;  // (value, id) as the callback received them

    static void Note(void *donnee, int valeur, int id) {
        static_cast<BoitesNombre *>(donnee)->appels.push_back({valeur, id});
    }

    // On (50, 50)-(250, 90): left arrow (50, 60)-(70, 80), entry (75, 50)-(225, 90),
    // right arrow (230, 60)-(250, 80).
    BoiteNombre *Cree(int valeur, int minimum, int maximum) {
        return CreeBoiteNombre(4, 50, 50, 250, 90, valeur, police, minimum, maximum, Gris(), Note, this, fenetre);
    }

    void Clique(int x, int y) {
        Appuie(x, y);
        Relache(x, y);
        Traite();
    }
    void Moins() {
        Clique(60, 70);
    }
    void Plus() {
        Clique(240, 70);
    }

    // Presses the entry, runs the keys given, and ends the edit with Return.
    template <typename Touches>
    void Edite(Touches touches) {
        Appuie(150, 70);
        Relache(150, 70);
        touches();
        Touche(VK_RETOUR);
        Traite();
    }

    static std::string Montre(BoiteNombre *b) {
        return b->saisie->texte;
    }
};

TEST_F(BoitesNombre, ArrowsStepByOneAndStopAtTheBoundsButStillReport) {
    BoiteNombre *b = Cree(10, 0, 10);
    Plus();
    EXPECT_EQ(b->valeur, 10);
    EXPECT_EQ(Montre(b), "10");
    Moins();
    EXPECT_EQ(b->valeur, 9);
    EXPECT_EQ(Montre(b), "9");
    EXPECT_EQ(appels, (std::vector<std::pair<int, int>>{{10, 4}, {9, 4}}));
}

TEST_F(BoitesNombre, TypingBeyondTheMaximumShowsTheMaximum) {
    BoiteNombre *b = Cree(5, 0, 10);
    Edite([&] {
        Touche(VK_FIN);
        Tape("9");
    });
    EXPECT_EQ(b->valeur, 10);
    EXPECT_EQ(Montre(b), "10");
    EXPECT_EQ(LitBoiteNombre(b), 10);
    ASSERT_FALSE(appels.empty());
    EXPECT_EQ(appels.back(), std::make_pair(10, 4));
    EXPECT_EQ(b->saisie->edition, 0);
}

TEST_F(BoitesNombre, DeletingEveryDigitPutsTheMinimumBack) {
    BoiteNombre *b = Cree(5, 3, 10);
    Edite([&] {
        Touche(VK_FIN);
        Touche(VK_EFFACE);
    });
    EXPECT_EQ(Montre(b), "3");
    EXPECT_EQ(b->valeur, 3);
}

TEST_F(BoitesNombre, NonDigitsVanishSoNegativesAreReachedByTheArrowOnly) {
    BoiteNombre *b = Cree(4, -5, 10);
    Edite([&] {
        Touche(VK_FIN);
        Tape("-");
    });
    EXPECT_EQ(Montre(b), "4");
    EXPECT_EQ(b->valeur, 4);

    for (int i = 0; i < 12; i++)
        Moins();
    EXPECT_EQ(Montre(b), "-5");
    EXPECT_EQ(b->valeur, -5);
    // Bringing the cursor to just after the sign removes the sign.
    Edite([&] {
        Touche(VK_DEBUT);
        Touche(VK_DROITE);
    });
    EXPECT_EQ(Montre(b), "5");
    EXPECT_EQ(b->valeur, 5);
}

TEST_F(BoitesNombre, AShorterReplacementKeepsTheCursorInsideTheText) {
    // Created outside its range, with more digits than the maximum has.
    BoiteNombre *b = Cree(12345, 0, 10);
    Edite([&] { Touche(VK_FIN); });  // the cursor after the 5, then "10" replaces the text
    EXPECT_EQ(Montre(b), "10");
    EXPECT_EQ(b->valeur, 10);
    EXPECT_LE(b->saisie->curseur, 2);
    // Editing goes on safely from there: 1, then 17, replaced by "10" again.
    Edite([&] {
        Touche(VK_FIN);
        Touche(VK_EFFACE);
        Tape("7");
    });
    EXPECT_EQ(Montre(b), "10");
    EXPECT_EQ(b->valeur, 10);
    EXPECT_LE(b->saisie->curseur, 2);
}

TEST_F(BoitesNombre, AMinimumAboveTheMaximumEndsTheProgram) {
    EXPECT_EXIT(Cree(0, 5, 3), ::testing::ExitedWithCode(5), "3 n'est pas plus grand que 5 dans le bnombre 4");
    // Equal bounds are accepted.
    BoiteNombre *b = Cree(2, 2, 2);
    Plus();
    EXPECT_EQ(b->valeur, 2);
}

}  // namespace
