// SPDX-License-Identifier: GPL-3.0-or-later
// The game by keyboard through the real main loop: the keyboard cell's
// marker over flips and an undo, gone without a trace; keys that reach
// nothing while two computers play.
#include <vector>

#include "banc_partie.h"
#include "ecran/son.h"
#include "ecran/widgets/focus.h"
#include "jeu/aide.h"
#include "jeu/ecrans.h"
#include "jeu/tour.h"

using namespace banc_partie;

namespace {

void Touche(int virtuel) {
    PfInjecteTouche(application.fenetre->hwnd, virtuel);
    Traite();
}

// A press in the middle of cell (x, y) that no mouse made: the board's own
// callback, as the window procedure calls it.
void JoueSansSouris(int x, int y) {
    int origine = application.partie.origine;
    ClicPlateau(&application.interface, 1, origine + 50 * x + 25, origine + 50 * y + 25, 3, 1);
}

std::vector<uint32_t> Damier() {
    int o = application.partie.origine;
    return Pixels(application.fenetre, o, o, o + 50 * application.partie.taille, o + 50 * application.partie.taille);
}

class Clavier : public Programme {
protected:
    void SetUp() override {
        Programme::SetUp();
        ChoisitTaille(6);
    }
};

// Three moves, the keyboard cell brought onto (1, 2), a move of side +1 at
// (1, 1) that flips it, and that move undone: by keys with the marker in
// view, or without any key. Returns the board, the marker taken off.
std::vector<uint32_t> Joue(bool auClavier, std::vector<uint32_t> *avecMarque) {
    Lance();
    if (auClavier) {
        Touche(CLAVIER_BAS);  // shows the cell, on (2, 2)
        for (int t : {CLAVIER_GAUCHE, CLAVIER_RETOUR, CLAVIER_BAS, CLAVIER_RETOUR, CLAVIER_DROITE, CLAVIER_BAS,
                      CLAVIER_RETOUR, CLAVIER_GAUCHE, CLAVIER_HAUT, CLAVIER_HAUT})
            Touche(t);
    } else {
        JoueSansSouris(1, 2);
        JoueSansSouris(1, 3);
        JoueSansSouris(2, 4);
    }
    EXPECT_EQ(Pions(-1) + Pions(1), 7);
    JoueSansSouris(1, 1);
    EXPECT_EQ(plateau[1][2], 1) << "the cell under the marker flipped";
    AnnuleCoup(&application.partie, 0);
    EXPECT_EQ(plateau[1][2], -1) << "and flipped back";
    *avecMarque = Damier();
    CacheFocus(&application.ecran);
    std::vector<uint32_t> damier = Damier();
    CliqueEtTraite(X_COMMANDES, Y_QUITTER_JEU);
    return damier;
}

TEST_F(Clavier, TheCellsMarkerIsDrawnAgainOverFlipsAndUndoAndLeavesNoTrace) {
    Garde garde;
    std::vector<uint32_t> vu;
    const std::vector<uint32_t> sansClavier = Joue(false, &vu);
    EXPECT_EQ(vu, sansClavier) << "no key, no marker";
    const std::vector<uint32_t> auClavier = Joue(true, &vu);
    EXPECT_EQ(auClavier, sansClavier);
    // The marker on (1, 2), 3 pixels wide inside the cell's 48-pixel inside.
    const int cote = 50 * 6 + 1, o = application.partie.origine;
    auto pixel = [&](const std::vector<uint32_t> &d, int x, int y) { return d[(y - o) * cote + (x - o)]; };
    const int x1 = o + 50 * 1 + 1, y1 = o + 50 * 2 + 1;
    const uint32_t marque = pixel(vu, x1, y1);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(pixel(vu, x1 + i, y1 + 24), marque);
        EXPECT_EQ(pixel(vu, x1 + 47 - i, y1 + 24), marque);
    }
    EXPECT_NE(pixel(vu, x1 + 1, y1 + 24), pixel(sansClavier, x1 + 1, y1 + 24));
    EXPECT_EQ(pixel(vu, x1 + 24, y1 + 24), pixel(sansClavier, x1 + 24, y1 + 24)) << "the pawn stays as it is";
}

// M turns sound off and on, on the setup screen as in a game.
TEST_F(Clavier, MTurnsSoundOffAndOnWhereverNoFieldTakesIt) {
    Garde garde;
    ASSERT_TRUE(SonActif());
    Touche('M');
    EXPECT_FALSE(SonActif()) << "setup screen";
    Lance();
    Touche('M');
    EXPECT_TRUE(SonActif()) << "play screen";
}

// Keys typed while two computers play are queued for the game window; the
// end-of-game box holds the keyboard until it closes, so they reach nothing.
void TapeSansEffet(int millisecondes) {
    static bool fait = false;
    sommeils.push_back(millisecondes);
    if (fait)
        return;
    fait = true;
    for (int t : {CLAVIER_TAB, CLAVIER_DROITE, CLAVIER_RETOUR, CLAVIER_ESPACE})
        PfInjecteTouche(application.fenetre->hwnd, t);
}

TEST_F(Clavier, KeysDuringAGameOfTwoComputersReachNothing) {
    Garde garde;
    ChoisitJoueur(-1, 1);
    ChoisitJoueur(1, 1);
    sommeil = TapeSansEffet;
    Lance();
    EXPECT_EQ(boites.size(), 1u) << "the game ran to its end";
    Traite();
    EXPECT_FALSE(PrendPartieLancee()) << "no Return started another game";
    EXPECT_FALSE(ClavierEnUsage()) << "no Tab nor arrow was taken";
    EXPECT_EQ(WidgetFocus(fenetre()), application.interface.controles[SLOT_JOUER].bouton);
}

}  // namespace
