// SPDX-License-Identifier: GPL-3.0-or-later
// The colour palette driven through its own window: what each press and
// button leaves as the answer, and what the preview shows.
#include <functional>
#include <vector>

#include "ecran/dialogues/message.h"
#include "ecran/dialogues/palette.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

// What the scripted user does once the dialog's window is built.
std::function<void(Fenetre *)> utilisateur;
int ouvertures = 0;

void Construite(Fenetre *boite) {
    ouvertures++;
    if (ouvertures > 1 || !utilisateur) {
        ADD_FAILURE() << "unexpected window";
        PfInjecteFermeture(boite->hwnd);  // never leave a wait with nobody to answer it
        return;
    }
    utilisateur(boite);
}

void Clique(Fenetre *f, int x, int y) {
    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_BAS, x, y, PF_MK_GAUCHE);
    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_HAUT, x, y, 0);
}
void Ok(Fenetre *f) {
    Clique(f, 295, 130);
}
void Annuler(Fenetre *f) {
    Clique(f, 295, 170);
}

uint32_t Rgb(Couleur c) {
    return Valeur(c);
}

class Palettes : public Banc {
protected:
    void SetUp() override {
        Banc::SetUp();
        ouvertures = 0;
        boiteConstruite = Construite;
    }
    void TearDown() override {
        boiteConstruite = nullptr;
        utilisateur = nullptr;
        Banc::TearDown();
    }

    Couleur Choisit(std::function<void(Fenetre *)> script) {
        utilisateur = script;
        Couleur c = ChoisitCouleur(police, &ecran);
        EXPECT_EQ(ouvertures, 1);
        EXPECT_EQ(int{ecran.nbFenetres}, 1) << "the dialog's window is left behind";
        return c;
    }
};

TEST_F(Palettes, OkAtOnceGivesBlack) {
    EXPECT_EQ(Rgb(Choisit(Ok)), 0x000000u);
}

TEST_F(Palettes, TheCornerCellsGiveTheDimmestGreenAndTheBrightestGrey) {
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 6, 6);
                  Ok(f);
              })),
              0x001E00u);
    ouvertures = 0;
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 234, 194);
                  Ok(f);
              })),
              0xFAFAFAu);
}

TEST_F(Palettes, RowsAreHuesAndColumnsIntensities) {
    // Row 4 (v, v/2, 0), column 7: v = 100.
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 5 + 10 * 7 + 3, 5 + 10 * 4 + 3);
                  Ok(f);
              })),
              0x643200u);
}

TEST_F(Palettes, AnnulerGivesItsOwnGreyEvenAfterAPick) {
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 6, 6);
                  Annuler(f);
              })),
              0x2C2C2Cu);
}

TEST_F(Palettes, MovesAndPressesOutsideTheGridChooseNothing) {
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  PfInjecteSouris(f->hwnd, MSG_SOURIS, 50, 50, 0);
                  PfInjecteSouris(f->hwnd, MSG_SOURIS, 60, 60, PF_MK_GAUCHE);
                  PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_HAUT, 70, 70, 0);
                  Clique(f, 3, 100);    // the margin left of the grid
                  Clique(f, 237, 100);  // between the grid and the panel
                  Ok(f);
              })),
              0x000000u);
}

// The preview as the user sees it when pressing "Ok": read at the button's pause.
uint32_t apercu = 0;
Ecran *ecranApercu = nullptr;
void LitApercu(int) {
    apercu = PixelDe(ecranApercu->premiereFenetre->arrierePlan, 295, 75);
}

TEST_F(Palettes, APickShowsInThePreviewWithoutEndingTheDialog) {
    ecranApercu = &ecran;
    sommeil = LitApercu;
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 16, 16);  // row 1, column 1: (0, 0, 40)
                  Ok(f);
              })),
              0x000028u);
    EXPECT_EQ(apercu, 0x000028u);
}

TEST_F(Palettes, ClosingTheWindowKeepsThePickSoFar) {
    EXPECT_EQ(Rgb(Choisit([](Fenetre *f) {
                  Clique(f, 6, 6);
                  PfInjecteFermeture(f->hwnd);
              })),
              0x001E00u);
}

}  // namespace
