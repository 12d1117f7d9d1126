// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus through the real wait calls: the order Tab follows,
// the ring it leaves no trace of, one press per Return, an entry edited
// from the keyboard, the arrows on the composites, a slate's marker.
#include "ecran/widgets/focus.h"

#include <string>
#include <vector>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"
#include "pixels.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

const char *const FRUITS[] = {"Abricot", "Banane", "Cerise", "Datte", "Figue", "Groseille", "Kiwi", "Mangue"};

class Focus : public Banc {
protected:
    std::vector<int> presses;
    std::vector<int> touches;

    void SetUp() override {
        Banc::SetUp();
        CacheFocus(&ecran);
    }
    void TearDown() override {
        CacheFocus(&ecran);
        Banc::TearDown();
    }

    static int Note(void *donnee, int id) {
        static_cast<Focus *>(donnee)->presses.push_back(id);
        return 1;
    }
    static int NoteTouche(void *donnee, int touche) {
        static_cast<Focus *>(donnee)->touches.push_back(touche);
        return 1;
    }
    // Takes Return only, and ends the wait with it.
    static int FinSurRetour(void *donnee, int touche) {
        static_cast<Focus *>(donnee)->touches.push_back(touche);
        return touche == CLAVIER_RETOUR ? int(CODE_EVENEMENT) : 0;
    }

    Bouton *Pose(int id, int x1, int y1, int x2, int y2) {
        return CreeBouton(id, x1, y1, x2, y2, "B", police, nullptr, AlloueCouleur(20, 70, 193, fenetre),
                          AlloueCouleur(255, 200, 80, fenetre), Note, this, fenetre);
    }

    // A key as a person presses it: the key, then the character it types.
    void Frappe(int virtuel, const char *caractere = nullptr, uint32_t modificateurs = 0) {
        PfInjecteTouche(fenetre->hwnd, virtuel, modificateurs);
        if (caractere != nullptr)
            Tape(caractere);
        Traite();
    }
    void Tab(uint32_t modificateurs = 0) {
        Frappe(CLAVIER_TAB, nullptr, modificateurs);
    }
};

TEST_F(Focus, TabFollowsReadingOrderOverEveryKindAndShiftTabGoesBack) {
    // Created out of order; the composites' own arrows, thumbs and entries are no stops.
    Bouton *bas = Pose(1, 300, 250, 380, 280);
    Ascenseur *barre = CreeAscenseur(2, 'h', 20, 250, 280, 270, 0, 0, 10, Gris(), nullptr, nullptr, fenetre);
    BoiteNombre *boite = CreeBoiteNombre(3, 210, 10, 380, 40, 5, police, 0, 9, Gris(), nullptr, nullptr, fenetre);
    Texte *texte = CreeTexte(4, 10, 10, 200, 40, "a", police, 8, Gris(), nullptr, nullptr, fenetre);
    ZoneTexte *zone = CreeZoneTexte(5, 10, 60, 200, 200, FRUITS, 8, police, Gris(), nullptr, nullptr, fenetre);
    Ardoise *ardoise = CreeArdoise(6, 220, 60, 380, 200, nullptr, Gris(), nullptr, nullptr, fenetre);
    CreeArdoise(7, 220, 210, 380, 240, nullptr, Gris(), nullptr, nullptr, fenetre);  // not focusable
    RendArdoiseFocalisable(ardoise, NoteTouche, this, fenetre);
    const std::vector<const void *> ordre = {texte, boite, zone, ardoise, barre, bas};
    for (const void *attendu : ordre) {
        Tab();
        EXPECT_EQ(WidgetFocus(fenetre), attendu);
    }
    Tab();
    EXPECT_EQ(WidgetFocus(fenetre), texte) << "round the window";
    Tab(PF_MK_MAJ);
    EXPECT_EQ(WidgetFocus(fenetre), bas);
    Tab(PF_MK_MAJ);
    EXPECT_EQ(WidgetFocus(fenetre), barre);
    EXPECT_TRUE(presses.empty());
}

