// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one game of Reversi and its rules: the board and the working
// grids, the game record, the geometry from cells to window pixels, the
// evaluation of a move, the scan of all moves and the pawn count.
#pragma once

#include <cstdint>

#include "ecran/ecran.h"

enum {
    TAILLE_MAX = 12,  // the grids are this size; only the N x N corner is in play
    TAILLE_CASE = 50,
    // Entry 0 is the played cell; a move flips at most ten pawns in each of eight directions.
    NB_COUPS = 1 + 8 * (TAILLE_MAX - 2),
    NB_NOM = 15
};

#pragma pack(push, 1)

// A window point of a move list; (-1, -1) marks an unused entry.
struct PointCoup {
    int32_t x, y;
};

// What one move would do: the pawns it flips and its safe-flips score.
struct Retournements {
    int32_t nombre;
    int32_t surs;
};

// The record of the game. Arrays by side are indexed side + 1 (side -1, nobody, side +1).
struct Partie {
    int32_t joueur;  // side to move, -1 or +1
    int32_t score[3];
    int32_t humain[3];  // 1 person, 0 computer
    int32_t niveau[3];  // computer strength 1..3, 0 for a person
    // By side: the whole pawn, then the five flip frames; nobody's row holds the hint marker.
    Pixmap *images[3][6];
    int32_t jeu_pions[3];  // pawn set, 4..11
    char nom[3][NB_NOM];
    int32_t taille;  // board size N: 6, 8, 10 or 12
    int32_t nb_joueurs;
    int32_t origine;  // pixel of the top-left corner of cell (0, 0), on both axes
    Fenetre *fenetre;
    Ecran ecran;
    int32_t aide;               // hint display on (1) or off (0)
    PointCoup coups[NB_COUPS];  // the last move: its cell, then the pawns it flipped
};

#pragma pack(pop)

// The board, indexed [column][row]: -1, 0 or +1 in each cell.
extern int32_t plateau[TAILLE_MAX][TAILLE_MAX];
// Pawns the side to move would flip at each cell; 0 where it cannot play.
extern int32_t nb_retournes[TAILLE_MAX][TAILLE_MAX];
// Safe-flips score of each move for the computer player, corners adjusted.
extern int32_t retournes_surs[TAILLE_MAX][TAILLE_MAX];
// Positional weight of each cell for the current board size.
extern int32_t poids[TAILLE_MAX][TAILLE_MAX];

// --- Cell geometry ------------------------------------------------------------
// Pixel of the board's top-left corner for a board of that size.
int Origine(int taille);
// True when the cell lies on the N x N board.
bool SurPlateau(int x, int y, int taille);
// Top-left corner of a cell, in window pixels.
PointCoup CoinCase(int x, int y, int origine);
// Where a cell's pawn is drawn: its corner moved by 5 pixels on both axes.
PointCoup PointPion(int x, int y, int origine);
// The cell under a window point; (-1, -1) above or left of the board.
PointCoup CaseDuPoint(int px, int py, int origine);
// A window point snapped to the corner of its cell.
PointCoup CaleSurCoin(int px, int py, int origine);

// --- Rules --------------------------------------------------------------------
// Flips and safe flips of a move at (x, y) for the side to move; with
// `enregistre` 1 the flipped pawns' points are written from `liste` on.
// Repaints the message panel in every case.
Retournements EvalueCoup(int x, int y, Partie partie, PointCoup *liste, int enregistre);
// Pawns flipped in one direction, written from `liste` on when `enregistre` is 1.
int RetournementsDirection(int x, int y, int dx, int dy, Partie partie, PointCoup *liste, int enregistre);
// Flips in one direction that the opponent cannot take back at once behind the move.
int RetournementsSurs(int x, int y, int dx, int dy, Partie partie);
// Writes the pawn points of the `nombre` cells after (x, y) in direction (dx, dy).
void PositionsRetournees(int x, int y, int dx, int dy, Partie partie, int nombre, PointCoup *liste);
// Scans every move of the side to move into the working grids, draws the
// hint markers; true when the side has a legal move.
bool ExploreCoups(Partie partie);
// Recounts both sides' pawns and redraws the score boxes (no refresh).
void ComptePions(Partie *partie);
// Empties the N x N cells in play.
void VidePlateau(Partie *partie);
// Marks every entry of a move list unused.
void VideListeCoups(PointCoup *liste);
// How many flipped pawns a move list records: entries 1 on, up to the first unused one.
int NbPionsRetournes(const PointCoup *coups);

// --- The side panel ---------------------------------------------------------------
// Repaints a box of the side panel with the panel's texture (no refresh).
void PeintPanneau(Zone zone, Fenetre *fenetre);
// Writes a text of the play screen centred in its box (no refresh).
void EcritDansZone(const char *texte, Zone zone, Fenetre *fenetre);
// Repaints the message area of the side panel with its texture (no refresh).
void EffaceMessages(Fenetre *fenetre);
// Replaces the message of the side panel by this text (no refresh).
void EcritMessage(const char *texte, Fenetre *fenetre);
