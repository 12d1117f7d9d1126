// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/aide.h"

#include "jeu/clavier.h"
#include "jeu/coup.h"
#include "jeu/regions.h"
#include "jeu/tables.h"

void (*indique_tour)(int cote, Partie partie);

namespace {

// Repaints the inside of a cell with the board texture, its tiles anchored at (ancre, ancre).
void PeintFondCase(PointCoup coin, int ancre, Fenetre *fenetre) {
    Zone fond = DansCase(CASE_FOND, coin);
    TraceRectangleMap(fond.gauche, fond.haut, fond.droite, fond.bas, ancre, ancre, pixmaps_jeu[PIXMAP_PLATEAU],
                      fenetre);
    CaseDessinee(fond, fenetre);
}

// Repaints every empty cell with the board texture, removing all markers.
void EffaceIndices(Partie partie) {
    for (int x = 0; x < partie.taille; x++) {
        for (int y = 0; y < partie.taille; y++) {
            if (plateau[x][y] != 0)
                continue;
            PointCoup coin = CoinCase(x, y, partie.origine);
            PeintFondCase(coin, 0, partie.fenetre);
            RafraichitZone(DansCase(CASE_FOND, coin), partie.fenetre);
        }
    }
}

// The undo needs a move that flipped pawns, not yet taken back, in a game
// between two people.
bool AnnulationPossible(const Partie &partie) {
    PointCoup premier = partie.coups[1];
    if (premier.x == -1 || premier.y == -1)
        return false;
    if (partie.humain[0] != 1 || partie.humain[2] != 1)
        return false;
    PointCoup joue = partie.coups[0];
    PointCoup c = CaseDuPoint(joue.x, joue.y, partie.origine);
    return SurPlateau(c.x, c.y, partie.taille) && plateau[c.x][c.y] != 0;
}

// Says that the undo cannot be done; nothing else changes.
void RefuseAnnulation(Partie *partie) {
    EffaceMessages(partie->fenetre);
    EcritDansZone(textes_jeu[TEXTE_ANNULATION_IMPOSSIBLE], MESSAGE_ANNULATION, partie->fenetre);
    RafraichitZone(PANNEAU, partie->fenetre);
}

}  // namespace

void MarqueCase(Partie partie, int x, int y, bool indices, PointCoup *suggestion) {
    PointCoup point = PointPion(x, y, partie.origine), coin = CoinCase(x, y, partie.origine);
    if (nb_retournes[x][y] != 0 && indices) {
        Partie marque = partie;
        marque.joueur = 0;
        PosePion(POSE_MARQUE, marque, point.x, point.y);
        PointCoup meilleur = *suggestion;
        if (nb_retournes[x][y] >= nb_retournes[meilleur.x][meilleur.y] && poids[x][y] >= poids[meilleur.x][meilleur.y])
            *suggestion = {x, y};
    } else if (nb_retournes[x][y] == 0 && plateau[x][y] == 0) {
        PeintFondCase(coin, partie.origine, partie.fenetre);
    }
    RafraichitZone(DansCase(CASE_FOND, coin), partie.fenetre);
}

void MarqueSuggestion(Partie partie, PointCoup suggestion) {
    if (partie.aide != 1 || nb_retournes[suggestion.x][suggestion.y] == 0)
        return;
    PointCoup coin = CoinCase(suggestion.x, suggestion.y, partie.origine);
    AfficheDansZone(pixmaps_jeu[PIXMAP_PROP], DansCase(CASE_MARQUE, coin), partie.fenetre);
    CaseDessinee(DansCase(CASE_MARQUE, coin), partie.fenetre);
    RafraichitZone(DansCase(CASE_SUGGESTION_VUE, coin), partie.fenetre);
}

void InverseAide(Partie *partie) {
    int aide = partie->aide == 1 ? 0 : 1;
    partie->aide = aide;
    if (aide == 0)
        EffaceIndices(*partie);
    else
        ExploreCoups(*partie);
}

int AnnuleCoup(void *donnee, int) {
    Partie *partie = static_cast<Partie *>(donnee);
    if (!AnnulationPossible(*partie)) {
        RefuseAnnulation(partie);
        return 1;
    }
    int origine = partie->origine;
    PointCoup joue = partie->coups[0];
    PointCoup c = CaseDuPoint(joue.x, joue.y, origine);
    PointCoup coin = CoinCase(c.x, c.y, origine);
    int auteur = plateau[c.x][c.y];
    PeintFondCase(coin, origine, partie->fenetre);
    plateau[c.x][c.y] = 0;

    Partie rendu = *partie;
    rendu.joueur = -auteur;
    int k = NbPionsRetournes(partie->coups);
    for (int i = 1; i <= k; i++) {
        PointCoup pion = partie->coups[i];
        PointCoup coinPion = CaleSurCoin(pion.x, pion.y, origine);
        PosePion(POSE_PION, rendu, coinPion.x, coinPion.y);
    }
    partie->joueur = auteur;
    VideListeCoups(partie->coups);
    ExploreCoups(*partie);
    ComptePions(partie);
    RafraichitZone(PANNEAU, partie->fenetre);
    if (indique_tour)
        indique_tour(auteur, *partie);
    return 1;
}
