// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the zoom: options and their errors, the automatic
// choice, and a zoomed window's pixels and clicks.
#include "ecran/options.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "banc.h"

namespace {

DemandeOptions Analyse(std::vector<const char *> arguments, int *zoom, const char **fautive) {
    arguments.insert(arguments.begin(), "ok_fr");
    bool muet = false;
    return AnalyseOptions(int(arguments.size()), const_cast<char **>(arguments.data()), zoom, &muet, fautive);
}

TEST(Options, LeZoomEtSesErreurs) {
    int zoom = -1;
    const char *fautive = nullptr;
    EXPECT_EQ(Analyse({}, &zoom, &fautive), OPTIONS_JEU);
    EXPECT_EQ(zoom, 0);
    EXPECT_EQ(Analyse({"--zoom=2"}, &zoom, &fautive), OPTIONS_JEU);
    EXPECT_EQ(zoom, 2);
    EXPECT_EQ(Analyse({"--zoom", "4"}, &zoom, &fautive), OPTIONS_JEU);
    EXPECT_EQ(zoom, 4);
    EXPECT_EQ(Analyse({"--zoom", "4", "--help"}, &zoom, &fautive), OPTIONS_AIDE);
    EXPECT_EQ(Analyse({"--version"}, &zoom, &fautive), OPTIONS_VERSION);
    for (const char *mauvais : {"5", "0", "2x", "", "-1"}) {
        EXPECT_EQ(Analyse({"--zoom", mauvais}, &zoom, &fautive), OPTIONS_INVALIDE) << mauvais;
    }
    EXPECT_EQ(Analyse({"--zoom"}, &zoom, &fautive), OPTIONS_INVALIDE);
    EXPECT_STREQ(fautive, "--zoom");
    EXPECT_EQ(Analyse({"--zoom=3", "-z"}, &zoom, &fautive), OPTIONS_INCONNUE);
    EXPECT_STREQ(fautive, "-z");
}

TEST(Options, LeZoomAutomatiqueTientDansLEcranSansDepasserLEchelleDuBureau) {
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 2), 2);
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 4), 3) << "4 x 600 is more than 90 % of 2160";
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 0), 1) << "no scale published";
    EXPECT_EQ(ZoomAutomatique(1600, 1200, 800, 600, 2), 1) << "the whole screen is no room to spare";
    EXPECT_EQ(ZoomAutomatique(640, 480, 800, 600, 2), 1);
}

const TextesOptions textes = {"ok_fr", "1.0", "ok_fr [--zoom=N]", "aide\n", "option inconnue", "zoom invalide"};

TEST(Options, AideVersionEtErreursTerminentLeProgramme) {
    char programme[] = "ok_fr", aide[] = "--help", version[] = "--version", inconnue[] = "--bof";
    char *avecAide[] = {programme, aide}, *avecVersion[] = {programme, version},
         *avecInconnue[] = {programme, inconnue};
    EXPECT_EXIT(LitLigneDeCommande(2, avecAide, textes, 800, 600), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(LitLigneDeCommande(2, avecVersion, textes, 800, 600), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(LitLigneDeCommande(2, avecInconnue, textes, 800, 600), ::testing::ExitedWithCode(STATUT_USAGE),
                "^ok_fr: option inconnue '--bof' \\(usage: ok_fr \\[--zoom=N\\]\\)\n$");
    EXPECT_EXIT(
        {
            setenv("FLIPORA_ZOOM", "9", 1);
            LitLigneDeCommande(1, avecAide, textes, 800, 600);
        },
        ::testing::ExitedWithCode(STATUT_USAGE), "zoom invalide 'FLIPORA_ZOOM=9'");
}

// A window at zoom 2: twice the size on the screen, each pixel a 2 x 2
// square there, clicks brought back to the window's own pixels.
TEST(Zoom, UneFenetreAgrandieMontreSesPixelsEtRameneLesClics) {
    plateforme.FixeZoom(2);
    Fenetre *f = CreeFenetre(100, 100, 200, 150, "Essai", 10, 20, 30, &EcranDeTest());
    plateforme.FixeZoom(1);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->largeur, 200) << "the window keeps its own size";
    EXPECT_EQ(f->zoneEcran.gauche, 200) << "a box at (100, 100) opens over the same place of a zoomed window";
    int w = 0, h = 0;
    plateforme.TailleSurface(f->surfacePrimaire, &w, &h);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    TracePoint(10, 20, AlloueCouleur(255, 0, 0, f), f);
    Rafraichit(0, 0, 200, 150, f);
    for (int dx : {0, 1})
        for (int dy : {0, 1})
            EXPECT_EQ(PixelEcran(f, 20 + dx, 40 + dy), 0xFF0000u) << dx << "," << dy;
    EXPECT_EQ(PixelEcran(f, 22, 40), 0x0A141Eu);
    EXPECT_EQ(PixelEcran(f, 399, 299), 0x0A141Eu) << "the last pixel reaches the corner";
    {
        Journal journal;
        Zone z = f->zoneEcran;
        PfPanneSuivante(PF_OP_COPIE, DDERR_SURFACELOST);
        Rafraichit(10, 20, 30, 40, f);
        char attendu[200];
        snprintf(attendu, sizeof attendu,
                 "DDERR_SURFACELOST  \nProbleme de rafraichissement : 10 20 30 40 -> 20 10 60 40 - %d %d %d %d\n",
                 z.haut + 40, z.gauche + 20, z.haut + 120, z.gauche + 80);
        EXPECT_EQ(journal.tout(), attendu) << "the screen rectangle is in screen pixels";
    }
    VideFile();
    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_BAS, 201, 101, PF_MK_GAUCHE);
    int x = 0, y = 0;
    EXPECT_EQ(TesteClic(EcranDeTest(), f, &x, &y), 1);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    FermeFenetres();
}

}  // namespace
