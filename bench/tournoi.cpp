// SPDX-License-Identifier: GPL-3.0-or-later
// Computer against computer on 8 x 8 at every pair of strengths, both ways
// round: how often each strength beats each other one, and how many games the
// engine gets through per second once the animation's pauses are gone.
//
//   bench_tournoi [games per pair] [first seed]   (200 and 1 by default)
//
// The engine draws into one window as it plays; with no SDL_VIDEODRIVER set
// it is the dummy driver's, so nothing shows and no display is needed. Run
// from the build folder the game's own images are used, elsewhere plain
// 50 x 50 stand-ins.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/ecran.h"
#include "jeu/coup.h"
#include "jeu/demarrage.h"
#include "jeu/ecrans.h"
#include "jeu/ordinateur.h"
#include "jeu/partie.h"
#include "jeu/presentation.h"
#include "jeu/tables.h"

namespace {

using Horloge = std::chrono::steady_clock;

const int taille_plateau = 8;
const int nb_niveaux = 3;

Ecran ecran;
Fenetre *fenetre;
bool vraies_images;

// The pawn counts at the end of one game, and what it took.
struct Issue {
    int pions[2];  // side -1, side +1
    int coups;
    int passes;
    bool correcte;  // the final position agrees with an independent count
};

// Tallies of one strength against another, from the first one's side.
struct Bilan {
    int gagnees, nulles, perdues;
};

Pixmap *Unie(uint32_t rvb) {
    Surface *surface = nullptr;
    if (plateforme.CreeSurface(fenetre->directDraw, 50, 50, &surface) != 0)
        return nullptr;
    AccesPixels acces;
    if (plateforme.Accede(surface, &acces) == 0) {
        for (int y = 0; y < acces.hauteur; y++)
            for (int x = 0; x < acces.largeur; x++)
                acces.pixels[y * acces.pas + x] = rvb;
        plateforme.Relache(surface);
    }
    return surface;
}

Pixmap *images_unies[3][6];

void ChargeImages() {
    const char *const ici[] = {"."};
    vraies_images = DossierImages(ici, 1) != nullptr;
    if (vraies_images) {
        // The title screen is what loads the images the game keeps.
        AffichePresentation(fenetre);
        return;
    }
    pixmaps_jeu[PIXMAP_PLATEAU] = Unie(0x205020);
    pixmaps_jeu[PIXMAP_COTE] = Unie(0x3060A0);
    pixmaps_jeu[PIXMAP_FLECHE] = Unie(0xFFFF00);
    pixmaps_jeu[PIXMAP_PROP] = Unie(0xFF0000);
    images_unies[1][0] = Unie(0x00FF00);
    images_unies[0][0] = Unie(0x101010);
    images_unies[2][0] = Unie(0xF0F0F0);
    for (int s = 0; s < 3; s += 2)
        for (int f = 1; f <= 5; f++)
            images_unies[s][f] = Unie(0x800000 + 16 * f + s + 1);
}

// The record as the setup screen leaves it for two computer sides.
void PrepareRecord(Partie *partie, int niveau1, int niveau2) {
    static Pixmap *marque = nullptr;
    memset(partie, 0, sizeof *partie);
    partie->fenetre = fenetre;
    partie->ecran = ecran;
    partie->taille = taille_plateau;
    partie->nb_joueurs = 2;
    partie->jeu_pions[0] = 4;
    partie->jeu_pions[2] = 5;
    snprintf(partie->nom[0], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_1]);
    snprintf(partie->nom[2], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_2]);
    partie->score[0] = partie->score[2] = 2;
    partie->humain[0] = partie->humain[2] = 0;
    partie->niveau[0] = niveau1;
    partie->niveau[2] = niveau2;
    partie->aide = 0;  // no person at the board
    partie->origine = Origine(taille_plateau);
    if (vraies_images) {
        if (!marque)
            ChargePixmap(fichiers_images[FICHIER_AIDE], &marque, nullptr, nullptr, fenetre);
        partie->images[1][0] = marque;
    } else {
        memcpy(partie->images, images_unies, sizeof images_unies);
    }
}

