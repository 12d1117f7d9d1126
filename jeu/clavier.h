// SPDX-License-Identifier: GPL-3.0-or-later
// The game by keyboard: the keys of the game window, the wait of the title
// screen, and the keyboard cell of the board, which the arrows move and
// Return or space plays. The toolkit's focus brings the keys here.
#pragma once

#include "ecran/ecran.h"
#include "jeu/partie.h"
#include "jeu/tables.h"

// The game window's own key callback: the keys that no widget takes, on
// every screen (`donnee` is unused).
int ToucheJeu(void *donnee, int touche);
// Waits for a click, or for Return or space, anywhere in the game's windows.
void AttendClicOuEntree(Ecran ecran);
// The board just drawn takes the keys: its keyboard cell is the top-left one
// of the four central cells, and the focus is on it.
void PrepareClavierPlateau(Interface *interface, Ardoise *plateau);
// The board's key callback (`donnee` is the Interface): the arrows move the
// keyboard cell, Return and space play there as a click at its centre does.
int TouchePlateau(void *donnee, int touche);
// Called after drawing in a zone of a cell: the marker of the keyboard cell
// comes back over what was drawn there.
void CaseDessinee(Zone zone, Fenetre *fenetre);
