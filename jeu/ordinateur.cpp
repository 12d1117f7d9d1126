// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/ordinateur.h"

#include "jeu/coup.h"

namespace {

// One quadrant per board size 6, 8, 10, 12, indexed [x][y] from the top-left
// corner; the other three quadrants are its mirror images.
const int32_t quadrants[4][TAILLE_MAX / 2][TAILLE_MAX / 2] = {
    {{500, 5, 45}, {5, 5, 20}, {45, 20, -2}},
    {{500, 5, 50, 45}, {5, 5, 15, 20}, {50, 15, 75, 70}, {45, 20, 70, -2}},
    {{500, 5, 50, 40, 40}, {5, 5, 30, 20, 20}, {60, 50, 75, 60, 50}, {40, 20, 60, 70, 55}, {40, 20, 50, 55, -2}},
    {{500, 5, 60, 50, 40, 40},
     {5, 5, 30, 25, 20, 20},
     {60, 50, 75, 60, 60, 50},
     {50, 25, 60, 5, 10, 15},
     {40, 20, 60, 10, 70, 55},
     {40, 20, 50, 15, 55, -2}}};

// A coin flip between two equally good cells.
bool PileOuFace() {
    return Hasard() % 2 == 1;
}

// Whether legal cell c takes the place of candidate b at this strength.
bool Remplace(int niveau, PointCoup c, PointCoup b) {
    int surC = retournes_surs[c.x][c.y], surB = retournes_surs[b.x][b.y];
    if (niveau == 2)
        return surC > surB || (surC == surB && PileOuFace());
    if (niveau == 3) {
        int poidsC = poids[c.x][c.y], poidsB = poids[b.x][b.y];
        if (surC < surB || poidsC < poidsB)
            return false;
        return surC > surB || poidsC > poidsB || PileOuFace();
    }
    return nb_retournes[c.x][c.y] >= nb_retournes[b.x][b.y];
}

}  // namespace

void ChargePoids(Partie partie) {
    int taille = partie.taille, bord = taille - 1;
    const auto &quadrant = quadrants[(taille - 6) / 2];
    for (int x = 0; x < taille / 2; x++) {
        for (int y = 0; y < taille / 2; y++) {
            int valeur = quadrant[x][y];
            poids[x][y] = valeur;
            poids[bord - x][bord - y] = valeur;
            poids[x][bord - y] = valeur;
            poids[bord - x][y] = valeur;
        }
    }
}

PointCoup ChoisitCase(Partie partie) {
    int niveau = partie.niveau[partie.joueur + 1];
    PointCoup meilleur = {-1, -1};
    for (int x = 0; x < partie.taille; x++) {
        for (int y = 0; y < partie.taille; y++) {
            if (nb_retournes[x][y] == 0)
                continue;
            PointCoup c = {x, y};
            if (meilleur.x < 0 || Remplace(niveau, c, meilleur))
                meilleur = c;
        }
    }
    return meilleur;
}

void CoupOrdinateur(Interface *interface, PointCoup *coups) {
    Partie *partie = interface->partie;
    PointCoup choix = ChoisitCase(*partie);
    if (choix.x < 0)
        return;
    PointCoup point = PointPion(choix.x, choix.y, partie->origine);
    ValideClic(*partie, point.x, point.y, coups);
    coups[0] = point;
    JoueCoup(partie);
}
