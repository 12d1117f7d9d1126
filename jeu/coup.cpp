// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/coup.h"

#include "jeu/clavier.h"
#include "jeu/regions.h"
#include "jeu/tables.h"

namespace {

// The frames loaded for the current game, by side index (0 side -1, 1 side +1)
// and frame; kept here so that the next game can release them.
Pixmap *trames_chargees[2][NB_TRAMES];

}  // namespace

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

void PosePion(int mode, Partie partie, int x, int y) {
    Pixmap *image = partie.images[partie.joueur + 1][0];
    Fenetre *fenetre = partie.fenetre;
    if (mode == POSE_MARQUE) {
        PointCoup coin = {x - DECALAGE_PION, y - DECALAGE_PION};
        AfficheDansZone(image, DansCase(CASE_MARQUE, coin), fenetre);
        CaseDessinee(DansCase(CASE_MARQUE, coin), fenetre);
        RafraichitZone(DansCase(CASE_MARQUE_VUE, coin), fenetre);
        return;
    }
    PointCoup c = CaseDuPoint(x, y, partie.origine);
    if (SurPlateau(c.x, c.y, partie.taille))
        plateau[c.x][c.y] = partie.joueur;
    PointCoup coin = {x, y};
    // On 12 x 12 the bottom row's pawns pass the window's edge by a pixel and
    // are squeezed into the rest, as any image drawn past the edge is.
    AfficheDansZone(image, DansCase(CASE_PION, coin), fenetre);
    Zone z = DansCase(CASE, coin);
    TraceLigne(z.gauche, z.haut, z.droite, z.haut, bleu_clair, fenetre);
    TraceLigne(z.droite, z.haut, z.droite, z.bas, bleu_clair, fenetre);
    TraceLigne(z.gauche, z.bas, z.droite, z.bas, bleu_clair, fenetre);
    TraceLigne(z.gauche, z.haut, z.gauche, z.bas, bleu_clair, fenetre);
    CaseDessinee(z, fenetre);
    RafraichitZone(z, fenetre);
}

int ValideClic(Partie partie, int x, int y, PointCoup *coups) {
    PointCoup c = CaseDuPoint(x, y, partie.origine);
    if (!SurPlateau(c.x, c.y, partie.taille))
        return 0;
    VideListeCoups(coups);
    if (EvalueCoup(c.x, c.y, partie, coups + 1, 1).nombre != 0)
        return 1;
    EcritMessage(textes_jeu[TEXTE_REPROCHE + Hasard() % 4], partie.fenetre);
    RafraichitZone(PANNEAU, partie.fenetre);
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
            AfficheDansZone(trame, DansCase(CASE_PION, coinPion), partie->fenetre);
            CaseDessinee(DansCase(CASE_PION, coinPion), partie->fenetre);
            RafraichitZone(DansCase(CASE_TRAME_VUE, coinPion), partie->fenetre);
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
