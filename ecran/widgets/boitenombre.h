// SPDX-License-Identifier: GPL-3.0-or-later
// Number box: an integer between a minimum and a maximum, typed in a text
// entry or stepped by one with the arrows beside it.
#pragma once

#include "ecran/ecran.h"

// Told of every change: (donneeRappel, new value, id of the box); result ignored.
typedef void (*RappelBoiteNombre)(void *donnee, int valeur, int id);

#pragma pack(push, 1)

// A number box: a text entry between a left and a right arrow button.
struct BoiteNombre {
    int32_t x1, y1, x2, y2;
    Couleur couleur;
    Police police;
    int32_t minimum;
    int32_t maximum;
    int32_t valeur;
    RappelBoiteNombre rappel;
    void *donneeRappel;
    int32_t id;
    uint8_t actif;
    Bouton *flechePlus;
    Bouton *flecheMoins;
    Texte *saisie;
    Fenetre *fenetre;
    BoiteNombre *precedent;
    BoiteNombre *suivant;
};

#pragma pack(pop)

// Builds and draws the box; a minimum above the maximum ends the program (status 5).
BoiteNombre *CreeBoiteNombre(int id, int x1, int y1, int x2, int y2, int valeur, Police police, int minimum,
                             int maximum, Couleur couleur, RappelBoiteNombre rappel, void *donneeRappel,
                             Fenetre *fenetre);
// The value shown in the entry, read as a decimal integer.
int LitBoiteNombre(BoiteNombre *boite);
// Draws the arrows and the entry.
void TraceBoiteNombre(BoiteNombre *boite, Fenetre *fenetre);
// Unlinks and frees the record; its arrows and entry stay in their lists.
void DetruitBoiteNombre(BoiteNombre *boite, Fenetre *fenetre);