TEST_F(Focus, TheRingShowsOnlyAfterTabAndGoesWithoutTraceAtTheNextPress) {
    Bouton *a = Pose(1, 20, 20, 120, 60);
    Bouton *b = Pose(2, 20, 100, 120, 140);
    DonneFocus(a, fenetre);
    const std::vector<uint32_t> avantA = Zone(15, 15, 125, 65), avantB = Zone(15, 95, 125, 145);
    Frappe(CLAVIER_RETOUR, "\r");  // pressing is not moving: nothing shows
    EXPECT_EQ(Zone(15, 15, 125, 65), avantA);
    Tab();
    EXPECT_EQ(WidgetFocus(fenetre), b);
    EXPECT_EQ(Zone(15, 15, 125, 65), avantA) << "the ring left the first button without a trace";
    // Two rings of one colour that stands out from the face and the grey window.
    const uint32_t anneau = Pixel(60, 101);
    EXPECT_EQ(Pixel(60, 102), anneau);
    EXPECT_EQ(Pixel(21, 120), anneau);
    EXPECT_NE(anneau, avantB[(101 - 95) * 111 + 45]);
    EXPECT_NE(anneau, Valeur(Gris()));
    EXPECT_NE(anneau, Valeur(AlloueCouleur(20, 70, 193, fenetre)));
    EXPECT_EQ(PixelEcran(fenetre, 60, 101), anneau) << "and reached the screen";
    Appuie(300, 250);
    Traite();
    EXPECT_EQ(Zone(15, 95, 125, 145), avantB);
    EXPECT_EQ(PixelEcran(fenetre, 60, 101), avantB[(101 - 95) * 111 + 45]);
    EXPECT_EQ(WidgetFocus(fenetre), b) << "the mouse hides the focus, it does not move it";
}

TEST_F(Focus, ReturnOrSpacePressesTheFocusedButtonOnceAsAClickDoes) {
    Pose(1, 20, 20, 120, 60);
    Bouton *b = Pose(2, 20, 100, 120, 140);
    DonneFocus(b, fenetre);
    Frappe(CLAVIER_RETOUR);
    PfInjecteTouche(fenetre->hwnd, CLAVIER_ESPACE);
    Tape(" ");
    Traite();
    EXPECT_EQ(presses, (std::vector<int>{2, 2}));
    EXPECT_EQ(sommeils, (std::vector<int>{5, 5})) << "each shown pressed as a click shows it";
    b->rappel = [](void *, int) { return int(CODE_EVENEMENT); };
    PfInjecteTouche(fenetre->hwnd, CLAVIER_RETOUR);
    EXPECT_EQ(TesteClic(ecran, fenetre, nullptr, nullptr), 1) << "its callback's event code ends the wait";
}

TEST_F(Focus, ReturnStartsEditingAnEntryWhoseOwnReturnEndsIt) {
    Texte *texte =
        CreeTexte(4, 10, 10, 200, 40, "Jo", police, 8, AlloueCouleur(0, 0, 0, fenetre), nullptr, nullptr, fenetre);
    Bouton *b = Pose(1, 20, 100, 120, 140);
    DonneFocus(texte, fenetre);
    // Queued together, as a fast typist sends them: the Return that starts
    // the edit is no Return in it, the space types a blank, Tab leaves.
    PfInjecteTouche(fenetre->hwnd, CLAVIER_RETOUR);
    Tape("e ");
    PfInjecteTouche(fenetre->hwnd, CLAVIER_ESPACE);
    Tape(" ");
    Tape("X");
    PfInjecteTouche(fenetre->hwnd, CLAVIER_RETOUR);
    Traite();
    EXPECT_STREQ(texte->texte, "Joe  X");
    EXPECT_EQ(texte->edition, 0);
    EXPECT_EQ(evenement.texteEnEdition, nullptr);
    EXPECT_TRUE(presses.empty());
    PfInjecteTouche(fenetre->hwnd, CLAVIER_ESPACE);
    Tape(" ");
    Tape("Z");
    PfInjecteTouche(fenetre->hwnd, CLAVIER_TAB);
    Traite();
    EXPECT_STREQ(texte->texte, "Joe  XZ") << "Tab is no character of a name";
    EXPECT_EQ(texte->edition, 0);
    EXPECT_EQ(WidgetFocus(fenetre), b) << "it ends the edit and moves on";
}

