// SPDX-License-Identifier: GPL-3.0-or-later
// The window procedure every toolkit window shares: it turns platform
// messages into the toolkit's behaviour (repaint, position, input routing
// to the widget lists, the pending event).
#pragma once

#include <cstdint>

#include "plateforme.h"

// Reacts to one message for a platform window; returns the platform's result word.
int TraiteMessage(FenetrePf *hwnd, int message, uint32_t param1, uint32_t param2);
// What the platform does with a message the toolkit leaves to it.
int TraitementParDefaut(FenetrePf *hwnd, int message, uint32_t param1, uint32_t param2);
// Destroys a platform window the way the platform does: the window procedure
// receives the destroy message first.
void DetruitFenetrePlateforme(FenetrePf *hwnd);
// The button code a slate receives for a button-state word: 1 left, 2 middle,
// 3 right, 0 for anything else.
int CodeBoutons(uint32_t etat);
// Set while a display or image failure destroys a window, so that losing the
// last window that way ends the program with status 4, not 0.
extern bool destructionSurErreur;
// The window CreeFenetre is setting up: if its set-up fails, its destruction
// is no window's end and no event.
struct Fenetre;
extern Fenetre *fenetreEnCreation;
