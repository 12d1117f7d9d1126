// SPDX-License-Identifier: GPL-3.0-or-later
// How long one refresh of a pawn-sized rectangle takes: the engine refreshes
// every board cell on every scan and every pawn of every animation frame, so
// this cost bounds how fast a game can go once its pauses are gone. Then the
// frames of real moves' flip animations, measured against their pauses.
//
//   bench_rafraichissement [calls] [zoom | plein]   (1000 calls at zoom 1 by default)
// It draws where the programs do: on the display DISPLAY names, or with
// SDL_VIDEODRIVER=dummy where there is none. "plein" opens the window full
// screen: the picture scaled to the display.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ecran/ecran.h"
#include "jeu/coup.h"
#include "jeu/demarrage.h"

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

// The animation's frames: each one is the time from the end of one pause to
// the end of the next, that is the drawing, the refresh and the pause.
void (*dortReel)(int millisecondes);
Horloge::time_point finPause;
std::vector<double> retards;  // each frame's time beyond its pause, in ms

void DortMesure(int millisecondes) {
    dortReel(millisecondes);
    Horloge::time_point maintenant = Horloge::now();
    retards.push_back(Secondes(maintenant - finPause) * 1e3 - millisecondes);
    finPause = maintenant;
}

// Plays the first legal move of each side in turn, as people do, and says
// how much longer than its pause each frame of their animations took.
void MesureAnimations(Fenetre *fenetre, Ecran *ecran, int coups) {
    // The scans repaint the message panel with the game's images.
    for (int i = 1; i <= NB_PIXMAPS_JEU; i++)
        ChargePixmap(fichiers_images[i], &pixmaps_jeu[i - 1], nullptr, nullptr, fenetre);
    static Partie partie;
    InitialisePartie(&partie, fenetre, *ecran);
    partie.origine = Origine(partie.taille);
    ChargeImagesPions(&partie);
    memset(plateau, 0, sizeof plateau);
    plateau[3][3] = plateau[4][4] = 1;
    plateau[3][4] = plateau[4][3] = -1;
    dortReel = plateforme.Dort;
    plateforme.Dort = DortMesure;
    int pauses = 0;
    for (int c = 0; c < coups && ExploreCoups(partie); c++) {
        for (int x = 0; x < 8; x++)
            for (int y = 0; y < 8; y++)
                if (nb_retournes[x][y] > 0 && ValideClic(partie, CoinCase(x, y, partie.origine).x + 25,
                                                         CoinCase(x, y, partie.origine).y + 25, partie.coups)) {
                    partie.coups[0] = CoinCase(x, y, partie.origine);
                    pauses += PauseAnimation(nb_retournes[x][y]) / 1000 * 5 * nb_retournes[x][y];
                    x = y = 8;
                }
        finPause = Horloge::now();
        size_t avant = retards.size();
        JoueCoup(&partie);
        // The first frame's time began before the move's own drawing: left out.
        retards.erase(retards.begin() + static_cast<long>(avant));
        partie.joueur = -partie.joueur;
    }
    plateforme.Dort = dortReel;
    std::sort(retards.begin(), retards.end());
    double somme = 0;
    for (double r : retards)
        somme += r;
    if (!retards.empty())
        printf(
            "flip frames beyond their pause   %6zu frames  mean %6.2f ms  median %6.2f ms  max %6.2f ms"
            "  (pauses %d ms in all)\n",
            retards.size(), somme / double(retards.size()), retards[retards.size() / 2], retards.back(), pauses);
}

}  // namespace

int main(int argc, char **argv) {
    int appels = argc > 1 ? atoi(argv[1]) : 1000;
    bool plein = argc > 2 && strcmp(argv[2], "plein") == 0;
    int zoom = argc > 2 && !plein ? atoi(argv[2]) : 1;
    if (appels <= 0 || zoom < 1 || zoom > 4) {
        fprintf(stderr,
                "usage: %s [calls] [zoom 1 to 4 | plein]\n"
                "on the display DISPLAY names; headless: SDL_VIDEODRIVER=dummy %s\n",
                argv[0], argv[0]);
        return 2;
    }
    plateforme.FixeZoom(zoom);

    static Ecran ecran;
    InitialiseEcranPleinEcran(&ecran, plein ? 1 : 0);
    Fenetre *fenetre = CreeFenetre(0, 0, 800, 600, "Flipora - banc", 120, 202, 187, &ecran);
    if (!fenetre) {
        fprintf(stderr, "no window\n");
        return 1;
    }
    DessineMotif(fenetre);
    Rafraichit(0, 0, 800, 600, fenetre);
    // The window system maps, exposes and (full screen) sizes the window
    // before anything is timed, so the first copies do not pay for its arrival.
    for (int i = 0; i < 20; i++) {
        TesteClic(ecran, fenetre, nullptr, nullptr);
        Dort(10000);
    }
    const char *pilote = getenv("SDL_VIDEODRIVER");
    Zone z = fenetre->zoneEcran;
    printf("video driver: %s, %s, picture %d x %d on the screen\n", pilote && *pilote ? pilote : "(default)",
           plein       ? "full screen"
           : zoom == 1 ? "zoom 1"
                       : "zoomed",
           z.droite - z.gauche, z.bas - z.haut);

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
    MesureAnimations(fenetre, &ecran, 12);
    TesteClic(ecran, fenetre, nullptr, nullptr);
    DetruitFenetre(fenetre, &ecran);
    return 0;
}
