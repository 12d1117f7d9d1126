// SPDX-License-Identifier: GPL-3.0-or-later
// How long one refresh of a pawn-sized rectangle takes: the engine refreshes
// every board cell on every scan and every pawn of every animation frame, so
// this cost bounds how fast a game can go once its pauses are gone.
//
//   bench_rafraichissement [calls] [zoom]   (1000 calls at zoom 1 by default)
// It draws where the programs do: on the display DISPLAY names, or with
// SDL_VIDEODRIVER=dummy where there is none.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ecran/ecran.h"

namespace {

using Horloge = std::chrono::steady_clock;

double Secondes(Horloge::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Something other than a flat colour, so no layer can skip identical pixels.
void DessineMotif(Fenetre *fenetre) {
    for (int y = 0; y < 600; y += 50) {
        for (int x = 0; x < 800; x += 50) {
            Couleur c = AlloueCouleur((x * 7) & 255, (y * 5) & 255, ((x + y) * 3) & 255, fenetre);
            RemplitRectangle(x, y, x + 49, y + 49, c, fenetre);
            RemplitCercle(x + 25, y + 25, 20, AlloueCouleur(255 - c.r, 255 - c.g, 255 - c.b, fenetre), fenetre);
        }
    }
}

// Times `appels` refreshes of the rectangle; returns the total in seconds.
double Chronometre(Fenetre *fenetre, int x, int y, int largeur, int hauteur, int appels) {
    Horloge::time_point debut = Horloge::now();
    for (int i = 0; i < appels; i++)
        Rafraichit(x, y, largeur, hauteur, fenetre);
    return Secondes(Horloge::now() - debut);
}

void Rapporte(const char *quoi, int appels, double total) {
    printf("%-32s %6d calls  total %9.3f ms  per call %8.2f us\n", quoi, appels, total * 1e3, total * 1e6 / appels);
}

}  // namespace

int main(int argc, char **argv) {
    int appels = argc > 1 ? atoi(argv[1]) : 1000;
    int zoom = argc > 2 ? atoi(argv[2]) : 1;
    if (appels <= 0 || zoom < 1 || zoom > 4) {
        fprintf(stderr,
                "usage: %s [calls] [zoom 1 to 4]\n"
                "on the display DISPLAY names; headless: SDL_VIDEODRIVER=dummy %s\n",
                argv[0], argv[0]);
        return 2;
    }
    const char *pilote = getenv("SDL_VIDEODRIVER");
    printf("video driver: %s, zoom %d\n", pilote && *pilote ? pilote : "(default)", zoom);
    plateforme.FixeZoom(zoom);

    static Ecran ecran;
    InitialiseEcran(&ecran);
    Fenetre *fenetre = CreeFenetre(0, 0, 800, 600, "Flipora - banc", 120, 202, 187, &ecran);
    if (!fenetre) {
        fprintf(stderr, "no window\n");
        return 1;
    }
    DessineMotif(fenetre);
    Rafraichit(0, 0, 800, 600, fenetre);
    // The window system maps and exposes the window before anything is timed,
    // so the first copies do not pay for the window's arrival.
    TesteClic(ecran, fenetre, nullptr, nullptr);

    // Warm-up: shared-memory segments and caches are set up on first use.
    Chronometre(fenetre, 100, 100, 50, 50, 100);

    // Where the game refreshes 50 x 50: a cell from its corner (a pawn placed
    // on the 8 x 8 board), from its pawn point (a hint marker), and the same
    // size at a left edge on a 64-byte boundary. The copy's cost depends on
    // where its rows start in memory, hence three positions.
    struct Cas {
        const char *nom;
        int x, y, largeur, hauteur, appels;
    };
    const Cas cas[] = {
        {"50x50 at cell corner 100,100", 100, 100, 50, 50, appels},
        {"50x50 at pawn point 105,105", 105, 105, 50, 50, appels},
        {"50x50 at 128,128", 128, 128, 50, 50, appels},
        // Every move evaluation refreshes the message area, 64 times a scan on 8 x 8.
        {"200x105 message area 600,305", 600, 305, 200, 105, appels},
        {"200x105 same, from 599,305", 599, 305, 200, 105, appels},
        // Building a screen ends with one whole-window refresh.
        {"800x600 whole window", 0, 0, 800, 600, appels / 10 > 0 ? appels / 10 : 1},
    };
    for (const Cas &c : cas)
        Rapporte(c.nom, c.appels, Chronometre(fenetre, c.x, c.y, c.largeur, c.hauteur, c.appels));

    // The same number of calls walking across the 8 x 8 board's cells, as a scan does.
    Horloge::time_point debut = Horloge::now();
    for (int i = 0; i < appels; i++)
        Rafraichit(100 + 50 * (i % 8), 100 + 50 * (i / 8 % 8), 50, 50, fenetre);
    Rapporte("50x50 walking the 64 cells", appels, Secondes(Horloge::now() - debut));

    TesteClic(ecran, fenetre, nullptr, nullptr);
    DetruitFenetre(fenetre, &ecran);
    return 0;
}
