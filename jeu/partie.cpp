// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/partie.h"

#include <cstdio>

#include "jeu/aide.h"
#include "jeu/regions.h"
#include "jeu/tables.h"

int32_t plateau[TAILLE_MAX][TAILLE_MAX];
int32_t nb_retournes[TAILLE_MAX][TAILLE_MAX];
int32_t retournes_surs[TAILLE_MAX][TAILLE_MAX];
int32_t poids[TAILLE_MAX][TAILLE_MAX];

namespace {

// Length of the run of -joueur pawns from (x, y) in direction (dx, dy);
// `ferme` tells whether a pawn of `joueur` closes it on the board.
int Course(int x, int y, int dx, int dy, int joueur, int taille, bool *ferme) {
    int k = 1;
    while (SurPlateau(x + k * dx, y + k * dy, taille) && plateau[x + k * dx][y + k * dy] == -joueur)
        k++;
    *ferme = SurPlateau(x + k * dx, y + k * dy, taille) && plateau[x + k * dx][y + k * dy] == joueur;
    return k - 1;
}

// Pawns flipped in one direction, without recording them.
int CompteDirection(int x, int y, int dx, int dy, int joueur, int taille) {
    bool ferme;
    int nombre = Course(x, y, dx, dy, joueur, taille, &ferme);
    return ferme ? nombre : 0;
}

// The computer must never give away a corner by playing next to it, and
// must take a corner whenever the line it closes is safe.
void AjusteCoins(int taille) {
    int bord = taille - 1;
    const int coins[4][2] = {{0, 0}, {0, bord}, {bord, 0}, {bord, bord}};
    for (const auto &coin : coins) {
        if (retournes_surs[coin[0]][coin[1]] > 0)
            retournes_surs[coin[0]][coin[1]] = 500;
    }
    for (const auto &coin : coins) {
        int vx = coin[0] == 0 ? 1 : bord - 1, vy = coin[1] == 0 ? 1 : bord - 1;
        retournes_surs[vx][coin[1]] = 0;
        retournes_surs[vx][vy] = 0;
        retournes_surs[coin[0]][vy] = 0;
    }
}

}  // namespace

int Origine(int taille) {
    return (ZONE_PLATEAU.droite - TAILLE_CASE * taille + 1) / 2;
}

bool SurPlateau(int x, int y, int taille) {
    return x >= 0 && x < taille && y >= 0 && y < taille;
}

PointCoup CoinCase(int x, int y, int origine) {
    return {origine + TAILLE_CASE * x, origine + TAILLE_CASE * y};
}

PointCoup PointPion(int x, int y, int origine) {
    return {TAILLE_CASE * x + origine + DECALAGE_PION, TAILLE_CASE * y + origine + DECALAGE_PION};
}

PointCoup CaseDuPoint(int px, int py, int origine) {
    if (px < origine || py < origine)
        return {-1, -1};
    return {(px - origine) / TAILLE_CASE, (py - origine) / TAILLE_CASE};
}

PointCoup CaleSurCoin(int px, int py, int origine) {
    return {px - (px - origine) % TAILLE_CASE, py - (py - origine) % TAILLE_CASE};
}

int RetournementsDirection(int x, int y, int dx, int dy, Partie partie, PointCoup *liste, int enregistre) {
    int nombre = CompteDirection(x, y, dx, dy, partie.joueur, partie.taille);
    if (enregistre == 1 && nombre != 0)
        PositionsRetournees(x, y, dx, dy, partie, nombre, liste);
    return nombre;
}

int RetournementsSurs(int x, int y, int dx, int dy, Partie partie) {
    int joueur = partie.joueur, taille = partie.taille;
    int nombre = CompteDirection(x, y, dx, dy, joueur, taille);
    if (nombre == 0 || !SurPlateau(x - dx, y - dy, taille) || plateau[x - dx][y - dy] != 0)
        return nombre;
    // The opponent playing behind the move takes the line back when our own
    // run past the closing pawn ends in one of its pawns.
    int k = nombre + 1;
    while (SurPlateau(x + k * dx, y + k * dy, taille) && plateau[x + k * dx][y + k * dy] == joueur)
        k++;
    bool repris = SurPlateau(x + k * dx, y + k * dy, taille) && plateau[x + k * dx][y + k * dy] == -joueur;
    return repris ? 0 : nombre;
}

