// SPDX-License-Identifier: GPL-3.0-or-later
// The generated bitmap files, read back as the game will find them in the
// working directory: format and sizes, seamless textures, pawns that blend
// into the board, and pawn sets that two players can always tell apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Image {
    bool lue = false;
    int largeur = 0, hauteur = 0, bits = 0, compression = -1;
    std::vector<uint8_t> rvb;  // rows from the top, 3 bytes a pixel
};

uint32_t Mot(const std::vector<uint8_t> &o, size_t i, int octets) {
    uint32_t v = 0;
    for (int k = octets - 1; k >= 0; k--)
        v = (v << 8) | o[i + k];
    return v;
}

// Reads an uncompressed 24-bit bottom-up BMP; other formats are reported, not decoded.
Image Lit(const std::string &nom) {
    Image im;
    std::ifstream f(nom, std::ios::binary);
    std::vector<uint8_t> o((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (o.size() < 54 || o[0] != 'B' || o[1] != 'M' || Mot(o, 14, 4) != 40)
        return im;
    im.largeur = static_cast<int32_t>(Mot(o, 18, 4));
    im.hauteur = static_cast<int32_t>(Mot(o, 22, 4));
    im.bits = static_cast<int>(Mot(o, 28, 2));
    im.compression = static_cast<int>(Mot(o, 30, 4));
    size_t debut = Mot(o, 10, 4), ligne = (static_cast<size_t>(im.largeur) * 3 + 3) & ~size_t(3);
    if (im.bits != 24 || im.compression != 0 || im.largeur <= 0 || im.hauteur <= 0 || Mot(o, 2, 4) != o.size() ||
        o.size() < debut + ligne * im.hauteur)
        return im;
    for (int y = im.hauteur - 1; y >= 0; y--)
        for (int x = 0; x < im.largeur; x++) {
            size_t p = debut + ligne * y + 3 * x;
            im.rvb.insert(im.rvb.end(), {o[p + 2], o[p + 1], o[p]});
        }
    im.lue = true;
    return im;
}

struct Couleur3 {
    double r, g, b;
};

Couleur3 Pixel(const Image &im, int x, int y) {
    size_t p = 3 * (static_cast<size_t>(y) * im.largeur + x);
    return Couleur3{double(im.rvb[p]), double(im.rvb[p + 1]), double(im.rvb[p + 2])};
}

double Ecart(Couleur3 a, Couleur3 b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

double Luminance(Couleur3 c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

const char *const PREFIXES[8] = {"t2", "lap", "eb", "er", "rob", "ror", "vov", "vor"};  // sets 4 to 11

// Where an image on the board departs from the board texture under it: the figure.
std::vector<bool> Figure(const Image &im, const Image &plateau) {
    std::vector<bool> masque(static_cast<size_t>(im.largeur) * im.hauteur);
    for (int y = 0; y < im.hauteur; y++)
        for (int x = 0; x < im.largeur; x++)
            masque[static_cast<size_t>(y) * im.largeur + x] =
                Ecart(Pixel(im, x, y), Pixel(plateau, x % plateau.largeur, y % plateau.hauteur)) > 40;
    return masque;
}

// The part of a figure at least r pixels inside its edge: its body, without the
// outline and the shadow that all figures share.
std::vector<bool> Interieur(const Image &im, const std::vector<bool> &masque, int r) {
    std::vector<bool> interieur(masque.size());
    for (int y = r; y < im.hauteur - r; y++)
        for (int x = r; x < im.largeur - r; x++) {
            bool plein = true;
            for (int j = -r; j <= r && plein; j++)
                for (int i = -r; i <= r && plein; i++)
                    plein = masque[static_cast<size_t>(y + j) * im.largeur + x + i];
            interieur[static_cast<size_t>(y) * im.largeur + x] = plein;
        }
    return interieur;
}

// Mean colour of a figure's body, leaving out near-black ink (eyes, lines).
Couleur3 CouleurMoyenne(const Image &im, const std::vector<bool> &masque) {
    std::vector<bool> corps = Interieur(im, masque, 2);
    Couleur3 s{0, 0, 0};
    int n = 0;
    for (int y = 0; y < im.hauteur; y++)
        for (int x = 0; x < im.largeur; x++)
            if (corps[static_cast<size_t>(y) * im.largeur + x] && Luminance(Pixel(im, x, y)) >= 60) {
                Couleur3 c = Pixel(im, x, y);
                s = Couleur3{s.r + c.r, s.g + c.g, s.b + c.b};
                n++;
            }
    return n ? Couleur3{s.r / n, s.g / n, s.b / n} : s;
}

// Share of the union of two figures that both cover.
double Recouvrement(const std::vector<bool> &a, const std::vector<bool> &b) {
    int inter = 0, uni = 0;
    for (size_t i = 0; i < a.size(); i++) {
        inter += a[i] && b[i];
        uni += a[i] || b[i];
    }
    return uni ? double(inter) / uni : 1;
}

// Columns the figure occupies.
int LargeurFigure(const Image &im, const std::vector<bool> &masque) {
    int gauche = im.largeur, droite = -1;
    for (int y = 0; y < im.hauteur; y++)
        for (int x = 0; x < im.largeur; x++)
            if (masque[static_cast<size_t>(y) * im.largeur + x]) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return droite - gauche + 1;
}

// Mean colour difference between two columns (or rows) of an image.
double EcartLignes(const Image &im, int a, int b, bool colonnes) {
    int n = colonnes ? im.hauteur : im.largeur;
    double s = 0;
    for (int k = 0; k < n; k++)
        s += colonnes ? Ecart(Pixel(im, a, k), Pixel(im, b, k)) : Ecart(Pixel(im, k, a), Pixel(im, k, b));
    return s / n;
}

class Images : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        plateau = Lit("plateau.bmp");
    }
    static Image plateau;
};
Image Images::plateau;

TEST_F(Images, EveryFileIsAnUncompressed24BitBitmapOfItsSize) {
    struct Attendu {
        std::string nom;
        int largeur, hauteur;  // 0: any size
    };
    std::vector<Attendu> attendus = {
        {"fond.bmp", 800, 600},     {"moquette.bmp", 0, 0},        {"plateau.bmp", 50, 50},
        {"fleche.bmp", 32, 30},     {"cote.bmp", 85, 85},          {"prop.bmp", 48, 48},
        {"aide.bmp", 48, 48},       {"frame1.bmp", 0, 0},          {"frame2.bmp", 0, 0},
        {"frame3.bmp", 0, 0},       {"pion3.bmp", 50, 50},         {"icones/haut.bmp", 15, 15},
        {"icones/bas.bmp", 15, 15}, {"icones/gauche.bmp", 15, 15}, {"icones/droite.bmp", 15, 15}};
    for (const char *p : PREFIXES) {
        attendus.push_back({std::string(p) + ".bmp", 50, 50});
        for (int vue = 1; vue <= 4; vue++)
            attendus.push_back({std::string(p) + std::to_string(vue) + ".bmp", 50, 50});
    }
    EXPECT_EQ(attendus.size(), 55u);
    for (const Attendu &a : attendus) {
        Image im = Lit(a.nom);
        ASSERT_TRUE(im.lue) << a.nom << ": missing, or not an uncompressed 24-bit bitmap";
        if (a.largeur) {
            EXPECT_EQ(im.largeur, a.largeur) << a.nom;
            EXPECT_EQ(im.hauteur, a.hauteur) << a.nom;
        } else {
            EXPECT_GE(im.largeur, 16) << a.nom;
            EXPECT_GE(im.hauteur, 16) << a.nom;
        }
    }
}

TEST_F(Images, TexturesJoinSeamlesslyWhenTiled) {
    for (const char *nom : {"plateau.bmp", "moquette.bmp", "cote.bmp", "frame1.bmp", "frame2.bmp", "frame3.bmp"}) {
        Image im = Lit(nom);
        ASSERT_TRUE(im.lue) << nom;
        for (bool colonnes : {true, false}) {
            int n = colonnes ? im.largeur : im.hauteur;
            double pire = 0;
            for (int k = 0; k + 1 < n; k++)
                pire = std::max(pire, EcartLignes(im, k, k + 1, colonnes));
            // The wrap-around seam is no rougher than the roughest pair of neighbouring lines.
            EXPECT_LE(EcartLignes(im, n - 1, 0, colonnes), pire)
                << nom << (colonnes ? ": left and right edges" : ": top and bottom edges");
        }
    }
}

TEST_F(Images, PawnsAndMarkersCarryTheBoardAtCellPhase) {
    ASSERT_TRUE(plateau.lue);
    std::vector<std::string> noms = {"pion3.bmp", "aide.bmp", "prop.bmp"};
    for (const char *p : PREFIXES)
        for (const char *vue : {"", "1", "2", "3", "4"})
            noms.push_back(std::string(p) + vue + ".bmp");
    for (const std::string &nom : noms) {
        Image im = Lit(nom);
        ASSERT_TRUE(im.lue) << nom;
        // Pixel (x, y) of an image laid one pixel inside a cell's corner falls on
        // pixel (x, y) of the board's tile; the corners, where no figure reaches,
        // must be exactly the board.
        int differents = 0;
        for (int y : {0, 1, 2, 3, im.hauteur - 4, im.hauteur - 3, im.hauteur - 2, im.hauteur - 1})
            for (int x : {0, 1, 2, 3, im.largeur - 4, im.largeur - 3, im.largeur - 2, im.largeur - 1})
                differents += Ecart(Pixel(im, x, y), Pixel(plateau, x, y)) > 0;
        EXPECT_EQ(differents, 0) << nom;
    }
}

TEST_F(Images, TurnArrowCarriesTheSidePanelAtBothOfItsPlaces) {
    Image fleche = Lit("fleche.bmp"), cote = Lit("cote.bmp");
    ASSERT_TRUE(fleche.lue && cote.lue);
    // The panel's tiles start at (609, 9); the arrow stands at (640, 60) or (725, 60).
    for (int place : {640, 725}) {
        int differents = 0;
        for (int y : {0, 1, fleche.hauteur - 2, fleche.hauteur - 1})
            for (int x : {0, 1, fleche.largeur - 2, fleche.largeur - 1})
                differents += Ecart(Pixel(fleche, x, y),
                                    Pixel(cote, (place - 609 + x) % cote.largeur, (60 - 9 + y) % cote.hauteur)) > 0;
        EXPECT_EQ(differents, 0) << "arrow at x " << place;
    }
}

TEST_F(Images, OpposingSetsDifferInShapeBrightnessAndColour) {
    for (int pair = 0; pair < 8; pair += 2)
        for (int impair = 1; impair < 8; impair += 2) {
            Image a = Lit(std::string(PREFIXES[pair]) + ".bmp"), b = Lit(std::string(PREFIXES[impair]) + ".bmp");
            ASSERT_TRUE(a.lue && b.lue);
            std::vector<bool> fa = Figure(a, plateau), fb = Figure(b, plateau);
            Couleur3 ca = CouleurMoyenne(a, fa), cb = CouleurMoyenne(b, fb);
            std::string paire = std::string(PREFIXES[pair]) + " against " + PREFIXES[impair];
            // The same figure recoloured would cover the same pixels.
            EXPECT_LT(Recouvrement(fa, fb), 0.85) << paire;
            // Side -1's toys are the darker ones, so brightness alone tells them apart.
            EXPECT_GE(Luminance(cb) - Luminance(ca), 50) << paire;
            EXPECT_GE(Ecart(ca, cb), 90) << paire;
        }
}

TEST_F(Images, FlipFramesTurnThePawnThroughItsEdge) {
    std::vector<bool> tranche = Figure(Lit("pion3.bmp"), plateau);
    int epaisseur = LargeurFigure(Lit("pion3.bmp"), tranche);
    for (const char *p : PREFIXES) {
        Image entier = Lit(std::string(p) + ".bmp");
        ASSERT_TRUE(entier.lue) << p;
        Couleur3 couleur = CouleurMoyenne(entier, Figure(entier, plateau));
        int largeur[5];
        largeur[0] = LargeurFigure(entier, Figure(entier, plateau));
        for (int vue = 1; vue <= 4; vue++) {
            Image im = Lit(std::string(p) + std::to_string(vue) + ".bmp");
            ASSERT_TRUE(im.lue) << p << vue;
            std::vector<bool> f = Figure(im, plateau);
            largeur[vue] = LargeurFigure(im, f);
            // Every frame shows the set's own toy, a little shaded as it turns.
            EXPECT_LT(Ecart(CouleurMoyenne(im, f), couleur), 60) << p << vue;
        }
        // Narrowing from the whole pawn to the edge-on plank, then widening again.
        EXPECT_GT(largeur[0], largeur[1]) << p;
        EXPECT_GT(largeur[1], largeur[2]) << p;
        EXPECT_GT(largeur[2], epaisseur) << p;
        EXPECT_LT(epaisseur, largeur[3]) << p;
        EXPECT_LT(largeur[3], largeur[4]) << p;
        EXPECT_LT(largeur[4], largeur[0]) << p;
    }
}

TEST_F(Images, HintAndSuggestionMarkersDifferInShapeAndColour) {
    Image aide = Lit("aide.bmp"), prop = Lit("prop.bmp");
    ASSERT_TRUE(aide.lue && prop.lue);
    std::vector<bool> fa = Figure(aide, plateau), fp = Figure(prop, plateau);
    // A ring shows the board in its middle, a star does not; the star is the bigger mark.
    EXPECT_FALSE(fa[24 * aide.largeur + 24]);
    EXPECT_TRUE(fp[24 * prop.largeur + 24]);
    EXPECT_GT(2 * std::count(fp.begin(), fp.end(), true), 3 * std::count(fa.begin(), fa.end(), true));
    EXPECT_GE(Ecart(CouleurMoyenne(aide, fa), CouleurMoyenne(prop, fp)), 80);
}

TEST_F(Images, ArrowIconsPointTheirWay) {
    struct Sens {
        const char *nom;
        int dx, dy;
    };
    for (Sens s : {Sens{"icones/haut.bmp", 0, -1}, Sens{"icones/bas.bmp", 0, 1}, Sens{"icones/gauche.bmp", -1, 0},
                   Sens{"icones/droite.bmp", 1, 0}}) {
        Image im = Lit(s.nom);
        ASSERT_TRUE(im.lue) << s.nom;
        // A triangle has its point on one side of its middle and its broad base on the other.
        int devant = 0, derriere = 0, milieu = im.largeur / 2;
        for (int y = 0; y < im.hauteur; y++)
            for (int x = 0; x < im.largeur; x++)
                if (Luminance(Pixel(im, x, y)) < 100) {
                    int cote = s.dx * (x - milieu) + s.dy * (y - milieu);
                    devant += cote > 0;
                    derriere += cote < 0;
                }
        EXPECT_GT(devant, 0) << s.nom;
        EXPECT_GT(derriere, devant + devant / 2) << s.nom;
    }
}

// Mean brightness of a rectangle of an image, and how much it varies there.
void Calme(const Image &im, int x1, int y1, int x2, int y2, double &moyenne, double &ecartType) {
    double s = 0, s2 = 0;
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) {
            double l = Luminance(Pixel(im, x, y));
            s += l;
            s2 += l * l;
            n++;
        }
    moyenne = s / n;
    ecartType = std::sqrt(std::max(0.0, s2 / n - moyenne * moyenne));
}

TEST_F(Images, TitleBackgroundLeavesCalmRoomForTheTitleTexts) {
    Image fond = Lit("fond.bmp");
    ASSERT_TRUE(fond.lue);
    double moyenne, ecartType;
    // "Version 1.0" and the credit line are white on a dark blue shadow: dark behind them.
    Calme(fond, 330, 180, 530, 220, moyenne, ecartType);
    EXPECT_LT(moyenne, 110);
    EXPECT_LT(ecartType, 25);
    Calme(fond, 0, 556, 295, 596, moyenne, ecartType);
    EXPECT_LT(moyenne, 110);
    EXPECT_LT(ecartType, 30);
    // The prompt is black with a white edge: light behind it.
    Calme(fond, 629, 541, 790, 581, moyenne, ecartType);
    EXPECT_GT(moyenne, 140);
    EXPECT_LT(ecartType, 30);
}

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double LuminanceRelative(Couleur3 c) {
    auto lineaire = [](double v) { return v <= 10.31475 ? v / 3294.6 : std::pow((v / 255 + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineaire(c.r) + 0.7152 * lineaire(c.g) + 0.0722 * lineaire(c.b);
}

TEST_F(Images, TextsStandOutFromTheImageUnderThem) {
    // A text's box as drawn (right and bottom excluded), cut to where the image
    // lies, and the point the image's tiles start from.
    struct Texte {
        const char *quoi, *image;
        Couleur3 encre;
        int x1, y1, x2, y2, ox, oy;
    };
    const Couleur3 noir{0, 0, 0}, blanc{255, 255, 255}, jaune{255, 200, 80}, encre_galerie{20, 20, 60};
    const Texte textes[] = {
        {"title prompt", "fond.bmp", noir, 630, 540, 791, 580, 0, 0},
        {"title credit", "fond.bmp", blanc, 1, 555, 294, 595, 0, 0},
        {"title version", "fond.bmp", blanc, 331, 181, 529, 221, 0, 0},
        {"setup label, left panel", "frame1.bmp", jaune, 105, 320, 205, 350, 29, 209},
        {"setup label, centre panel", "frame2.bmp", jaune, 350, 290, 450, 320, 319, 269},
        {"setup label, right panel", "frame3.bmp", jaune, 595, 320, 695, 350, 519, 209},
        {"side panel names", "cote.bmp", noir, 610, 35, 790, 60, 609, 9},
        {"side panel messages", "cote.bmp", noir, 635, 320, 765, 405, 609, 9},
        {"end-of-game box", "moquette.bmp", noir, 10, 10, 240, 82, 9, 9},
        {"gallery banner", "cote.bmp", encre_galerie, 153, 22, 486, 49, 9, 9},
        {"gallery boxes", "cote.bmp", encre_galerie, 10, 10, 240, 82, 9, 9},
    };
    for (const Texte &t : textes) {
        Image im = Lit(t.image);
        ASSERT_TRUE(im.lue) << t.image;
        Couleur3 s{0, 0, 0};
        for (int y = t.y1; y < t.y2; y++)
            for (int x = t.x1; x < t.x2; x++) {
                Couleur3 c = Pixel(im, (x - t.ox) % im.largeur, (y - t.oy) % im.hauteur);
                s = Couleur3{s.r + c.r, s.g + c.g, s.b + c.b};
            }
        double n = double(t.x2 - t.x1) * (t.y2 - t.y1);
        double a = LuminanceRelative(t.encre), b = LuminanceRelative(Couleur3{s.r / n, s.g / n, s.b / n});
        EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 4.5) << t.quoi << " on " << t.image;
    }
}

}  // namespace
