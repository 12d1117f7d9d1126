// SPDX-License-Identifier: GPL-3.0-or-later
// The list box: what it shows for its lines and scroll values, which line
// a press picks, and its scroll ranges.
#include <cstring>
#include <string>
#include <vector>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/zonetexte.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

const uint32_t BLANC = 0xFFFFFF;

class ZonesTexte : public Banc {
protected:
    int hauteur = 0;  // the font's line height, as the list box measures it
    std::vector<int> choix;

    void SetUp() override {
        Banc::SetUp();
        int largeur = 0;
        TailleTexte("PLHTWXQqpltg^/'_&", police, &largeur, &hauteur, fenetre);
        ASSERT_GT(hauteur, 0);
    }

    static int Note(void *donnee, int code) {
        static_cast<ZonesTexte *>(donnee)->choix.push_back(code);
        return 1;
    }

    Couleur Encre() {
        return AlloueCouleur(0, 0, 100, fenetre);
    }

    // A list box 200 pixels wide with room for `lignes` lines and `reste` pixels more.
    ZoneTexte *Cree(const char *const *textes, int nombre, int lignes, int reste = 0) {
        const int y2 = 5 + 21 + lignes * hauteur + reste;
        return CreeZoneTexte(3, 20, 5, 220, y2, textes, nombre, police, Encre(), Note, this, fenetre);
    }

    // Whether the band where line i of the area is written holds any ink.
    bool Encree(ZoneTexte *z, int i) {
        const int haut = z->y1 + i * hauteur + hauteur / 4;
        for (int y = haut; y < haut + hauteur - 1; y++)
            for (int x = z->x1 + 5; x < z->zone->x2 - 2; x++)
                if (Pixel(x, y) != BLANC)
                    return true;
        return false;
    }

    // A pixel of the right side of the highlight frame around shown line i.
    uint32_t CoinCadre(ZoneTexte *z, int i) {
        return Pixel(z->x2 - 25, z->y1 + i * hauteur + hauteur / 2);
    }

    void Clique(int x, int y) {
        Appuie(x, y);
        Relache(x, y);
        Traite();
    }
};

const char *const TROIS[] = {"Un", "Deux", "Trois"};

TEST_F(ZonesTexte, FewerLinesThanRoomShowsThemAllFromTheTop) {
    ZoneTexte *z = Cree(TROIS, 3, 10);
    ASSERT_EQ(z->lignesVisibles, 10);
    EXPECT_EQ(z->ascenseurV->minimum, 0);
    EXPECT_EQ(z->ascenseurV->maximum, 0);
    EXPECT_EQ(z->selection, -1);
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(Encree(z, i)) << "line " << i;
    EXPECT_FALSE(Encree(z, 3));
}

TEST_F(ZonesTexte, APressPicksTheLineAndAPressBelowTheLastClearsThePick) {
    ZoneTexte *z = Cree(TROIS, 3, 10);
    Clique(100, z->y1 + hauteur + hauteur / 2);
    EXPECT_EQ(z->selection, 1);
    EXPECT_EQ(choix, (std::vector<int>{99}));
    const uint32_t clair = Valeur(NuanceCouleur(Encre(), 1.24f, fenetre));
    EXPECT_EQ(CoinCadre(z, 1), clair);

    Clique(100, z->y1 + 5 * hauteur + hauteur / 2);
    EXPECT_EQ(z->selection, -1);
    EXPECT_EQ(choix.size(), 1u);        // no callback for a press on no line
    EXPECT_EQ(CoinCadre(z, 1), clair);  // and no redraw: the old highlight stays
    TraceZoneTexte(z, fenetre);
    EXPECT_EQ(CoinCadre(z, 1), BLANC);
}

TEST_F(ZonesTexte, APressPicksTheLineUnderItAllDownTheArea) {
    // The chooser's geometry, whose area is taller than its whole lines.
    const char *const lignes[] = {"a", "b", "c", "d", "e", "f", "g", "h"};
    ZoneTexte *z = CreeZoneTexte(0, 20, 90, 170, 230, lignes, 8, police, Encre(), Note, this, fenetre);
    for (int i = 0; i < z->lignesVisibles; i++) {
        Clique(60, z->y1 + i * hauteur + 2);
        EXPECT_EQ(z->selection, i) << "top of line " << i;
        Clique(60, z->y1 + (i + 1) * hauteur);
        EXPECT_EQ(z->selection, i) << "bottom of line " << i;
    }
    // The strip below the last whole line shows nothing and picks nothing.
    Clique(60, z->zone->y2 - 1);
    EXPECT_EQ(z->selection, -1);
}

TEST_F(ZonesTexte, PicksCountFromTheFirstShownLine) {
    const char *const lignes[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
    ZoneTexte *z = Cree(lignes, 8, 5);
    EXPECT_EQ(z->ascenseurV->maximum, 3);
    Clique(210, z->y2 - 30);  // the vertical bar's down arrow
    Clique(210, z->y2 - 30);
    EXPECT_EQ(z->ascenseurV->valeur, 2);
    EXPECT_TRUE(Encree(z, 4));
    Clique(100, z->y1 + hauteur / 2);
    EXPECT_EQ(z->selection, 2);
}

TEST_F(ZonesTexte, ScrollingRightPastAShortLineShowsItEmpty) {
    const char *const lignes[] = {"ab", "une ligne bien trop longue pour la zone"};
    ZoneTexte *z = Cree(lignes, 2, 4);
    EXPECT_GT(z->caracteresVisibles, 2);
    EXPECT_EQ(z->ascenseurH->maximum, int(strlen(lignes[1])) - z->caracteresVisibles);
    for (int i = 0; i < 2; i++)
        Clique(z->x2 - 30, z->y2 - 10);  // the horizontal bar's right arrow
    EXPECT_EQ(z->ascenseurH->valeur, 2);
    EXPECT_FALSE(Encree(z, 0));
    EXPECT_TRUE(Encree(z, 1));
}

TEST_F(ZonesTexte, EmptyLinesFitNoCharacterAndAllowNoHorizontalScroll) {
    const char *const lignes[] = {"", "", ""};
    ZoneTexte *z = Cree(lignes, 3, 4);
    EXPECT_EQ(z->caracteresVisibles, 0);
    EXPECT_EQ(z->ascenseurH->maximum, 0);
    ChangeLignesZoneTexte(z, lignes, 0);
    EXPECT_EQ(z->caracteresVisibles, 0);
    EXPECT_EQ(z->ascenseurV->maximum, 0);
}

TEST_F(ZonesTexte, NewLinesResetTheScrollAndAStalePickHighlightsNothing) {
    const char *const lignes[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
    ZoneTexte *z = Cree(lignes, 8, 6);
    Clique(100, z->y1 + 4 * hauteur + hauteur / 2);
    ASSERT_EQ(z->selection, 4);
    Clique(210, z->y2 - 30);
    ASSERT_EQ(z->ascenseurV->valeur, 1);

    ChangeLignesZoneTexte(z, lignes, 2);
    EXPECT_EQ(z->selection, 4);  // the owner clears it if it wants to
    EXPECT_EQ(z->ascenseurV->valeur, 0);
    EXPECT_EQ(z->ascenseurV->maximum, 0);
    TraceZoneTexte(z, fenetre);
    for (int i = 0; i < z->lignesVisibles; i++)
        EXPECT_EQ(CoinCadre(z, i), BLANC) << "line " << i;
    EXPECT_FALSE(Encree(z, 2));
}

}  // namespace