TEST_F(Focus, ArrowsStepTheCompositesAndMoveAListBoxsPick) {
    std::vector<int> valeurs;
    auto note = [](void *donnee, int valeur, int) { static_cast<std::vector<int> *>(donnee)->push_back(valeur); };
    BoiteNombre *boite = CreeBoiteNombre(3, 210, 10, 380, 40, 5, police, 0, 9, Gris(), note, &valeurs, fenetre);
    DonneFocus(boite, fenetre);
    Frappe(CLAVIER_HAUT);  // shows the focus only
    Frappe(CLAVIER_HAUT);
    Frappe(CLAVIER_BAS);
    Frappe(CLAVIER_BAS);
    EXPECT_EQ(valeurs, (std::vector<int>{6, 5, 4}));
    EXPECT_EQ(boite->valeur, 4);

    std::vector<int> choix;
    auto choisit = [](void *donnee, int code) {
        static_cast<std::vector<int> *>(donnee)->push_back(code);
        return 1;
    };
    ZoneTexte *zone = CreeZoneTexte(5, 10, 60, 200, 130, FRUITS, 8, police, Gris(), choisit, &choix, fenetre);
    ASSERT_LT(zone->lignesVisibles, 8);
    DonneFocus(zone, fenetre);
    for (int i = 0; i < 8; i++)
        Frappe(CLAVIER_BAS);
    EXPECT_EQ(zone->selection, 7) << "stops at the last line";
    EXPECT_EQ(zone->ascenseurV->valeur, 8 - zone->lignesVisibles) << "scrolled into view";
    EXPECT_TRUE(choix.empty()) << "walking through the lines picks none";
    Frappe(CLAVIER_RETOUR, "\r");
    EXPECT_EQ(choix, std::vector<int>{99});
}

TEST_F(Focus, ASlatesMarkerFollowsRedrawsAndIsTakenOffExactly) {
    Ardoise *ardoise =
        CreeArdoise(6, 20, 20, 220, 220, nullptr, AlloueCouleur(100, 0, 100, fenetre), nullptr, nullptr, fenetre);
    RendArdoiseFocalisable(ardoise, NoteTouche, this, fenetre);
    PlaceMarqueArdoise(ardoise, 51, 51, 98, 98, fenetre);
    DonneFocus(ardoise, fenetre);
    RemplitRectangle(51, 51, 98, 98, AlloueCouleur(0, 200, 0, fenetre), fenetre);
    std::vector<uint32_t> attendu = Zone(20, 20, 220, 220);
    Frappe(CLAVIER_DROITE);  // shows it: the slate hears nothing yet
    EXPECT_TRUE(touches.empty());
    const uint32_t marque = Pixel(51, 51);
    EXPECT_NE(marque, 0x00C800u);
    EXPECT_EQ(Pixel(53, 75), marque);
    EXPECT_EQ(Pixel(54, 75), 0x00C800u) << "3 pixels wide, inside the rectangle";
    // The owner draws over part of the place: the marker comes back on top,
    // and what it now covers there is what will be put back.
    RemplitRectangle(40, 51, 70, 98, AlloueCouleur(0, 0, 255, fenetre), fenetre);
    ZoneRedessinee(40, 51, 70, 98, fenetre);
    EXPECT_EQ(Pixel(51, 75), Pixel(97, 75));
    EXPECT_NE(Pixel(51, 75), 0x0000FFu);
    for (int y = 51; y <= 98; y++)
        for (int x = 40; x <= 70; x++)
            attendu[(y - 20) * 201 + (x - 20)] = 0x0000FF;
    Frappe(CLAVIER_DROITE);
    Frappe(CLAVIER_RETOUR, "\r");
    EXPECT_EQ(touches, (std::vector<int>{CLAVIER_DROITE, CLAVIER_RETOUR}));
    PlaceMarqueArdoise(ardoise, 101, 51, 148, 98, fenetre);
    EXPECT_NE(Pixel(101, 75), Pixel(104, 75)) << "the marker moved";
    Appuie(300, 250);
    Traite();
    EXPECT_EQ(Zone(20, 20, 220, 220), attendu) << "no trace of the marker at either place";
}

TEST_F(Focus, AWindowsOwnCallbackTakesWhatNoWidgetTakes) {
    ChangeRappelClavier(fenetre, FinSurRetour, this);
    PfInjecteTouche(fenetre->hwnd, 'A');
    PfInjecteTouche(fenetre->hwnd, CLAVIER_RETOUR);
    EXPECT_EQ(AttendClic(ecran, fenetre, nullptr, nullptr), 1) << "a click wait ends on the window's Return";
    EXPECT_EQ(touches, (std::vector<int>{'A', CLAVIER_RETOUR}));
}

}  // namespace
