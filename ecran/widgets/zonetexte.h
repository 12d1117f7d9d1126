// SPDX-License-Identifier: GPL-3.0-or-later
// List box: a caller's array of lines shown in a white area with two scroll
// bars; a left press picks one line.
#pragma once

#include "ecran/ecran.h"

// Told of every pick: (donneeRappel, 99), 99 being the identifier of its area; result ignored.
typedef int (*RappelZoneTexte)(void *donnee, int code);

#pragma pack(push, 1)

// A list box. It keeps the caller's array (not a copy) and reads it at
// every redraw; `selection` is the picked line, -1 for none.
struct ZoneTexte {
    int32_t x1, y1, x2, y2;
    Couleur couleurTexte;
    Couleur couleurFond;
    const char *const *lignes;
    int32_t nombre;
    int32_t hauteurLigne;
    int32_t lignesVisibles;
    int32_t caracteresVisibles;
    int32_t selection;
    Police police;
    RappelZoneTexte rappel;
    void *donneeRappel;
    int32_t id;
    uint8_t actif;
    Ardoise *zone;
    Ascenseur *ascenseurV;
    Ascenseur *ascenseurH;
    Fenetre *fenetre;
    ZoneTexte *precedent;
    ZoneTexte *suivant;
};

#pragma pack(pop)

// Builds the list box on (x1, y1)-(x2, y2), scroll bars included, and draws it.
ZoneTexte *CreeZoneTexte(int id, int x1, int y1, int x2, int y2, const char *const *lignes, int nombre, Police police,
                         Couleur couleurTexte, RappelZoneTexte rappel, void *donneeRappel, Fenetre *fenetre);
// Takes a new array and recomputes both scroll ranges; neither redraws nor
// clears the selection.
void ChangeLignesZoneTexte(ZoneTexte *zone, const char *const *lignes, int nombre);
// Draws the scroll bars, the area and the shown lines.
void TraceZoneTexte(ZoneTexte *zone, Fenetre *fenetre);
// Writes the lines the scroll bars bring into view.
void TraceLignesZoneTexte(ZoneTexte *zone, Fenetre *fenetre);
// Moves the pick `pas` lines down (up when negative), within the lines, and
// scrolls it into view; with none picked, down picks the first line and up
// the last. The owner is not told: a keyboard user walks through the lines
// (each of the chooser's directories would open) and then picks one.
void DeplaceSelectionZoneTexte(ZoneTexte *zone, int pas);
// Tells the owner of the picked line, as a press on it does; nothing when none is picked.
void ChoisitSelectionZoneTexte(ZoneTexte *zone);
// Unlinks and frees the record; its slate and scroll bars stay in their lists.
void DetruitZoneTexte(ZoneTexte *zone, Fenetre *fenetre);
