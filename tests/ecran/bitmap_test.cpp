// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap files into surfaces: every common encoding loads, malformed files
// are refused without harm, and the palette, colour-match and key routines.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "banc.h"
#include "directdraw/bitmap.h"
#include "directdraw/directdraw.h"

namespace {

struct Bmp {
    std::vector<unsigned char> o;
    void u16(uint32_t v) {
        o.push_back(v & 0xFF);
        o.push_back((v >> 8) & 0xFF);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
};

// A BMP file: headers, colour table, then rows (already padded).
std::vector<unsigned char> Fichier(int w, int h, int bits, int compression, const std::vector<uint32_t> &couleurs,
                                   const std::vector<unsigned char> &donnees, int utilisees = 0) {
    Bmp b;
    uint32_t debut = 54 + 4 * static_cast<uint32_t>(couleurs.size());
    b.o = {'B', 'M'};
    b.u32(debut + static_cast<uint32_t>(donnees.size()));
    b.u32(0);
    b.u32(debut);
    b.u32(40);
    b.u32(static_cast<uint32_t>(w));
    b.u32(static_cast<uint32_t>(h));
    b.u16(1);
    b.u16(static_cast<uint32_t>(bits));
    b.u32(static_cast<uint32_t>(compression));
    b.u32(static_cast<uint32_t>(donnees.size()));
    b.u32(2835);
    b.u32(2835);
    b.u32(static_cast<uint32_t>(utilisees));
    b.u32(0);
    for (uint32_t c : couleurs)
        b.u32(c);  // blue, green, red, reserved in the file
    b.o.insert(b.o.end(), donnees.begin(), donnees.end());
    return b.o;
}

class Bitmaps : public ::testing::Test {
protected:
    void SetUp() override {
        f = NouvelleFenetre(50, 50);
    }
    void TearDown() override {
        FermeFenetres();
    }
    // Loads the bytes and reads the image's top-left and top-right pixels.
    bool Charge(const std::vector<unsigned char> &octets, uint32_t *gauche, uint32_t *droite, int *w = nullptr) {
        Surface *s = ChargeBitmap(f->directDraw, EcritFichier("essai.bmp", octets).c_str(), 0, 0);
        if (!s)
            return false;
        AccesPixels a;
        plateforme.Accede(s, &a);
        *gauche = a.pixels[0] & 0xFFFFFF;
        *droite = a.pixels[a.largeur - 1] & 0xFFFFFF;
        if (w)
            *w = a.largeur;
        plateforme.Relache(s);
        plateforme.LibereSurface(s);
        return true;
    }
    Fenetre *f;
};

// Two rows of two pixels; the top row (stored last) is red then blue.
TEST_F(Bitmaps, ToutesLesProfondeursCourantesSeChargent) {
    uint32_t g, d;
    ASSERT_TRUE(Charge(Fichier(2, 2, 24, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 255, 0}), &g, &d));
    EXPECT_EQ(g, 0xFF0000u);  // 24 bits: the first row of the file is the bottom one
    ASSERT_TRUE(Charge(Fichier(2, 2, 32, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}), &g, &d));
    EXPECT_EQ(g, 0xFF0000u);
    EXPECT_EQ(d, 0x0000FFu);
    const std::vector<uint32_t> table = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // black, red, green, blue
    ASSERT_TRUE(Charge(Fichier(2, 2, 8, 0, table, {0, 0, 0, 0, 3, 1, 0, 0}), &g, &d));
    EXPECT_EQ(g, 0x0000FFu);
    EXPECT_EQ(d, 0xFF0000u);
    ASSERT_TRUE(Charge(Fichier(2, 2, 4, 0, table, {0, 0, 0, 0, 0x31, 0, 0, 0}), &g, &d));
    EXPECT_EQ(g, 0x0000FFu);
    EXPECT_EQ(d, 0xFF0000u);
    ASSERT_TRUE(Charge(Fichier(2, 2, 1, 0, {0x000000, 0xFFFFFF}, {0, 0, 0, 0, 0x40, 0, 0, 0}), &g, &d));
    EXPECT_EQ(g, 0x000000u);
    EXPECT_EQ(d, 0xFFFFFFu);
}

TEST_F(Bitmaps, UnFichierRle8SeDecompresse) {
    // Bottom row: four pixels of colour 1; top row: two of 2 then two of 3.
    std::vector<unsigned char> rle = {4, 1, 0, 0, 2, 2, 2, 3, 0, 1};
    uint32_t g, d;
    int w;
    ASSERT_TRUE(Charge(Fichier(4, 2, 8, 1, {0, 0xFF0000, 0x00FF00, 0x0000FF}, rle), &g, &d, &w));
    EXPECT_EQ(w, 4);
    EXPECT_EQ(g, 0x00FF00u);
    EXPECT_EQ(d, 0x0000FFu);
}

