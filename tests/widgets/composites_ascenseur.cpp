// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bar driven by real presses, drags and releases: its value
// rules, its thumb's place and span, and its callback.
#include <vector>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/bouton.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

class Ascenseurs : public Banc {
protected:
    std::vector<int> appels;  // the ids the callback received

    static int Note(void *donnee, int id) {
        static_cast<Ascenseurs *>(donnee)->appels.push_back(id);
        return 1;
    }

    // A vertical bar on (10, 10)-(30, 210): track (10, 31)-(30, 189), travel 136.
    Ascenseur *Vertical(int valeur, int minimum, int maximum) {
        return CreeAscenseur(7, 'v', 10, 10, 30, 210, valeur, minimum, maximum, Gris(), Note, this, fenetre);
    }

    void Clique(int x, int y) {
        Appuie(x, y);
        Relache(x, y);
        Traite();
    }
};

TEST_F(Ascenseurs, ArrowsStepByOneAndTrackPressesByTenWithinTheRange) {
    Ascenseur *a = Vertical(5, 0, 100);
    EXPECT_EQ(a->pouce->y1, 31 + 3 + 5 * 136 / 100);

    Clique(20, 20);  // the up arrow
    EXPECT_EQ(a->valeur, 4);
    Clique(20, 35);  // above the thumb: 4 - 10 is raised to the minimum
    EXPECT_EQ(a->valeur, 0);
    Clique(20, 20);  // the up arrow at the minimum changes nothing
    EXPECT_EQ(a->valeur, 0);
    ChangeBornesAscenseur(a, 5, 0, 100);
    PlacePouceAscenseur(a);
    Clique(20, 120);  // below the thumb
    EXPECT_EQ(a->valeur, 15);
    Clique(20, 200);  // the down arrow
    EXPECT_EQ(a->valeur, 16);
    EXPECT_EQ(a->pouce->y1, 31 + 3 + 16 * 136 / 100);
    // Every press told the owner, even the ones that changed nothing.
    EXPECT_EQ(appels, (std::vector<int>{7, 7, 7, 7, 7}));
}

TEST_F(Ascenseurs, NearTheMaximumAPagePressStopsAtIt) {
    Ascenseur *a = Vertical(95, 0, 100);
    Clique(20, 185);
    EXPECT_EQ(a->valeur, 100);
    Clique(20, 200);
    EXPECT_EQ(a->valeur, 100);
}

TEST_F(Ascenseurs, AnEmptyRangeKeepsTheThumbAtTheTopAndStillCallsBack) {
    Ascenseur *a = Vertical(7, 7, 3);  // a maximum below the minimum becomes the minimum
    EXPECT_EQ(a->maximum, 7);
    EXPECT_EQ(a->pouce->y1, 34);
    Clique(20, 20);
    Clique(20, 200);
    Clique(20, 120);
    EXPECT_EQ(a->valeur, 7);
    EXPECT_EQ(a->pouce->y1, 34);
    EXPECT_EQ(appels.size(), 3u);
}

TEST_F(Ascenseurs, TheThumbSpansTheTrackLessItsMargins) {
    Ascenseur *v = Vertical(0, 0, 10);
    EXPECT_EQ(v->pouce->x1, v->piste->x1 + 3);
    EXPECT_EQ(v->pouce->x2, v->piste->x2 - 3);
    EXPECT_EQ(v->pouce->y2 - v->pouce->y1 + 1, 17);

    Ascenseur *h = CreeAscenseur(2, 'h', 50, 250, 250, 270, 10, 0, 10, Gris(), Note, this, fenetre);
    EXPECT_EQ(h->piste->x1, 71);
    EXPECT_EQ(h->piste->x2, 229);
    EXPECT_EQ(h->pouce->y1, h->piste->y1 + 3);
    EXPECT_EQ(h->pouce->y2, h->piste->y2 - 4);
    EXPECT_EQ(h->pouce->x1, 71 + 3 + 136);  // at the maximum: the far end of the travel
    EXPECT_EQ(h->pouce->x2 - h->pouce->x1 + 1, 17);
    // Drawn where it is stored: its dark outline, and the grey track just outside it.
    const int y = (h->pouce->y1 + h->pouce->y2) / 2;
    EXPECT_EQ(Pixel(h->pouce->x1, y), 0x0A0A0Au);
    EXPECT_EQ(Pixel(h->pouce->x1 - 1, y), 0x646464u);
}

TEST_F(Ascenseurs, DraggingTheThumbFollowsThePointerAndStopsAtTheEnds) {
    Ascenseur *a = Vertical(0, 0, 100);
    Appuie(20, 40);  // on the thumb (34..50), taken 6 pixels below its top
    Bouge(20, 100, PF_MK_GAUCHE);
    Traite();
    EXPECT_EQ(a->saisi, 1);
    EXPECT_EQ(a->valeur, (100 - 6 - 3 - 31) * 100 / 136);
    EXPECT_EQ(a->pouce->y1, 31 + 3 + a->valeur * 136 / 100);

    Bouge(20, 176, PF_MK_GAUCHE);  // the thumb at the end of its travel
    Bouge(20, 185, PF_MK_GAUCHE);  // past it: the value stays at the last one inside the range
    Traite();
    EXPECT_EQ(a->valeur, 100);
    Bouge(20, 32, PF_MK_GAUCHE);  // back past the start: -5 is refused
    Traite();
    EXPECT_EQ(a->valeur, 100);
    Bouge(20, 45, PF_MK_GAUCHE);
    Traite();
    EXPECT_EQ(a->valeur, (45 - 40) * 100 / 136);
}

TEST_F(Ascenseurs, AMoveWithNoButtonHeldEndsTheDrag) {
    Ascenseur *a = Vertical(0, 0, 100);
    Appuie(20, 40);
    Relache(20, 40);
    Bouge(20, 120, PF_MK_GAUCHE);
    Traite();
    EXPECT_EQ(a->saisi, 0);
    EXPECT_EQ(a->valeur, 0);
    // Moves beside the bar reach nothing.
    Appuie(20, 40);
    Bouge(60, 120, PF_MK_GAUCHE);
    Traite();
    EXPECT_EQ(a->valeur, 0);
}

}  // namespace
