// SPDX-License-Identifier: GPL-3.0-or-later
// What the widget and dialog tests share: a display with one window, sleeps
// recorded instead of slept, pixels read back, small bitmap files written
// on the fly, and input queued for the real wait calls.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ecran/ecran.h"
#include "port/port_essai.h"
#include "temporaire.h"

namespace banc {

inline std::vector<int> sommeils;
inline void EnregistreSommeil(int millisecondes) {
    sommeils.push_back(millisecondes);
}

// The packed value a drawn colour leaves in a surface.
inline uint32_t Valeur(Couleur c) {
    return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}

inline uint32_t PixelDe(Surface *surface, int x, int y) {
    AccesPixels acces;
    if (plateforme.Accede(surface, &acces) != 0) {
        ADD_FAILURE() << "pixels unreadable";
        return 0xFFFFFFFF;
    }
    const uint32_t valeur = acces.pixels[y * acces.pas + x] & 0xFFFFFF;
    plateforme.Relache(surface);
    return valeur;
}

// Writes a 24-bit bitmap file, each pixel coloured by its position so that
// tiling can be checked: red = 16 x, green = 16 y, blue = 99.
inline void EcritBitmap(const std::string &nom, int largeur, int hauteur) {
    const int ligne = (largeur * 3 + 3) / 4 * 4;
    const uint32_t taille = 54 + ligne * hauteur;
    std::vector<unsigned char> octets(taille, 0);
    auto ecrit32 = [&](int position, uint32_t v) {
        for (int i = 0; i < 4; i++)
            octets[position + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    octets[0] = 'B';
    octets[1] = 'M';
    ecrit32(2, taille);
    ecrit32(10, 54);
    ecrit32(14, 40);
    ecrit32(18, largeur);
    ecrit32(22, hauteur);
    octets[26] = 1;
    octets[28] = 24;
    ecrit32(34, ligne * hauteur);
    for (int y = 0; y < hauteur; y++) {
        unsigned char *p = &octets[54 + (hauteur - 1 - y) * ligne];
        for (int x = 0; x < largeur; x++) {
            p[3 * x] = 99;
            p[3 * x + 1] = static_cast<unsigned char>(16 * y);
            p[3 * x + 2] = static_cast<unsigned char>(16 * x);
        }
    }
    FILE *f = fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(octets.data(), 1, octets.size(), f);
    fclose(f);
}

// The pixel EcritBitmap put at (x, y) of its image.
inline uint32_t PixelImage(int x, int y) {
    return static_cast<uint32_t>(16 * x) << 16 | static_cast<uint32_t>(16 * y) << 8 | 99;
}

// A display with one 400 x 300 grey window, a font, and a folder for files.
class Banc : public ::testing::Test {
protected:
    Ecran ecran{};
    Fenetre *fenetre = nullptr;
    Police police = nullptr;
    std::string dossier;

    void SetUp() override {
        sommeils.clear();
        sommeil = EnregistreSommeil;
        PfVideMessages();
        evenement.texteEnEdition = nullptr;
        evenement.fenetreCapturee = nullptr;
        evenement.enAttente = 0;
        InitialiseEcran(&ecran);
        fenetre = CreeFenetre(0, 0, 400, 300, "essai", 128, 128, 128, &ecran);
        ASSERT_NE(fenetre, nullptr);
        police = OuvrePolice("lucidasans-18", 20, fenetre);
        ASSERT_NE(police, nullptr);
        dossier = DossierTemporaire("flipora-widgets-");
        ASSERT_FALSE(dossier.empty());
    }

    void TearDown() override {
        if (fenetre != nullptr && ecran.nbFenetres > 0) {
            FermePolice(police, fenetre);
            DetruitFenetre(fenetre, &ecran);
        }
        PfVideMessages();
        sommeil = nullptr;
    }

    uint32_t Pixel(int x, int y) {
        return PixelDe(fenetre->arrierePlan, x, y);
    }
    // Copies a rectangle of the back buffer (inclusive corners), row by row.
    std::vector<uint32_t> Zone(int x1, int y1, int x2, int y2) {
        std::vector<uint32_t> pixels;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }
    Couleur Gris() {
        return AlloueCouleur(128, 128, 128, fenetre);
    }

    std::string Image(const char *nom, int largeur = 4, int hauteur = 4) {
        const std::string chemin = dossier + "/" + nom;
        EcritBitmap(chemin, largeur, hauteur);
        return chemin;
    }

    // Queued input, handled later by a wait call.
    void Appuie(int x, int y, uint32_t boutons = PF_MK_GAUCHE) {
        PfInjecteSouris(fenetre->hwnd, MSG_BOUTON_GAUCHE_BAS, x, y, boutons);
    }
    void Relache(int x, int y) {
        PfInjecteSouris(fenetre->hwnd, MSG_BOUTON_GAUCHE_HAUT, x, y, 0);
    }
    void Bouge(int x, int y, uint32_t boutons) {
        PfInjecteSouris(fenetre->hwnd, MSG_SOURIS, x, y, boutons);
    }
    void Tape(const char *utf8) {
        PfInjecteTexte(fenetre->hwnd, utf8);
    }
    void Touche(int virtuel) {
        PfInjecteTouche(fenetre->hwnd, virtuel);
    }

    // Hands every queued message to the window, as the program's polls do.
    void Traite() {
        while (TesteClic(ecran, fenetre, nullptr, nullptr) != 0) {}
    }
};

// Ends the test program if a wait that should return never does.
struct Garde {
    Garde() {
        alarm(20);
    }
    ~Garde() {
        alarm(0);
    }
};

// Virtual keys the tests press.
enum {
    VK_RETOUR = 0x0D,
    VK_EFFACE = 0x08,
    VK_FIN = 0x23,
    VK_DEBUT = 0x24,
    VK_GAUCHE = 0x25,
    VK_DROITE = 0x27,
    VK_SUPPRIME = 0x2E
};

}  // namespace banc