// Pawns side `joueur` would flip at (x, y), counted without the engine.
int Retourne(int x, int y, int joueur) {
    if (plateau[x][y] != 0)
        return 0;
    int total = 0;
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (dx == 0 && dy == 0)
                continue;
            int cx = x + dx, cy = y + dy, n = 0;
            while (SurPlateau(cx, cy, taille_plateau) && plateau[cx][cy] == -joueur)
                cx += dx, cy += dy, n++;
            if (SurPlateau(cx, cy, taille_plateau) && plateau[cx][cy] == joueur)
                total += n;
        }
    }
    return total;
}

bool PeutJouer(int joueur) {
    for (int x = 0; x < taille_plateau; x++)
        for (int y = 0; y < taille_plateau; y++)
            if (Retourne(x, y, joueur) > 0)
                return true;
    return false;
}

// One game, in the order the turn flow runs the engine: the first side's
// scan, then for each move the computer's choice and animation, the recount,
// the turn arrow and the next side's scan, with a pass when it has no move.
Issue JouePartie(int niveau1, int niveau2) {
    static Partie partie;
    PrepareRecord(&partie, niveau1, niveau2);
    if (vraies_images)
        ChargeImagesPions(&partie);
    Interface interface = {};
    interface.partie = &partie;

    memset(plateau, 0, sizeof plateau);
    int h = taille_plateau / 2;
    plateau[h - 1][h - 1] = plateau[h][h] = 1;
    plateau[h - 1][h] = plateau[h][h - 1] = -1;
    ChargePoids(partie);

    Issue issue = {{0, 0}, 0, 0, true};
    partie.joueur = -1;
    VideListeCoups(partie.coups);
    bool peut = ExploreCoups(partie);
    IndiqueTour(-1, partie);
    while (peut) {
        int joueur = partie.joueur;
        int avant = joueur < 0 ? partie.score[0] : partie.score[2];
        CoupOrdinateur(&interface, partie.coups);
        issue.coups++;
        ComptePions(&partie);
        Rafraichit(600, 0, 200, 600, fenetre);
        int apres = joueur < 0 ? partie.score[0] : partie.score[2];
        if (apres != avant + 1 + NbPionsRetournes(partie.coups))
            issue.correcte = false;
        partie.joueur = -joueur;
        IndiqueTour(partie.joueur, partie);
        peut = ExploreCoups(partie);
        if (!peut) {
            if (PeutJouer(-joueur))
                issue.correcte = false;
            partie.joueur = joueur;
            IndiqueTour(partie.joueur, partie);
            peut = ExploreCoups(partie);
            if (peut)
                issue.passes++;
        }
        if (issue.coups > taille_plateau * taille_plateau) {
            issue.correcte = false;
            break;
        }
    }
    ComptePions(&partie);
    issue.pions[0] = partie.score[0];
    issue.pions[1] = partie.score[2];
    if (PeutJouer(-1) || PeutJouer(1) || issue.pions[0] + issue.pions[1] > taille_plateau * taille_plateau)
        issue.correcte = false;
    return issue;
}

double Pourcent(int n, int total) {
    return total > 0 ? 100.0 * n / total : 0.0;
}

}  // namespace