TEST_F(Bitmaps, LesFichiersMalFormesSontRefuses) {
    std::vector<unsigned char> bon = Fichier(2, 2, 24, 0, {}, std::vector<unsigned char>(16, 7));
    uint32_t g, d;
    EXPECT_FALSE(Charge({}, &g, &d));
    EXPECT_FALSE(Charge(std::vector<unsigned char>(bon.begin(), bon.begin() + 30), &g, &d));
    EXPECT_FALSE(Charge(std::vector<unsigned char>(bon.begin(), bon.end() - 5), &g, &d));
    EXPECT_FALSE(Charge(Fichier(0, 2, 24, 0, {}, std::vector<unsigned char>(16)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(-2, 2, 24, 0, {}, std::vector<unsigned char>(16)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(2, 0, 24, 0, {}, std::vector<unsigned char>(16)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(2, 2, 24, 7, {}, std::vector<unsigned char>(16)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(2, 2, 13, 0, {}, std::vector<unsigned char>(16)), &g, &d));
    // Absurd sizes in a small file: refused before anything is allocated.
    EXPECT_FALSE(Charge(Fichier(65536, 65536, 24, 0, {}, std::vector<unsigned char>(7000)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(16385, 1, 24, 0, {}, std::vector<unsigned char>(49200)), &g, &d));
    EXPECT_FALSE(Charge(Fichier(16000, 16000, 8, 1, {0}, {0, 1}), &g, &d));
    std::vector<unsigned char> faux = bon;
    faux[0] = 'X';
    EXPECT_FALSE(Charge(faux, &g, &d));
    EXPECT_TRUE(Charge(Fichier(2, -2, 24, 0, {}, std::vector<unsigned char>(16, 7)), &g, &d));  // top-down rows
    EXPECT_TRUE(Charge(bon, &g, &d));
}

// Small files that announce huge images: each would have cost gigabytes.
TEST_F(Bitmaps, UneImageDePlusDeSeizeMegapixelsEstRefusee) {
    uint32_t g, d;
    EXPECT_FALSE(Charge(Fichier(4097, 4096, 8, 1, {0}, std::vector<unsigned char>(131200)), &g, &d));
    EXPECT_STREQ(RaisonBitmap(), "image trop grande (4097 x 4096 pixels)");
    EXPECT_FALSE(Charge(Fichier(8192, 4096, 1, 0, {0, 0xFFFFFF}, std::vector<unsigned char>(8192 / 8 * 4096)), &g, &d));
    EXPECT_STREQ(RaisonBitmap(), "image trop grande (8192 x 4096 pixels)");
    EXPECT_TRUE(Charge(Fichier(2, 2, 24, 0, {}, std::vector<unsigned char>(16, 7)), &g, &d));
    EXPECT_STREQ(RaisonBitmap(), "");
}

// A FIFO would block the program for ever, and a directory opens for reading.
TEST_F(Bitmaps, CeQuiNEstPasUnFichierOrdinaireEstRefuseSansAttendre) {
    std::string fifo = EcritFichier("attente.bmp", {});
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string dossier = fifo.substr(0, fifo.rfind('/'));
    for (const std::string &nom : {fifo, dossier}) {
        Fenetre *g = NouvelleFenetre(50, 50);
        Journal journal;
        Pixmap *p = nullptr;
        ChargePixmap(nom.c_str(), &p, nullptr, nullptr, g);
        EXPECT_EQ(p, nullptr);
        EXPECT_EQ(journal.tout(), "Peut pas charger pixmaps :" + nom + ".\n" + nom + " : pas un fichier ordinaire\n");
    }
    Palette *palette = ChargePalette(f->directDraw, fifo.c_str());  // nor a palette named like it
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->entrees[255].bleu, 255) << "the cube alone";
    free(palette);
    unlink(fifo.c_str());
}

TEST_F(Bitmaps, UnFichierAbsentEstSignaleSurLeCanalDeDebogage) {
    Journal journal;
    Surface *s = nullptr;
    plateforme.CreeSurface(f->directDraw, 4, 4, &s);
    EXPECT_EQ(ChargeBitmap(f->directDraw, "absente.bmp", 0, 0), nullptr);
    EXPECT_EQ(RechargeBitmap(s, "absente.bmp"), DDERR_GENERIC);
    EXPECT_EQ(journal.tout(), "Le handle est nul !\n");
    std::string bon = EcritFichier("recharge.bmp", Fichier(2, 2, 24, 0, {}, std::vector<unsigned char>(16, 200)));
    EXPECT_EQ(RechargeBitmap(s, bon.c_str()), DD_OK);  // stretched over the whole 4 x 4 surface
    AccesPixels a;
    plateforme.Accede(s, &a);
    EXPECT_EQ(a.pixels[3 * a.pas + 3] & 0xFFFFFF, 0xC8C8C8u);
    plateforme.Relache(s);
    plateforme.LibereSurface(s);
}

TEST_F(Bitmaps, UneTailleDemandeeEtireLImage) {
    std::string nom = EcritFichier("petite.bmp", Fichier(2, 2, 24, 0, {}, std::vector<unsigned char>(16, 9)));
    Surface *s = ChargeBitmap(f->directDraw, nom.c_str(), 8, 6);
    ASSERT_NE(s, nullptr);
    int w, h;
    plateforme.TailleSurface(s, &w, &h);
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 6);
    plateforme.LibereSurface(s);
}

TEST_F(Bitmaps, ChargePixmapDonneLaTailleNaturelle) {
    std::string nom = EcritFichier("pixmap.bmp", Fichier(3, 5, 24, 0, {}, std::vector<unsigned char>(60, 1)));
    Pixmap *p = nullptr;
    int w = 0, h = 0;
    ChargePixmap(nom.c_str(), &p, &w, &h, f);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 5);
    LiberePixmap(p);
}

TEST_F(Bitmaps, UnPixmapAbsentDetruitLaFenetreEtLaisseLesTaillesIntactes) {
    Fenetre *g = NouvelleFenetre(50, 50);
    Journal journal;
    Pixmap *p = reinterpret_cast<Pixmap *>(1);
    int w = 77, h = 88;
    ChargePixmap("nulle-part.bmp", &p, &w, &h, g);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(w, 77);
    EXPECT_EQ(h, 88);
    EXPECT_EQ(journal.tout(), "Peut pas charger pixmaps :nulle-part.bmp.\nnulle-part.bmp : fichier absent\n");
    RectanglePf zone;
    EXPECT_FALSE(plateforme.ZoneClient(g->hwnd, &zone));
}

TEST_F(Bitmaps, LaPaletteParDefautEstLeCube332) {
    Palette *p = ChargePalette(f->directDraw, nullptr);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->entrees[255].rouge, 255);
    EXPECT_EQ(p->entrees[255].vert, 255);
    EXPECT_EQ(p->entrees[255].bleu, 255);
    EXPECT_EQ(p->entrees[0].rouge + p->entrees[0].vert + p->entrees[0].bleu, 0);
    EXPECT_EQ(p->entrees[0x1C].rouge, 0);
    EXPECT_EQ(p->entrees[0x1C].vert, 255);
    EXPECT_EQ(p->entrees[0x1C].bleu, 0);
    free(p);
}

TEST_F(Bitmaps, UnFichierQuatreBitsApporteSeizeCouleurs) {
    std::vector<uint32_t> table;
    for (uint32_t i = 0; i < 16; i++)
        table.push_back(0x010203 * (i + 1));
    std::string nom = EcritFichier("seize.bmp", Fichier(2, 2, 4, 0, table, std::vector<unsigned char>(8, 0x55)));
    Palette *p = ChargePalette(f->directDraw, nom.c_str());
    ASSERT_NE(p, nullptr);
    // The file stores blue first: 0x102030 is red 16, green 32, blue 48.
    EXPECT_EQ(p->entrees[15].rouge, 16);
    EXPECT_EQ(p->entrees[15].vert, 2 * 16);
    EXPECT_EQ(p->entrees[15].bleu, 3 * 16);
    // Entry 16 is past the colour table: it keeps the cube, not pixel bytes.
    EXPECT_EQ(p->entrees[16].rouge, 0);
    EXPECT_EQ(p->entrees[16].vert, 4 * 255 / 7);
    EXPECT_EQ(p->entrees[16].bleu, 0);
    free(p);
}

TEST_F(Bitmaps, CouleurPixelEtCleCouleur) {
    Surface *s = nullptr;
    plateforme.CreeSurface(f->directDraw, 4, 4, &s);
    AccesPixels a;
    plateforme.Accede(s, &a);
    a.pixels[0] = 0x123456;
    plateforme.Relache(s);
    EXPECT_EQ(CouleurPixel(s, 0x0000FF), 0xFF0000);  // a colour reference has red in its low byte
    EXPECT_EQ(CouleurPixel(s, -1), 0x123456);        // the pixel was put back
    EXPECT_EQ(CleCouleur(s, 0x00FF00), DD_OK);
    EXPECT_EQ(CouleurPixel(nullptr, 0), -1);
    plateforme.LibereSurface(s);
}

}  // namespace
