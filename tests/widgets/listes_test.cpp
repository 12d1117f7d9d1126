// SPDX-License-Identifier: GPL-3.0-or-later
// The widget lists of a window: links, counts, emptying, hit edges, the
// name limits and the release of images.
#include <cstdint>
#include <cstring>
#include <string>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/listes.h"
#include "ecran/widgets/texte.h"
#include "memoire.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

class Listes : public Banc {
protected:
    Bouton *NouveauBouton(int id) {
        return CreeBouton(id, 10, 10, 60, 40, nullptr, nullptr, nullptr, Gris(), Gris(), nullptr, nullptr, fenetre);
    }

    // Walks the button list both ways and checks it against the count.
    std::vector<int> Identifiants() {
        std::vector<int> ids;
        Bouton *precedent = nullptr;
        for (Bouton *b = fenetre->boutons; b != nullptr; b = b->suivant) {
            EXPECT_EQ(b->precedent, precedent) << "back link of button " << b->id;
            ids.push_back(b->id);
            precedent = b;
        }
        EXPECT_EQ(static_cast<int>(ids.size()), fenetre->nbBoutons);
        return ids;
    }
};

TEST_F(Listes, NewestFirstAndConsistentAfterEachKindOfRemoval) {
    Bouton *b[5];
    for (int i = 0; i < 5; i++)
        b[i] = NouveauBouton(i);
    EXPECT_EQ(Identifiants(), (std::vector<int>{4, 3, 2, 1, 0}));

    DetruitBouton(b[4], fenetre);  // the head
    EXPECT_EQ(Identifiants(), (std::vector<int>{3, 2, 1, 0}));
    DetruitBouton(b[2], fenetre);  // a middle one
    EXPECT_EQ(Identifiants(), (std::vector<int>{3, 1, 0}));
    DetruitBouton(b[0], fenetre);  // the oldest
    EXPECT_EQ(Identifiants(), (std::vector<int>{3, 1}));
    DetruitBouton(nullptr, fenetre);
    EXPECT_EQ(Identifiants(), (std::vector<int>{3, 1}));
    DetruitBouton(b[3], fenetre);
    DetruitBouton(b[1], fenetre);
    EXPECT_EQ(fenetre->boutons, nullptr);
    EXPECT_EQ(fenetre->nbBoutons, 0);
}

TEST_F(Listes, NullIsAcceptedByEveryDestroy) {
    DetruitFrame(nullptr, fenetre);
    DetruitTexte(nullptr, fenetre);
    DetruitArdoise(nullptr, fenetre);
    EXPECT_EQ(fenetre->nbFrames + fenetre->nbTextes + fenetre->nbArdoises, 0);
}

TEST_F(Listes, EmptyingTheWindowClearsEveryListAndAnEditAndRepaints) {
    CreeFrame(0, 0, 399, 299, nullptr, AlloueCouleur(200, 0, 0, fenetre), fenetre);
    NouveauBouton(1);
    NouveauBouton(2);
    Texte *texte = CreeTexte(1, 100, 100, 200, 140, "nom", police, 8, Gris(), nullptr, nullptr, fenetre);
    CreeArdoise(1, 200, 200, 300, 280, nullptr, Gris(), nullptr, nullptr, fenetre);
    texte->edition = 1;
    evenement.texteEnEdition = texte;

    VideFenetre(fenetre);

    EXPECT_EQ(evenement.texteEnEdition, nullptr);
    EXPECT_EQ(fenetre->frames, nullptr);
    EXPECT_EQ(fenetre->boutons, nullptr);
    EXPECT_EQ(fenetre->textes, nullptr);
    EXPECT_EQ(fenetre->ardoises, nullptr);
    EXPECT_EQ(fenetre->nbFrames + fenetre->nbBoutons + fenetre->nbTextes + fenetre->nbArdoises, 0);
    EXPECT_EQ(Pixel(5, 5), Valeur(Gris()));
    EXPECT_EQ(Pixel(399, 299), Valeur(Gris()));
}

