// SPDX-License-Identifier: GPL-3.0-or-later
// Frames: the etched border read back from the back buffer, the tiled
// image, and the placement of widgets inside a frame.
#include "ecran/widgets/frame.h"

#include "ecran/widgets/listes.h"
#include "widgets/banc.h"

using namespace banc;

namespace {

class Frames : public Banc {};

TEST_F(Frames, BorderLinesSitAtTheirOffsetsOnEveryEdge) {
    const Couleur couleur = AlloueCouleur(100, 150, 200, fenetre);
    CreeFrame(100, 100, 299, 199, nullptr, couleur, fenetre);
    const uint32_t F = Valeur(couleur);
    const uint32_t D = Valeur(NuanceCouleur(couleur, 0.76f, fenetre));
    const uint32_t L = Valeur(NuanceCouleur(couleur, 1.24f, fenetre));
    const uint32_t G = Valeur(Gris());
    ASSERT_NE(D, L);

    // Across the middle row, left to right: groove dark, ridge light, ridge dark, groove light.
    const int xs[] = {99, 100, 101, 102, 103, 106, 107, 108, 109, 200, 290, 291, 292, 293, 296, 297, 298, 299, 300};
    const uint32_t ligne[] = {G, F, D, D, F, F, L, L, F, F, F, D, D, F, F, L, L, F, G};
    for (size_t i = 0; i < std::size(xs); i++)
        EXPECT_EQ(Pixel(xs[i], 150), ligne[i]) << "x = " << xs[i];

    const int ys[] = {99, 100, 101, 102, 103, 106, 107, 108, 109, 150, 190, 191, 192, 193, 196, 197, 198, 199, 200};
    for (size_t i = 0; i < std::size(ys); i++)
        EXPECT_EQ(Pixel(200, ys[i]), ligne[i]) << "y = " << ys[i];
}

TEST_F(Frames, ImageIsTiledInsideTheRidgeFromItsInnerCorner) {
    const std::string image = Image("tuile.bmp", 4, 4);
    Frame *frame = CreeFrame(100, 100, 199, 159, image.c_str(), Gris(), fenetre);
    EXPECT_EQ(frame->largeurImage, 4);
    EXPECT_EQ(frame->hauteurImage, 4);
    EXPECT_EQ(Pixel(109, 109), PixelImage(0, 0));
    EXPECT_EQ(Pixel(112, 110), PixelImage(3, 1));
    EXPECT_EQ(Pixel(113, 113), PixelImage(0, 0));  // the next tile
    EXPECT_EQ(Pixel(190, 150), PixelImage(1, 1));  // x2 - 9, y2 - 9: the last pixel tiled
    // The ridge is left as it was.
    EXPECT_EQ(Pixel(191, 150), Valeur(NuanceCouleur(Gris(), 0.76f, fenetre)));
    EXPECT_EQ(Pixel(108, 120), Valeur(NuanceCouleur(Gris(), 1.24f, fenetre)));
}

TEST_F(Frames, NullAndEmptyImageNamesBothMeanNoImageAndLeaveTheWindowAlive) {
    Frame *sans = CreeFrame(0, 0, 50, 50, nullptr, Gris(), fenetre);
    Frame *vide = CreeFrame(60, 0, 110, 50, "", Gris(), fenetre);
    EXPECT_STREQ(sans->nomImage, "");
    EXPECT_STREQ(vide->nomImage, "");
    EXPECT_EQ(vide->image, nullptr);
    RectanglePf zone;
    EXPECT_TRUE(plateforme.ZoneClient(fenetre->hwnd, &zone));
    EXPECT_EQ(Pixel(85, 25), Valeur(Gris()));
}

TEST_F(Frames, PlacementCentresAlongOneAxisAndOffsetsAlongTheOther) {
    Frame *frame = CreeFrame(0, 0, 101, 50, nullptr, Gris(), fenetre);
    int x1, y1, x2, y2;
    PlaceDansFrame(frame, 'h', 5, 40, 20, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 30);
    EXPECT_EQ(x2, 71);
    EXPECT_EQ(y1, 5);
    EXPECT_EQ(y2, 25);
    // Any other direction centres vertically; an odd margin leaves one pixel more.
    PlaceDansFrame(frame, 'v', 15, 40, 21, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 15);
    EXPECT_EQ(x2, 55);
    EXPECT_EQ(y1, 14);
    EXPECT_EQ(y2, 36);
}

}  // namespace
