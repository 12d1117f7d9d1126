// SPDX-License-Identifier: GPL-3.0-or-later
// The display set-up's steps and failures, the result check, pixmap copies,
// refresh and sleep.
#include <gtest/gtest.h>

#include "banc.h"
#include "directdraw/directdraw.h"

namespace {

std::string Texte(int32_t code) {
    char tampon[64];
    const char *t = TexteResultatDD(code, tampon, sizeof tampon);
    return t ? t : "";
}

TEST(VerifieDD, LeSuccesNeDitRien) {
    Journal journal;
    EXPECT_TRUE(VerifieDD(DD_OK));
    EXPECT_TRUE(lignesDebogage.empty());
}

TEST(VerifieDD, UnCodeSansNomEstSignaleEnDecimal) {
    Journal journal;
    EXPECT_FALSE(VerifieDD(-1));
    EXPECT_EQ(journal.tout(), "Encore une nouvelle erreur : -1\n");
    EXPECT_EQ(Texte(CodeDD(603)), "Encore une nouvelle erreur : -2005532069\n");  // NOTONMIPMAPSUBLEVEL
    EXPECT_EQ(Texte(CodeDD(694)), "Encore une nouvelle erreur : -2005531978\n");  // D3DNOTINITIALIZED
}

TEST(VerifieDD, LesNomsSuiventLeursEspacements) {
    EXPECT_EQ(Texte(CodeDD(5)), "DDERR_ALREADYINITIALIZED \n");
    EXPECT_EQ(Texte(CodeDD(215)), "DDERR_NOCOLORKEY \n");
    EXPECT_EQ(Texte(CodeDD(212)), "DDERR_NOCOOPERATIVELEVELSET  \n");
    EXPECT_EQ(Texte(DDERR_SURFACELOST), "DDERR_SURFACELOST  \n");
    EXPECT_EQ(Texte(DDERR_INVALIDRECT), "DDERR_INVALIDRECT \n");
    EXPECT_EQ(Texte(CodeDD(587)), "DDERR_WRONGMODE  \n");
}

TEST(VerifieDD, LesLignesParticulieres) {
    EXPECT_EQ(Texte(CodeDD(560)), " \n");
    EXPECT_EQ(Texte(CodeDD(690)), "DDERR_MOREDATA\n");
    EXPECT_EQ(Texte(DDERR_CANTCREATEDC), " DDERR_CANTCREATEDC\n");
    EXPECT_EQ(Texte(CodeDD(220)), " DDERR_NOCOLORKEYHW \n");
}

TEST(VerifieDD, LesCodesGeneriquesPortentLeNomDuServeur) {
    EXPECT_EQ(Texte(DDERR_OUTOFMEMORY), "DDERR_OUTOFMEMORY  \n");
    EXPECT_EQ(Texte(DDERR_UNSUPPORTED), "DDERR_UNSUPPORTED  \n");
    EXPECT_EQ(Texte(DDERR_GENERIC), "DDERR_GENERIC \n");
    EXPECT_EQ(Texte(DDERR_INVALIDPARAMS), "DDERR_INVALIDPARAMS \n");
    EXPECT_EQ(Texte(DDERR_NOTINITIALIZED), "DDERR_NOTINITIALIZED  \n");
}

TEST(VerifieDD, ChaqueCodeConnuADesTextesDistincts) {
    int nommes = 0;
    for (uint32_t n = 0; n < 1000; n++)
        if (Texte(CodeDD(n)).rfind("Encore", 0) != 0)
            nommes++;
    EXPECT_EQ(nommes + 5, 117);  // the 112 display-specific names and the five generic ones
}

struct EtapeEnPanne {
    OperationPf operation;
    const char *message;
};

class MiseEnPlace : public ::testing::TestWithParam<EtapeEnPanne> {
protected:
    void TearDown() override {
        FermeFenetres();
    }
};

TEST_P(MiseEnPlace, UneEtapeQuiEchoueDetruitLaFenetreEtNeRendRien) {
    Fenetre *autre = NouvelleFenetre();  // keeps the program alive when the new window goes
    VideFile();
    Journal journal;
    PfPanneSuivante(GetParam().operation, DDERR_SURFACELOST);
    EXPECT_EQ(NouvelleFenetre(), nullptr);
    EXPECT_EQ(journal.tout(), std::string("DDERR_SURFACELOST  \n") + GetParam().message);
    EXPECT_EQ(EcranDeTest().nbFenetres, 1);
    EXPECT_EQ(EcranDeTest().premiereFenetre, autre);
    EXPECT_EQ(autre->suivante, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Etapes, MiseEnPlace,
    ::testing::Values(EtapeEnPanne{PF_OP_OBJET, "Impossible de créer l'objet DirectDraw.\n"},
                      EtapeEnPanne{PF_OP_COOPERATION, "Impossible de définir le niveau coopératif.\n"},
                      EtapeEnPanne{PF_OP_PRIMAIRE, "Impossible de créer la surface primaire.\n"},
                      EtapeEnPanne{PF_OP_CLIPPER, "Impossible de créer le clipper.\n"},
                      EtapeEnPanne{PF_OP_CLIPPER_FENETRE, "Impossible de définir le handle de fenêtre !\n"},
                      EtapeEnPanne{PF_OP_ATTACHE_CLIPPER, "Impossible de configurer le clipper.\n"},
                      EtapeEnPanne{PF_OP_FORMAT, "Impossible d'obtenir le format des pixels.\n"},
                      EtapeEnPanne{PF_OP_SURFACE, "Impossible de creer le back buffer\n"}));

TEST(MiseEnPlaceFatale, PerdreLaSeuleFenetreALaCreationNeTerminePasLeProgramme) {
    // A window not yet counted is not the last one: creation just fails.
    PfPanneSuivante(PF_OP_SURFACE, DDERR_OUTOFMEMORY);
    EXPECT_EQ(NouvelleFenetre(), nullptr);
    EXPECT_EQ(EcranDeTest().nbFenetres, 0);
    VideFile();
}

class Copies : public ::testing::Test {
protected:
    void SetUp() override {
        f = NouvelleFenetre(800, 600);
        plateforme.CreeSurface(f->directDraw, 20, 20, &image);
        AccesPixels a;
        plateforme.Accede(image, &a);
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 20; x++)
                a.pixels[y * a.pas + x] = x < 10 ? 0xFF0000 : 0x00FF00;
        plateforme.Relache(image);
    }
    void TearDown() override {
        LiberePixmap(image);
        FermeFenetres();
    }
    Fenetre *f;
    Pixmap *image = nullptr;
};

TEST_F(Copies, UneImageAuBordEstComprimeeDansCeQuiReste) {
    AffichePixmap(image, 790, 590, 20, 20, f);
    EXPECT_EQ(PixelA(f, 790, 590), 0xFF0000u);
    EXPECT_EQ(PixelA(f, 794, 599), 0xFF0000u);
    EXPECT_EQ(PixelA(f, 795, 590), 0x00FF00u);  // the whole image in 10 x 10
    EXPECT_EQ(PixelA(f, 799, 599), 0x00FF00u);
    EXPECT_EQ(PixelA(f, 789, 590), 0x0A141Eu);
}

TEST_F(Copies, UneTailleNulleOuUneImageNulleNeDessinentRien) {
    Journal journal;
    AffichePixmap(image, 10, 10, 0, 20, f);
    AffichePixmap(image, 10, 10, 20, 0, f);
    AffichePixmap(nullptr, 10, 10, 20, 20, f);
    EXPECT_EQ(PixelA(f, 10, 10), 0x0A141Eu);
    EXPECT_EQ(journal.tout(), "");
}

TEST_F(Copies, UneDestinationHorsDeLaFenetreEstRefuseeParLeDispositif) {
    Journal journal;
    AffichePixmap(image, 900, 10, 20, 20, f);  // clamped to left 900, right 800
    EXPECT_EQ(journal.tout(), "DDERR_INVALIDRECT \nOn a perdu une image");
    EXPECT_EQ(PixelA(f, 799, 10), 0x0A141Eu);
}

TEST_F(Copies, UneCopieRefuseeEstSignalee) {
    Journal journal;
    PfPanneSuivante(PF_OP_COPIE, DDERR_SURFACELOST);
    AffichePixmap(image, 10, 10, 20, 20, f);
    EXPECT_EQ(journal.tout(), "DDERR_SURFACELOST  \nOn a perdu une image");
}

TEST_F(Copies, UnRafraichissementDebordantMontreCeQuiEstDansLaFenetre) {
    Journal journal;
    Rafraichit(0, 0, 800, 600, f);
    RemplitRectangle(0, 0, 800, 600, AlloueCouleur(1, 2, 3, f), f);
    Rafraichit(790, 590, 50, 50, f);  // the bottom-right corner and beyond
    EXPECT_EQ(journal.tout(), "");
    EXPECT_EQ(PixelEcran(f, 799, 599), 0x010203u);
    EXPECT_EQ(PixelEcran(f, 789, 599), 0x0A141Eu) << "only the rectangle asked for";
}

TEST_F(Copies, UnRafraichissementRefuseDitOuIlVisait) {
    Journal journal;
    Zone z = f->zoneEcran;
    PfPanneSuivante(PF_OP_COPIE, DDERR_SURFACELOST);
    Rafraichit(10, 20, 900, 30, f);  // clipped to 790 wide before the device refuses it
    char attendu[200];
    snprintf(attendu, sizeof attendu,
             "DDERR_SURFACELOST  \nProbleme de rafraichissement : 10 20 900 30 -> 20 10 50 800 - %d %d %d %d\n",
             20 + z.haut, 10 + z.gauche, 50 + z.haut, 800 + z.gauche);
    EXPECT_EQ(journal.tout(), attendu);
}

// Nothing of it inside, or inverted: the device refuses the rectangle asked for.
TEST_F(Copies, UnRafraichissementSansRienACopierEstSignaleTelQuIlEtaitDemande) {
    Journal journal;
    Zone z = f->zoneEcran;
    Rafraichit(-20, -30, 10, 10, f);
    Rafraichit(50, 60, -10, 5, f);
    char attendu[300];
    snprintf(attendu, sizeof attendu,
             "DDERR_INVALIDRECT \nProbleme de rafraichissement : -20 -30 10 10 -> -30 -20 -20 -10 - %d %d %d %d\n"
             "DDERR_INVALIDRECT \nProbleme de rafraichissement : 50 60 -10 5 -> 60 50 65 40 - %d %d %d %d\n",
             z.haut - 30, z.gauche - 20, z.haut - 20, z.gauche - 10, z.haut + 60, z.gauche + 50, z.haut + 65,
             z.gauche + 40);
    EXPECT_EQ(journal.tout(), attendu);
}

std::vector<int> sommes;
void Note(int ms) {
    sommes.push_back(ms);
}

TEST(Dort, DormirEnMillisecondesEntieres) {
    sommeil = Note;
    sommes.clear();
    Dort(999);
    Dort(250000);
    Dort(-5);
    Dort(0);
    Dort(33333);
    sommeil = nullptr;
    EXPECT_EQ(sommes, (std::vector<int>{0, 250, 33}));
}

// A game between two computer sides takes no input until its end, only pauses.
TEST(Dort, FermerLaSeuleFenetrePendantUnePauseTermineLeProgramme) {
    EXPECT_EXIT(
        {
            Fenetre *f = NouvelleFenetre();
            PfInjecteFermeture(f->hwnd);
            Dort(20000);
            exit(9);
        },
        ::testing::ExitedWithCode(0), "");
}

// Pointer crossings of the window's edge are window events nothing takes
// during such a game: however many, the close request behind them counts.
TEST(Dort, UneFermetureDerriereDesCentainesDeTraverseesTermineLeProgramme) {
    EXPECT_EXIT(
        {
            Fenetre *f = NouvelleFenetre();
            for (int i = 0; i < 300; i++)
                PfInjecteTraversee(f->hwnd);
            PfInjecteFermeture(f->hwnd);
            Dort(1000);
            exit(9);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Dort, AvecDeuxFenetresLaDemandeAttendLaProchaineAttente) {
    Fenetre *a = NouvelleFenetre();
    NouvelleFenetre();
    VideFile();
    PfInjecteFermeture(a->hwnd);
    Dort(1000);
    EXPECT_TRUE(plateforme.MessageEnAttente());
    FermeFenetres();
}

}  // namespace