TEST_F(Listes, ButtonsTextEntriesAndSlatesAreHitUpToTheirLastPixelOnly) {
    NouveauBouton(7);  // (10, 10)-(60, 40)
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 10, 10, fenetre), 0);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 60, 40, fenetre), 0);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 61, 40, fenetre), -1);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 60, 41, fenetre), -1);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 9, 10, fenetre), -1);

    Ardoise *ardoise = CreeArdoise(1, 100, 100, 150, 120, nullptr, Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(ClicArdoise(ardoise, 150, 120, GENRE_APPUI, 1), 1);
    EXPECT_EQ(ClicArdoise(ardoise, 151, 120, GENRE_APPUI, 1), 0);
    EXPECT_EQ(ClicArdoise(ardoise, 150, 121, GENRE_APPUI, 1), 0);

    Texte *texte = CreeTexte(1, 200, 200, 250, 230, "", police, 8, Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(ClicTexte(texte, 251, 230, fenetre, ecran), 0);
    EXPECT_EQ(ClicTexte(texte, 250, 231, fenetre, ecran), 0);
    EXPECT_EQ(evenement.texteEnEdition, nullptr);
}

// Where a bevel's two shades meet, slates (and frames) give the bottom-left
// corner to the left edge, buttons (and text entries) to the bottom edge.
TEST_F(Listes, BevelCornersGoToTheEdgeEachKindDrawsLast) {
    const uint32_t sombre = Valeur(NuanceCouleur(Gris(), 0.76f, fenetre));
    const uint32_t clair = Valeur(NuanceCouleur(Gris(), 1.24f, fenetre));
    CreeArdoise(1, 100, 100, 199, 199, nullptr, Gris(), nullptr, nullptr, fenetre);  // sunken
    NouveauBouton(1);                                                                // raised, (10, 10)-(60, 40)
    EXPECT_EQ(Pixel(100, 199), sombre);
    EXPECT_EQ(Pixel(199, 100), clair);
    EXPECT_EQ(Pixel(11, 39), sombre);
    EXPECT_EQ(Pixel(59, 11), sombre);
}

// --- Names that do not fit their 256-byte buffers ------------------------------

class Noms : public Listes {
protected:
    std::string Nom(size_t longueur) {
        return std::string(longueur, 'n');
    }
};

TEST(AllocationDeWidget, ARefusedAllocationEndsTheProgramWithStatus1AndItsMessage) {
    EXPECT_EXIT(AlloueWidget(SIZE_MAX / 2, "Allocation d'un bouton"), ::testing::ExitedWithCode(1),
                "Allocation d'un bouton: ");
}

TEST_F(Noms, AnImageNameOf254CharactersIsKeptAndLoaded) {
    const std::string nom = Image(std::string(254 - dossier.size() - 1, 'n').c_str());
    ASSERT_EQ(nom.size(), 254u);
    Frame *frame = CreeFrame(0, 0, 50, 50, nom.c_str(), Gris(), fenetre);
    EXPECT_EQ(std::string(frame->nomImage), nom);
    EXPECT_NE(frame->image, nullptr);
}

TEST_F(Noms, AnImageNameOf255CharactersEndsTheProgramWithStatus3) {
    const std::string nom = Nom(255);
    const char *n = nom.c_str();
    Couleur c = Gris();
    EXPECT_EXIT(CreeFrame(0, 0, 50, 50, n, c, fenetre), ::testing::ExitedWithCode(3), "Nom de l'image: n+ trop long");
    EXPECT_EXIT(CreeArdoise(0, 0, 0, 50, 50, n, c, nullptr, nullptr, fenetre), ::testing::ExitedWithCode(3),
                "Nom de l'image: n+ trop long");
    EXPECT_EXIT(CreeBouton(0, 0, 0, 50, 50, nullptr, nullptr, n, c, c, nullptr, nullptr, fenetre),
                ::testing::ExitedWithCode(3), "Nom de l'image: n+ trop long");
    Bouton *bouton = NouveauBouton(1);
    EXPECT_EXIT(ChangeImageBouton(bouton, n, fenetre), ::testing::ExitedWithCode(3), "Nom de l'image: n+ trop long");
}

TEST_F(Noms, LongCaptionsAreCutAtCreationAndRefusedLater) {
    const std::string long300 = Nom(300);
    Bouton *bouton =
        CreeBouton(1, 0, 0, 50, 50, long300.c_str(), police, nullptr, Gris(), Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(std::string(bouton->texte), Nom(255));
    const std::string long255 = Nom(255);
    EXPECT_EXIT(ChangeTexteBouton(bouton, long255.c_str(), fenetre), ::testing::ExitedWithCode(3),
                "text: n+ trop long");
    ChangeTexteBouton(bouton, Nom(254).c_str(), fenetre);
    EXPECT_EQ(strlen(bouton->texte), 254u);
}

TEST_F(Noms, TextEntryContentsOf255CharactersEndTheProgramWithStatus3) {
    const std::string long255 = Nom(255);
    const char *n = long255.c_str();
    Couleur c = Gris();
    EXPECT_EXIT(CreeTexte(1, 0, 0, 100, 30, n, police, 300, c, nullptr, nullptr, fenetre), ::testing::ExitedWithCode(3),
                "Texte initial: n+ trop long");
    Texte *texte = CreeTexte(1, 0, 0, 100, 30, "", police, 300, c, nullptr, nullptr, fenetre);
    EXPECT_EQ(texte->longueurMax, 256);
    EXPECT_EXIT(ChangeTexte(texte, n, fenetre), ::testing::ExitedWithCode(3), "Texte initial: n+ trop long");
}

// --- Images are released with their widgets -------------------------------------

TEST_F(Listes, RebuildingAScreenOfImageWidgetsAThousandTimesKeepsMemoryFlat) {
    const std::string image = Image("tuile.bmp", 16, 16);
    const char *nom = image.c_str();
    auto construit = [&] {
        for (int i = 0; i < 10; i++) {
            const int x = 10 + 35 * i;
            CreeFrame(x, 10, x + 30, 60, nom, Gris(), fenetre);
            Bouton *b = CreeBouton(i, x, 70, x + 30, 100, "b", police, nom, Gris(), Gris(), nullptr, nullptr, fenetre);
            ChangeImageBouton(b, nom, fenetre);
            CreeArdoise(i, x, 110, x + 30, 160, nom, Gris(), nullptr, nullptr, fenetre);
        }
    };
    construit();
    VideFenetre(fenetre);
    const size_t apresPremier = OctetsAlloues();
    for (int tour = 0; tour < 1000; tour++) {
        construit();
        VideFenetre(fenetre);
    }
    EXPECT_LT(OctetsAlloues(), apresPremier + 1024 * 1024);
}

}  // namespace
