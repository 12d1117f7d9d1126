// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen: a full-window picture and three texts, shown while the
// images the game keeps for the whole run are loaded.
#pragma once

#include "ecran/ecran.h"

// Draws the title screen, brings it to the screen, then loads `pixmaps_jeu`.
void AffichePresentation(Fenetre *fenetre);
