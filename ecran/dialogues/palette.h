// SPDX-License-Identifier: GPL-3.0-or-later
// The colour palette: a modal window in which the user picks one of 19 hues
// by 23 intensities and confirms it.
#pragma once

#include "ecran/ecran.h"

enum { LIGNES_PALETTE = 19, COLONNES_PALETTE = 23 };

#pragma pack(push, 1)

// The palette's state for one call: the colour chosen so far and the grid
// (the last column is spare and never written).
struct PaletteCouleur {
    Couleur choisie;
    Couleur table[LIGNES_PALETTE][COLONNES_PALETTE + 1];
    Fenetre *fenetre;
};

#pragma pack(pop)

// Shows the palette and returns the colour confirmed with "Ok" (black when
// none was picked), or (44, 44, 44) after "Annuler".
Couleur ChoisitCouleur(Police police, Ecran *ecran);
