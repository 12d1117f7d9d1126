// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/coup.h"

#include <algorithm>

#include "jeu/tables.h"

// The frames loaded for the current game, by side index (0 side -1, 1 side +1)
// and frame; kept here so that the next game can release them.
static Pixmap *trames_chargees[2][NB_TRAMES];

void ChargeImagesPions(Partie *partie) {
    for (auto &rangee : trames_chargees) {
        for (Pixmap *&trame : rangee) {
            LiberePixmap(trame);
            trame = nullptr;
        }
    }
    for (int cote = 0; cote < 2; cote++) {
        int propre = 2 * cote, autre = 2 - propre;
        int jeu = partie->jeu_pions[propre];
        partie->images[propre][0] = pixmaps_jeu[jeu];
        for (int i = 1; i <= NB_TRAMES; i++) {
            Pixmap *trame = nullptr;
            ChargePixmap(fichiers_pions[jeu - PREMIER_JEU_PIONS][i - 1], &trame, nullptr, nullptr, partie->fenetre);
            trames_chargees[cote][i - 1] = trame;
            // The turning-away frames are this side's; the turning-into-view
            // ones show this set appearing where the other side's pawn flips.
            partie->images[i <= 3 ? propre : autre][i] = trame;
        }
    }
}

namespace {

// A pawn's image one pixel inside its cell's corner, 50 pixels square. On
// 12 x 12 the last row and column of cells end at the window's edge and the
// pawn passes it by a pixel: that pixel is cut off, where AffichePixmap
// would squeeze the whole image into the 49 left.
void DessinePion(Pixmap *image, int x, int y, Fenetre *fenetre) {
    int droite = x + TAILLE_CASE, bas = y + TAILLE_CASE, largeur = fenetre->largeur, hauteur = fenetre->hauteur;
    if (droite <= largeur && bas <= hauteur)
        AffichePixmap(image, x, y, TAILLE_CASE, TAILLE_CASE, fenetre);
    else
        TraceRectangleMap(x, y, std::min(droite, largeur), std::min(bas, hauteur), x, y, image, fenetre);
}

}  // namespace

void PosePion(int mode, Partie partie, int x, int y) {
    Pixmap *image = partie.images[partie.joueur + 1][0];
    Fenetre *fenetre = partie.fenetre;
    if (mode == POSE_MARQUE) {
        AffichePixmap(image, x - 4, y - 4, 48, 48, fenetre);
        Rafraichit(x, y, 50, 50, fenetre);
        return;
    }
    PointCoup c = CaseDuPoint(x, y, partie.origine);
    if (SurPlateau(c.x, c.y, partie.taille))
        plateau[c.x][c.y] = partie.joueur;
    DessinePion(image, x + 1, y + 1, fenetre);
    TraceLigne(x, y, x + 50, y, bleu_clair, fenetre);
    TraceLigne(x + 50, y, x + 50, y + 50, bleu_clair, fenetre);
    TraceLigne(x, y + 50, x + 50, y + 50, bleu_clair, fenetre);
    TraceLigne(x, y, x, y + 50, bleu_clair, fenetre);
    Rafraichit(x, y, 50, 50, fenetre);
}

int ValideClic(Partie partie, int x, int y, PointCoup *coups) {
    PointCoup c = CaseDuPoint(x, y, partie.origine);
    if (!SurPlateau(c.x, c.y, partie.taille))
        return 0;
    VideListeCoups(coups);
    if (EvalueCoup(c.x, c.y, partie, coups + 1, 1).nombre != 0)
        return 1;
    EcritMessage(textes_jeu[TEXTE_REPROCHE + Hasard() % 4], partie.fenetre);
    Rafraichit(600, 0, 200, 600, partie.fenetre);
    return 0;
}

int PauseAnimation(int n) {
    return 100000 / (2 * n + 1);
}

void JoueCoup(Partie *partie) {
    int joueur = partie->joueur, origine = partie->origine;
    PointCoup joue = partie->coups[0];
    PointCoup coin = CaleSurCoin(joue.x, joue.y, origine);
    PosePion(POSE_PION, *partie, coin.x, coin.y);
    JoueSon(sons_jeu[SON_POSE]);

    PointCoup c = CaseDuPoint(coin.x, coin.y, origine);
    int n = nb_retournes[c.x][c.y];
    if (partie->humain[joueur + 1] == 0)
        n /= 2;
    int pause = PauseAnimation(n);
    int k = NbPionsRetournes(partie->coups);
    for (int f = 1; f <= NB_TRAMES; f++) {
        Pixmap *trame = partie->images[-joueur + 1][f];
        for (int i = 1; i <= k; i++) {
            PointCoup pion = partie->coups[i];
            PointCoup coinPion = CaleSurCoin(pion.x, pion.y, origine);
            DessinePion(trame, coinPion.x + 1, coinPion.y + 1, partie->fenetre);
            Rafraichit(coinPion.x + 1, coinPion.y + 1, 48, 48, partie->fenetre);
            // A tick as each pawn turns, once the knock of the placed one has
            // died down; many flips make a quick run of ticks.
            if (f == 2)
                JoueSon(sons_jeu[SON_RETOURNE]);
            Dort(pause);
        }
    }
    for (int i = 1; i <= k; i++) {
        PointCoup pion = partie->coups[i];
        PointCoup coinPion = CaleSurCoin(pion.x, pion.y, origine);
        PosePion(POSE_PION, *partie, coinPion.x, coinPion.y);
    }
}
