// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons: routing of a press through stacked buttons, the pressed look,
// the caption's shortening and the setters.
#include "ecran/widgets/bouton.h"

#include <cstring>
#include <string>

#include "widgets/banc.h"

using namespace banc;

namespace {

// Records every callback in order and answers what the test chose.
struct Journal {
    std::vector<int> ids;
    int reponse = 1;
};

int Note(void *donnee, int id) {
    Journal *journal = static_cast<Journal *>(donnee);
    journal->ids.push_back(id);
    return journal->reponse;
}

class Boutons : public Banc {
protected:
    Journal bas, haut;  // the older and the newer of two stacked buttons

    Bouton *Pose(int id, int x1, int y1, int x2, int y2, Journal *journal, const char *texte = nullptr) {
        return CreeBouton(id, x1, y1, x2, y2, texte, police, nullptr, Gris(), AlloueCouleur(0, 0, 0, fenetre), Note,
                          journal, fenetre);
    }
};

TEST_F(Boutons, APressReachesTheNewerOfTwoStackedButtonsOnly) {
    Pose(1, 10, 10, 80, 40, &bas);
    Pose(2, 10, 10, 80, 40, &haut);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), 0);
    EXPECT_EQ(haut.ids, std::vector<int>{2});
    EXPECT_TRUE(bas.ids.empty());
}

TEST_F(Boutons, ACallbackReturningZeroLetsThePressGoOnBelow) {
    Pose(1, 10, 10, 80, 40, &bas);
    Pose(2, 10, 10, 80, 40, &haut);
    haut.reponse = 0;
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), 1);  // taken by the second in the list
    EXPECT_EQ(haut.ids, std::vector<int>{2});
    EXPECT_EQ(bas.ids, std::vector<int>{1});
}

TEST_F(Boutons, TheEventCodeAndOtherAnswersAreHandedUpUnchanged) {
    Bouton *b = Pose(1, 10, 10, 80, 40, &bas);
    bas.reponse = CODE_EVENEMENT;
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), CODE_EVENEMENT);
    bas.reponse = 5;
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), 5);
    b->rappel = nullptr;
    EXPECT_EQ(ClicBouton(b, 20, 20, fenetre), 1);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 200, 200, fenetre), -1);
    EXPECT_EQ(bas.ids.size(), 2u);
}

TEST_F(Boutons, ADisabledButtonIsDrawnAsUsualButPassesPressesThrough) {
    Pose(1, 10, 10, 80, 40, &bas, "Ok");
    const std::vector<uint32_t> actif = Zone(10, 10, 80, 40);
    Bouton *dessus = Pose(2, 10, 10, 80, 40, &haut, "Ok");
    DesactiveBouton(dessus);
    TraceBouton(dessus, fenetre);
    EXPECT_EQ(Zone(10, 10, 80, 40), actif);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), 1);
    EXPECT_TRUE(haut.ids.empty());
    EXPECT_EQ(bas.ids, std::vector<int>{1});
    ActiveBouton(dessus);
    EXPECT_EQ(ClicBoutons(fenetre->boutons, 20, 20, fenetre), 0);
    EXPECT_EQ(haut.ids, std::vector<int>{2});
}

TEST_F(Boutons, APressDrawsAndRefreshesThePressedLookThenTheRaisedOneBeforeTheCallback) {
    static Fenetre *vue;
    static std::vector<std::pair<uint32_t, uint32_t>> pendantLaPause;  // back buffer, screen
    static std::vector<uint32_t> pendantLeRappel;
    vue = fenetre;
    pendantLaPause.clear();
    pendantLeRappel.clear();
    sommeil = [](int ms) {
        sommeils.push_back(ms);
        pendantLaPause.push_back({PixelDe(vue->arrierePlan, 11, 11), PixelDe(vue->surfacePrimaire, 11, 11)});
    };
    Bouton *b = CreeBouton(
        1, 10, 10, 80, 40, nullptr, nullptr, nullptr, Gris(), Gris(),
        [](void *, int) {
            pendantLeRappel.push_back(PixelDe(vue->arrierePlan, 11, 11));
            pendantLeRappel.push_back(PixelDe(vue->surfacePrimaire, 11, 11));
            return 1;
        },
        nullptr, fenetre);
    const uint32_t sombre = Valeur(NuanceCouleur(Gris(), 0.76f, fenetre));
    const uint32_t clair = Valeur(NuanceCouleur(Gris(), 1.24f, fenetre));
    EXPECT_EQ(Pixel(11, 11), clair);

    EXPECT_EQ(ClicBouton(b, 30, 30, fenetre), 1);
    EXPECT_EQ(sommeils, std::vector<int>{5});
    ASSERT_EQ(pendantLaPause.size(), 1u);
    EXPECT_EQ(pendantLaPause[0].first, sombre);
    EXPECT_EQ(pendantLaPause[0].second, sombre);
    EXPECT_EQ(pendantLeRappel, (std::vector<uint32_t>{clair, clair}));
    EXPECT_EQ(b->releve, 1);
}