int main(int argc, char **argv) {
    int par_paire = argc > 1 ? atoi(argv[1]) : 200;
    unsigned graine = argc > 2 ? static_cast<unsigned>(strtoul(argv[2], nullptr, 10)) : 1;
    if (par_paire <= 0) {
        fprintf(stderr, "usage: %s [games per pair] [first seed]\n", argv[0]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    // The pauses of the flip animation would be nearly all the time spent.
    plateforme.Dort = [](int) {};

    InitialiseEcran(&ecran);
    fenetre = CreeFenetre(0, 0, 800, 600, "Flipora", 120, 202, 187, &ecran);
    if (!fenetre) {
        fprintf(stderr, "no window\n");
        return 1;
    }
    police_jeu = OuvrePolice("lucidasans-18", 20, fenetre);
    AlloueCouleurs(fenetre);
    ChargeImages();

    const char *pilote = getenv("SDL_VIDEODRIVER");
    printf("%dx%d board, %d games per ordered pair of strengths, seeds from %u, video driver %s, %s images\n\n",
           taille_plateau, taille_plateau, par_paire, graine, pilote, vraies_images ? "the game's" : "stand-in");

    // resultats[a][b]: strength a + 1 against strength b + 1, from a's side,
    // over the games where a moved first and those where b did.
    Bilan resultats[nb_niveaux][nb_niveaux] = {};
    int parties = 0, coups = 0, passes = 0, fautives = 0;
    long pions_ecart = 0;
    Horloge::time_point debut = Horloge::now();

    printf("first  second  games  first wins  draws  second wins  moves/game  mean score (first-second)\n");
    for (int n1 = 1; n1 <= nb_niveaux; n1++) {
        for (int n2 = 1; n2 <= nb_niveaux; n2++) {
            Bilan paire = {0, 0, 0};
            int coups_paire = 0;
            long pions1 = 0, pions2 = 0;
            for (int i = 0; i < par_paire; i++) {
                srand(graine + 100000u * (3 * (n1 - 1) + (n2 - 1)) + i);
                Issue issue = JouePartie(n1, n2);
                parties++;
                coups += issue.coups;
                coups_paire += issue.coups;
                passes += issue.passes;
                if (!issue.correcte)
                    fautives++;
                pions1 += issue.pions[0];
                pions2 += issue.pions[1];
                int ecart = issue.pions[0] - issue.pions[1];
                pions_ecart += ecart;
                Bilan &premier = resultats[n1 - 1][n2 - 1];
                Bilan &second = resultats[n2 - 1][n1 - 1];
                if (ecart > 0) {
                    paire.gagnees++;
                    premier.gagnees++;
                    second.perdues++;
                } else if (ecart < 0) {
                    paire.perdues++;
                    premier.perdues++;
                    second.gagnees++;
                } else {
                    paire.nulles++;
                    premier.nulles++;
                    second.nulles++;
                }
            }
            printf("  %d      %d    %5d   %6.1f%%    %5.1f%%    %6.1f%%      %5.1f       %5.2f - %5.2f\n", n1, n2,
                   par_paire, Pourcent(paire.gagnees, par_paire), Pourcent(paire.nulles, par_paire),
                   Pourcent(paire.perdues, par_paire), 1.0 * coups_paire / par_paire, 1.0 * pions1 / par_paire,
                   1.0 * pions2 / par_paire);
            fflush(stdout);
        }
    }
    double secondes = std::chrono::duration<double>(Horloge::now() - debut).count();

    printf("\nstrength against strength, both colours (win / draw / loss of the row, games)\n");
    printf("        ");
    for (int b = 1; b <= nb_niveaux; b++)
        printf("  vs %d                      ", b);
    printf("\n");
    for (int a = 0; a < nb_niveaux; a++) {
        printf("  %d   ", a + 1);
        for (int b = 0; b < nb_niveaux; b++) {
            const Bilan &r = resultats[a][b];
            int total = r.gagnees + r.nulles + r.perdues;
            printf("  %5.1f / %4.1f / %5.1f (%4d)", Pourcent(r.gagnees, total), Pourcent(r.nulles, total),
                   Pourcent(r.perdues, total), total);
        }
        printf("\n");
    }
    printf("  (a diagonal cell counts each game twice, once from either side)\n");

    printf("\ngames played: %d, moves: %d, passes: %d, mean pawn lead of the first side: %.2f\n", parties, coups,
           passes, 1.0 * pions_ecart / parties);
    printf("time: %.3f s, %.1f games/s, %.0f moves/s\n", secondes, parties / secondes, coups / secondes);
    printf("games whose moves or final position disagreed with an independent count: %d\n", fautives);
    return fautives == 0 ? 0 : 1;
}
