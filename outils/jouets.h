// SPDX-License-Identifier: GPL-3.0-or-later
// The eight toys of the pawn sets, each drawn in its own units: the figure fills
// the square from -50 to 50 on both axes, centred on (0, 0), y downwards.
// A toy draws through the canvas's current map and modifiers, so the same
// function gives the pawn, its outline, its shadow and its turning frames.
#pragma once

#include "toile.h"

// Draws one toy into the canvas through its current map.
typedef void (*FonctionJouet)(Toile &t);

// One pawn set: the toy on its pawns (the game's tables name its files).
struct JeuPions {
    int numero;         // pawn-set number, 4 to 11; even sets play side -1
    const char *jouet;  // what a child would call it
    FonctionJouet dessine;
};

// The eight sets in pawn-set order (4 to 11). Side -1 (even) gets dark, cool toys,
// side +1 (odd) light, warm ones, and every toy has its own silhouette, so any two
// opposing sets differ in shape and in brightness as well as in hue.
extern const JeuPions jeux_pions[8];

void DessineOurs(Toile &t);      // violet teddy bear's head
void DessineLapin(Toile &t);     // pink rabbit's head with long ears
void DessineElephant(Toile &t);  // blue elephant's head, big ears and trunk
void DessineCanard(Toile &t);    // yellow rubber duck, side view
void DessineRobot(Toile &t);     // steel-teal robot's head with antenna
void DessineFusee(Toile &t);     // cream and red rocket, flying up to the right
void DessineVoiture(Toile &t);   // dark green toy car, side view
void DessineVoilier(Toile &t);   // orange sailboat with cream sails