TEST_F(Boutons, ALongCaptionIsShownCutFromItsEndWhileTheRecordKeepsItWhole) {
    const char *legende = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // What the face shows of the caption for a given button width.
    auto prefixeMontre = [&](int x2) {
        std::string prefixe = legende;
        int l = 0, h = 0;
        for (TailleTexte(prefixe.c_str(), police, &l, &h, fenetre); l > x2 - 10 - 6;
             TailleTexte(prefixe.c_str(), police, &l, &h, fenetre))
            prefixe.pop_back();
        return prefixe;
    };
    Journal j;
    const std::string court = prefixeMontre(100);
    ASSERT_LT(court.size(), strlen(legende));
    ASSERT_GT(court.size(), 0u);
    Pose(1, 10, 10, 100, 40, &j, court.c_str());
    const std::vector<uint32_t> attendu = Zone(10, 10, 100, 40);
    Bouton *b = Pose(2, 10, 10, 100, 40, &j, legende);
    EXPECT_EQ(Zone(10, 10, 100, 40), attendu);
    EXPECT_STREQ(b->texte, legende);

    // Wider, it shows more of the same caption.
    const std::string plus = prefixeMontre(200);
    ASSERT_GT(plus.size(), court.size());
    Pose(3, 10, 50, 200, 80, &j, plus.c_str());
    const std::vector<uint32_t> large = Zone(10, 50, 200, 80);
    DeplaceBouton(b, 10, 50, 200, 80, fenetre);
    EXPECT_EQ(Zone(10, 50, 200, 80), large);
}

TEST_F(Boutons, AButtonMadeWithoutCaptionShowsNoneLater) {
    Bouton *nu = CreeBouton(1, 10, 10, 100, 40, nullptr, police, nullptr, Gris(), Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(nu->police, nullptr);
    const std::vector<uint32_t> vide = Zone(10, 10, 100, 40);
    ChangeTexteBouton(nu, "Texte", fenetre);
    EXPECT_STREQ(nu->texte, "Texte");
    EXPECT_EQ(Zone(10, 10, 100, 40), vide);
}

TEST_F(Boutons, ColoursAreGivenFaceFirstAtCreationAndCaptionFirstWhenChanged) {
    const Couleur rouge = AlloueCouleur(200, 0, 0, fenetre), bleu = AlloueCouleur(0, 0, 200, fenetre);
    Bouton *b = CreeBouton(1, 10, 10, 100, 40, "x", police, nullptr, rouge, bleu, nullptr, nullptr, fenetre);
    EXPECT_EQ(Pixel(20, 15), Valeur(rouge));
    ChangeCouleursBouton(b, rouge, bleu, fenetre);
    EXPECT_EQ(Pixel(20, 15), Valeur(bleu));
    EXPECT_EQ(Valeur(b->couleurTexte), Valeur(rouge));
}

TEST_F(Boutons, PlacedInAFrameCentredHorizontally) {
    Frame *frame = CreeFrame(0, 0, 101, 50, nullptr, Gris(), fenetre);
    Bouton *b =
        CreeBoutonDansFrame(1, 'h', 5, 40, 20, "x", police, nullptr, Gris(), Gris(), nullptr, nullptr, frame, fenetre);
    EXPECT_EQ(b->x1, 30);
    EXPECT_EQ(b->x2, 71);
    EXPECT_EQ(b->y1, 5);
    EXPECT_EQ(b->y2, 25);
}

TEST_F(Boutons, AnImageSitsInsideTheOutlineAtItsNaturalSize) {
    const std::string image = Image("icone.bmp", 6, 5);
    Bouton *b =
        CreeBouton(1, 10, 10, 100, 40, nullptr, nullptr, image.c_str(), Gris(), Gris(), nullptr, nullptr, fenetre);
    EXPECT_EQ(b->largeurImage, 6);
    EXPECT_EQ(Pixel(13, 13), PixelImage(0, 0));
    EXPECT_EQ(Pixel(18, 17), PixelImage(5, 4));
    EXPECT_NE(Pixel(19, 17), PixelImage(5, 4));
    ChangeImageBouton(b, nullptr, fenetre);
    EXPECT_STREQ(b->nomImage, "");
    EXPECT_EQ(b->image, nullptr);
    EXPECT_EQ(Pixel(13, 13), Valeur(NuanceCouleur(Gris(), 1.24f, fenetre)));
}

}  // namespace
