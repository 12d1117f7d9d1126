// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the engine tests: one game window with the font and the
// colours, and solid-colour stand-ins for the game's images, so that one
// pixel of the back buffer tells what the engine drew there.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "jeu/partie.h"
#include "port/port_essai.h"

// Colours (0x00RRGGBB) of the stand-in images.
enum : uint32_t {
    RVB_PLATEAU = 0x205020,
    RVB_COTE = 0x3060A0,
    RVB_AIDE = 0x00FF00,
    RVB_PROP = 0xFF0000,
    RVB_PION_1 = 0x101010,  // whole pawn of side -1
    RVB_PION_2 = 0xF0F0F0,  // whole pawn of side +1
    RVB_TRAME = 0x800000    // frame f of side s's row: RVB_TRAME + 16 * f + s + 1
};

// The test program's game window, created before the first test.
Fenetre *FenetreJeu();
// A record of a game just set up on an N x N board, side -1 to move, the
// move list cleared, the four starting pawns placed and the weights loaded.
Partie PartieTest(int taille, int humain1 = 1, int humain2 = 1, int niveau1 = 0, int niveau2 = 0);
// Empties all 12 x 12 cells, then lays out the board from rows (top first):
// 'X' side -1, 'O' side +1, anything else empty.
void PlaceGrille(std::initializer_list<const char *> lignes);
// One pixel of the game window's back buffer.
uint32_t Pixel(int x, int y);
// The pauses asked of Dort since the last call of VideSommeils, in milliseconds.
std::vector<int> &Sommeils();
void VideSommeils();
// Counts cells holding -1, 0, +1 on the N x N board.
struct Comptes {
    int camp1, vides, camp2;
};
Comptes CompteCases(int taille);

// How many values of the sequence seeded with `graine` come before `rand_suivant`.
int Tirages(unsigned graine, int rand_suivant);

// Number of random draws made by `action`, found by replaying the seeded sequence.
template <typename Action>
int TiragesPendant(Action action) {
    const unsigned graine = 12345;
    srand(graine);
    action();
    return Tirages(graine, rand());
}
