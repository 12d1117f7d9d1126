// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the zoom: options and their errors, the automatic
// choice, and a zoomed or resized window's pixels and clicks.
#include "ecran/options.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "banc.h"

namespace {

DemandeOptions Analyse(std::vector<const char *> arguments, int *zoom, const char **fautive, Options *lues = nullptr) {
    arguments.insert(arguments.begin(), "ok_fr");
    Options options;
    DemandeOptions d = AnalyseOptions(int(arguments.size()), const_cast<char **>(arguments.data()), &options, fautive);
    *zoom = options.zoom;
    if (lues)
        *lues = options;
    return d;
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
    EXPECT_EQ(Analyse({"--zoom"}, &zoom, &fautive), OPTIONS_MANQUANTE) << "not a zoom of '--zoom'";
    EXPECT_STREQ(fautive, "--zoom");
    EXPECT_EQ(Analyse({"--zoom=3", "-z"}, &zoom, &fautive), OPTIONS_INCONNUE);
    EXPECT_STREQ(fautive, "-z");
    Options lues;
    EXPECT_EQ(Analyse({"--zoom=2"}, &zoom, &fautive, &lues), OPTIONS_JEU);
    EXPECT_FALSE(lues.pleinEcran);
    EXPECT_FALSE(lues.muet);
    EXPECT_EQ(Analyse({"--plein-ecran", "--muet", "--zoom=2"}, &zoom, &fautive, &lues), OPTIONS_JEU);
    EXPECT_TRUE(lues.pleinEcran);
    EXPECT_TRUE(lues.muet);
    EXPECT_EQ(zoom, 2) << "the zoom still sets the window's size out of full screen";
}

TEST(Options, LeZoomAutomatiqueTientDansLEcranSansDepasserLEchelleDuBureau) {
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 2), 2);
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 4), 3) << "4 x 600 is more than 90 % of 2160";
    EXPECT_EQ(ZoomAutomatique(3840, 2160, 800, 600, 0), 1) << "no scale published";
    EXPECT_EQ(ZoomAutomatique(1600, 1200, 800, 600, 2), 1) << "the whole screen is no room to spare";
    EXPECT_EQ(ZoomAutomatique(640, 480, 800, 600, 2), 1);
}

const TextesOptions textes = {"ok_fr",           "1.0",           "ok_fr [--zoom=N]",      "aide\n",
                              "option inconnue", "zoom invalide", "valeur manquante apres"};

TEST(Options, AideVersionEtErreursTerminentLeProgramme) {
    char programme[] = "ok_fr", aide[] = "--help", version[] = "--version", inconnue[] = "--bof";
    char *avecAide[] = {programme, aide}, *avecVersion[] = {programme, version},
         *avecInconnue[] = {programme, inconnue};
    EXPECT_EXIT(LitLigneDeCommande(2, avecAide, textes, 800, 600), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(LitLigneDeCommande(2, avecVersion, textes, 800, 600), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(LitLigneDeCommande(2, avecInconnue, textes, 800, 600), ::testing::ExitedWithCode(STATUT_USAGE),
                "^ok_fr: option inconnue '--bof' \\(usage: ok_fr \\[--zoom=N\\]\\)\n$");
    char zoom[] = "--zoom";
    char *sansValeur[] = {programme, zoom};
    EXPECT_EXIT(LitLigneDeCommande(2, sansValeur, textes, 800, 600), ::testing::ExitedWithCode(STATUT_USAGE),
                "^ok_fr: valeur manquante apres '--zoom' ");
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

// The window's screen, row by row.
std::vector<uint32_t> Ecran(Fenetre *f, int largeur, int hauteur) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < hauteur; y++)
        for (int x = 0; x < largeur; x++)
            pixels.push_back(PixelEcran(f, x, y));
    return pixels;
}

// Detail everywhere, different for each `graine`: a seam would show.
void Motif(Fenetre *f, int graine) {
    for (int y = 0; y < 150; y++)
        for (int x = 0; x < 200; x++)
            TracePoint(x, y, AlloueCouleur((x * 37 + graine) & 255, (y * 53) & 255, ((x + y) * graine) & 255, f), f);
}

// Resized to 350 x 300, a window shows its 200 x 150 picture 1.75 times
// larger, smoothed, 262 rows high from row 19 between dark margins: at once,
// before the program paints anything. Clicks come back through the same
// mapping, and a picture refreshed piece by piece is the one refreshed whole.
TEST(Zoom, UneFenetreRedimensionneeLisseSonImageSansCouturesEtRameneLesClics) {
    Fenetre *f = CreeFenetre(0, 0, 200, 150, "Essai", 10, 20, 30, &EcranDeTest());
    ASSERT_NE(f, nullptr);
    Motif(f, 11);
    Rafraichit(0, 0, 200, 150, f);
    VideFile();
    PfInjecteTaille(f->hwnd, 350, 300);
    plateforme.MessageEnAttente();
    std::vector<uint32_t> aussitot = Ecran(f, 350, 300);
    EXPECT_EQ(PixelEcran(f, 5, 5), 0x181818u) << "margin above";
    EXPECT_EQ(PixelEcran(f, 340, 290), 0x181818u) << "margin below";
    EXPECT_NE(PixelEcran(f, 175, 150), 0x181818u);
    VideFile();
    EXPECT_EQ(Ecran(f, 350, 300), aussitot) << "the program's own paint shows the same";
    Zone z = f->zoneEcran;
    EXPECT_EQ(z.droite - z.gauche, 350);
    EXPECT_EQ(z.bas - z.haut, 262);

    Motif(f, 29);
    for (int y = 0; y < 150; y += 25)
        for (int x = 0; x < 200; x += 25)
            Rafraichit(x, y, 25, 25, f);
    std::vector<uint32_t> morceaux = Ecran(f, 350, 300);
    Rafraichit(0, 0, 200, 150, f);
    EXPECT_EQ(morceaux, Ecran(f, 350, 300));

    PfInjecteSouris(f->hwnd, MSG_BOUTON_GAUCHE_BAS, 175, 19 + 87, PF_MK_GAUCHE);
    int x = 0, y = 0;
    EXPECT_EQ(TesteClic(EcranDeTest(), f, &x, &y), 1);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 49) << "87 / 1.75 = 49.7";
    FermeFenetres();
}

}  // namespace
