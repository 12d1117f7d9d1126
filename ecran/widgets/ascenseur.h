// SPDX-License-Identifier: GPL-3.0-or-later
// Scroll bar: an integer between a minimum and a maximum, chosen with two
// arrow buttons, presses in the track and a thumb dragged along it.
#pragma once

#include "ecran/ecran.h"

// Told of every change: (donneeRappel, id of the scroll bar); result ignored.
typedef int (*RappelAscenseur)(void *donnee, int id);

#pragma pack(push, 1)

// A vertical ('v') or horizontal ('h') scroll bar built of a track slate,
// a thumb button and two arrow buttons, each in its own list.
struct Ascenseur {
    int32_t x1, y1, x2, y2;
    Couleur couleur;
    RappelAscenseur rappel;
    void *donneeRappel;
    int32_t id;
    uint8_t actif;
    Bouton *flecheMoins;
    Bouton *flechePlus;
    Bouton *pouce;
    Ardoise *piste;
    char sens;
    int32_t valeur;
    int32_t minimum;
    int32_t maximum;
    int32_t saisi;
    Fenetre *fenetre;
    int32_t priseX, priseY;
    Ascenseur *precedent;
    Ascenseur *suivant;
};

#pragma pack(pop)

// Builds the bar on (x1, y1)-(x2, y2), which must be over 64 pixels long,
// draws it and refreshes its track.
Ascenseur *CreeAscenseur(int id, char sens, int x1, int y1, int x2, int y2, int valeur, int minimum, int maximum,
                         Couleur couleur, RappelAscenseur rappel, void *donneeRappel, Fenetre *fenetre);
// Stores a new value and range (a maximum below the minimum becomes the
// minimum); the value is kept as given. No redraw.
void ChangeBornesAscenseur(Ascenseur *ascenseur, int valeur, int minimum, int maximum);
// Draws both arrows and places the thumb.
void TraceAscenseur(Ascenseur *ascenseur, Fenetre *fenetre);
// Redraws the track with the thumb at the place of the value and refreshes it.
void PlacePouceAscenseur(Ascenseur *ascenseur);
// Unlinks and frees the record; its buttons and track stay in their lists.
void DetruitAscenseur(Ascenseur *ascenseur, Fenetre *fenetre);
