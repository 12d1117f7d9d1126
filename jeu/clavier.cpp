// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/clavier.h"

#include <algorithm>

#include "ecran/son.h"
#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/focus.h"
#include "jeu/regions.h"
#include "jeu/tour.h"

namespace {

// While the title screen waits for its click.
bool en_presentation = false;

// The board of the game being played and its keyboard cell.
Ardoise *ardoise_plateau = nullptr;
PointCoup case_clavier = {0, 0};

// Shows the marker on the keyboard cell (when the keyboard is in use).
void PlaceMarque(const Partie &partie) {
    Zone marque = DansCase(CASE_MARQUE, CoinCase(case_clavier.x, case_clavier.y, partie.origine));
    PlaceMarqueArdoise(ardoise_plateau, marque.gauche, marque.haut, marque.droite - 1, marque.bas - 1, partie.fenetre);
}

// One cell along an arrow, stopping at the board's edges.
int DeplaceCase(const Partie &partie, int dx, int dy) {
    const int dernier = partie.taille - 1;
    case_clavier = {std::clamp(case_clavier.x + dx, 0, dernier), std::clamp(case_clavier.y + dy, 0, dernier)};
    PlaceMarque(partie);
    return 1;
}

}  // namespace

int ToucheJeu(void *, int touche) {
    switch (touche) {
    case CLAVIER_RETOUR:
    case CLAVIER_ESPACE: return en_presentation ? CODE_EVENEMENT : 0;
    case 'M': BasculeSon(); return 1;
    default: return 0;
    }
}

void AttendClicOuEntree(Ecran ecran) {
    en_presentation = true;
    AttendClic(ecran, nullptr, nullptr, nullptr);
    en_presentation = false;
}

void PrepareClavierPlateau(Interface *interface, Ardoise *plateau) {
    Partie *partie = interface->partie;
    ardoise_plateau = plateau;
    const int m = partie->taille / 2 - 1;
    case_clavier = {m, m};
    RendArdoiseFocalisable(plateau, TouchePlateau, interface, partie->fenetre);
    PlaceMarque(*partie);
    DonneFocus(plateau, partie->fenetre);
}

int TouchePlateau(void *donnee, int touche) {
    Interface *interface = static_cast<Interface *>(donnee);
    const Partie &partie = *interface->partie;
    switch (touche) {
    case CLAVIER_GAUCHE: return DeplaceCase(partie, -1, 0);
    case CLAVIER_DROITE: return DeplaceCase(partie, 1, 0);
    case CLAVIER_HAUT: return DeplaceCase(partie, 0, -1);
    case CLAVIER_BAS: return DeplaceCase(partie, 0, 1);
    case CLAVIER_RETOUR:
    case CLAVIER_ESPACE: {
        PointCoup coin = CoinCase(case_clavier.x, case_clavier.y, partie.origine);
        const int demi = TAILLE_CASE / 2;
        return ClicPlateau(interface, 1, coin.x + demi, coin.y + demi, GENRE_APPUI, 1);
    }
    default: return 0;
    }
}

void CaseDessinee(Zone zone, Fenetre *fenetre) {
    ZoneRedessinee(zone.gauche, zone.haut, zone.droite - 1, zone.bas - 1, fenetre);
}
