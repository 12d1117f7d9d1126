// SPDX-License-Identifier: GPL-3.0-or-later
// Slates: what their callbacks are told of presses, moves and releases, the
// order in which stacked slates are offered an event, and their border.
#include "ecran/widgets/ardoise.h"

#include "widgets/banc.h"

using namespace banc;

namespace {

struct Rapport {
    int id, x, y, genre, boutons;
    bool operator==(const Rapport &o) const {
        return id == o.id && x == o.x && y == o.y && genre == o.genre && boutons == o.boutons;
    }
};

struct Journal {
    std::vector<Rapport> rapports;
    int reponse = 1;
};

int Note(void *donnee, int id, int x, int y, int genre, int boutons) {
    Journal *journal = static_cast<Journal *>(donnee);
    journal->rapports.push_back({id, x, y, genre, boutons});
    return journal->reponse;
}

std::ostream &operator<<(std::ostream &os, const Rapport &r) {
    return os << "{id " << r.id << " at " << r.x << "," << r.y << " genre " << r.genre << " buttons " << r.boutons
              << "}";
}

class Ardoises : public Banc {
protected:
    Journal journal;
    Ardoise *Pose(int id, Journal *j) {
        return CreeArdoise(id, 100, 100, 199, 199, nullptr, AlloueCouleur(200, 0, 0, fenetre), Note, j, fenetre);
    }
};

TEST_F(Ardoises, APressMovesAndTheReleaseReachTheCallbackWithGenreAndButton) {
    Pose(4, &journal);
    Appuie(110, 120);
    Bouge(120, 130, PF_MK_GAUCHE);
    Bouge(130, 140, PF_MK_GAUCHE);
    Relache(140, 150);
    Bouge(150, 160, 0);
    Traite();
    const std::vector<Rapport> attendu = {
        {4, 110, 120, 3, 1}, {4, 120, 130, 2, 1}, {4, 130, 140, 2, 1}, {4, 140, 150, 2, 0}, {4, 150, 160, 2, 0}};
    EXPECT_EQ(journal.rapports, attendu);
}

TEST_F(Ardoises, TheButtonCodeNamesOneHeldButtonOrNone) {
    Pose(4, &journal);
    Bouge(110, 110, PF_MK_MILIEU);
    Bouge(110, 110, PF_MK_DROIT);
    Bouge(110, 110, PF_MK_GAUCHE | PF_MK_DROIT);
    Traite();
    ASSERT_EQ(journal.rapports.size(), 3u);
    EXPECT_EQ(journal.rapports[0].boutons, 2);
    EXPECT_EQ(journal.rapports[1].boutons, 3);
    EXPECT_EQ(journal.rapports[2].boutons, 0);
}

TEST_F(Ardoises, OnlyTheNewestEnabledSlateUnderThePointerIsTold) {
    Journal dessous, dessus;
    Pose(1, &dessous);
    Ardoise *haut = Pose(2, &dessus);
    EXPECT_EQ(ClicArdoises(fenetre->ardoises, 150, 150, GENRE_APPUI, 1, fenetre, ecran), 1);
    haut->actif = 0;
    EXPECT_EQ(ClicArdoises(fenetre->ardoises, 150, 150, GENRE_MOUVEMENT, 0, fenetre, ecran), 1);
    EXPECT_EQ(dessus.rapports.size(), 1u);
    EXPECT_EQ(dessous.rapports.size(), 1u);
    EXPECT_EQ(ClicArdoises(fenetre->ardoises, 250, 150, GENRE_APPUI, 1, fenetre, ecran), -1);
    ChangeRappelArdoise(haut, nullptr, nullptr);
    haut->actif = 1;
    EXPECT_EQ(ClicArdoises(fenetre->ardoises, 150, 150, GENRE_APPUI, 1, fenetre, ecran), 1);
    EXPECT_EQ(dessous.rapports.size(), 1u);
}

TEST_F(Ardoises, ACallbackReturningTheEventCodeEndsTheWait) {
    Garde garde;
    Pose(1, &journal);
    journal.reponse = 7;
    EXPECT_EQ(ClicArdoises(fenetre->ardoises, 150, 150, GENRE_APPUI, 1, fenetre, ecran), 1);
    journal.reponse = CODE_EVENEMENT;
    Appuie(150, 150);
    AttendEvenement(ecran, fenetre);
    EXPECT_EQ(journal.rapports.size(), 2u);
    EXPECT_EQ(evenement.enAttente, 0);
}

TEST_F(Ardoises, TheBorderIsShadedFromTheWindowsBackgroundNotTheSlatesColour) {
    Pose(1, &journal);
    const uint32_t sombre = Valeur(NuanceCouleur(Gris(), 0.76f, fenetre));
    const uint32_t clair = Valeur(NuanceCouleur(Gris(), 1.24f, fenetre));
    EXPECT_EQ(Pixel(150, 100), sombre);
    EXPECT_EQ(Pixel(101, 150), sombre);
    EXPECT_EQ(Pixel(150, 199), clair);
    EXPECT_EQ(Pixel(198, 150), clair);
    EXPECT_EQ(Pixel(102, 102), Valeur(AlloueCouleur(200, 0, 0, fenetre)));
    EXPECT_EQ(Pixel(99, 150), Valeur(Gris()));
}

TEST_F(Ardoises, AnImageIsTiledInsideTheBorder) {
    const std::string image = Image("tuile.bmp", 4, 4);
    Ardoise *a = CreeArdoise(1, 100, 100, 199, 199, image.c_str(), Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(a->largeurImage, 4);
    EXPECT_EQ(Pixel(102, 102), PixelImage(0, 0));
    EXPECT_EQ(Pixel(107, 103), PixelImage(1, 1));
}

}  // namespace
