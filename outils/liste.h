// SPDX-License-Identifier: GPL-3.0-or-later
// What the generator draws: every file that the game's tables and the
// toolkit's icon table name, each with the picture its place in those tables
// calls for. The tables are the one list of the files; this is where a name
// meets its picture. (Apart from the drawing code, whose colour function
// shares its name with the toolkit's colour record.)
#pragma once

#include <string>
#include <vector>

// What a picture shows.
enum Sujet {
    SUJET_FOND,
    SUJET_MOQUETTE,
    SUJET_PLATEAU,
    SUJET_FLECHE,
    SUJET_COTE,
    SUJET_PROPOSITION,
    SUJET_AIDE,
    SUJET_CADRE,
    SUJET_PION,
    SUJET_TRAME,
    SUJET_ICONE
};

// One file to draw: its name in the image folder and its picture.
struct Commande {
    std::string nom;
    Sujet sujet;
    int numero;  // a fabric 1 to 3, or a pawn set's row 0 to 7 (sets 4 to 11)
    int vue;     // a flip frame 0 to 4, 2 being the pawn edge-on
    int dx, dy;  // where an arrow icon points
};

// Every file the tables name, once each and in the tables' order, with its
// picture. The names that no place gives a picture to go to `orphelins`.
std::vector<Commande> Commandes(std::vector<std::string> *orphelins);