void PositionsRetournees(int x, int y, int dx, int dy, Partie partie, int nombre, PointCoup *liste) {
    PointCoup point = PointPion(x, y, partie.origine);
    for (int k = 0; k < nombre; k++) {
        point.x += TAILLE_CASE * dx;
        point.y += TAILLE_CASE * dy;
        liste[k] = point;
    }
}

Retournements EvalueCoup(int x, int y, Partie partie, PointCoup *liste, int enregistre) {
    int nombre = 0, surs = 0;
    if (plateau[x][y] == 0) {
        for (int dx = -1; dx <= 1; dx++) {
            for (int dy = -1; dy <= 1; dy++) {
                if (dx == 0 && dy == 0)
                    continue;
                PointCoup *suite = liste ? liste + nombre : nullptr;
                nombre += RetournementsDirection(x, y, dx, dy, partie, suite, enregistre);
                surs += RetournementsSurs(x, y, dx, dy, partie);
            }
        }
    }
    EffaceMessages(partie.fenetre);
    RafraichitZone(BANDE_MESSAGES, partie.fenetre);
    return {nombre, surs};
}

bool ExploreCoups(Partie partie) {
    int taille = partie.taille;
    nb_retournes[taille / 2][taille / 2] = 0;
    bool indices = partie.aide == 1 && partie.humain[partie.joueur + 1] == 1;
    PointCoup suggestion = {taille / 2, taille / 2};
    int legaux = 0;
    for (int x = 0; x < taille; x++) {
        for (int y = 0; y < taille; y++) {
            Retournements r = EvalueCoup(x, y, partie, nullptr, 0);
            nb_retournes[x][y] = r.nombre;
            retournes_surs[x][y] = r.surs;
            if (r.nombre != 0)
                legaux++;
            MarqueCase(partie, x, y, indices, &suggestion);
        }
    }
    AjusteCoins(taille);
    MarqueSuggestion(partie, suggestion);
    return legaux > 0;
}

void ComptePions(Partie *partie) {
    int taille = partie->taille;
    int comptes[3] = {0, 0, 0};
    for (int x = 0; x < taille; x++) {
        for (int y = 0; y < taille; y++)
            comptes[plateau[x][y] + 1]++;
    }
    partie->score[0] = comptes[0];
    partie->score[2] = comptes[2];
    for (int i = 0; i < 2; i++) {
        char texte[16];
        snprintf(texte, sizeof texte, "%d", comptes[2 * i]);
        PeintPanneau(SCORES[i], partie->fenetre);
        EcritDansZone(texte, SCORES[i], partie->fenetre);
    }
}

void VidePlateau(Partie *partie) {
    int taille = partie->taille;
    for (int x = 0; x < taille; x++) {
        for (int y = 0; y < taille; y++)
            plateau[x][y] = 0;
    }
}

void VideListeCoups(PointCoup *liste) {
    for (int i = 0; i < NB_COUPS; i++)
        liste[i] = {-1, -1};
}

int NbPionsRetournes(const PointCoup *coups) {
    int k = 0;
    while (k + 1 < NB_COUPS && coups[k + 1].x != -1)
        k++;
    return k;
}

void PeintPanneau(Zone zone, Fenetre *fenetre) {
    TraceRectangleMap(zone.gauche, zone.haut, zone.droite, zone.bas, ANCRE_PANNEAU_X, ANCRE_PANNEAU_Y,
                      pixmaps_jeu[PIXMAP_COTE], fenetre);
}

void EcritDansZone(const char *texte, Zone zone, Fenetre *fenetre) {
    EcritTexteDansRectangle(zone.gauche, zone.haut, zone.droite, zone.bas, texte, police_jeu, noir, fenetre);
}

void EffaceMessages(Fenetre *fenetre) {
    PeintPanneau(ZONE_MESSAGES, fenetre);
}

void EcritMessage(const char *texte, Fenetre *fenetre) {
    EffaceMessages(fenetre);
    EcritDansZone(texte, MESSAGE, fenetre);
}
