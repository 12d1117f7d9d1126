// SPDX-License-Identifier: GPL-3.0-or-later
// Where the play screen puts things: the board area and the board slate,
// the side panel and each of its boxes, and the parts of a board cell.
// Copies, fills and refreshes exclude a zone's right and bottom edges; a
// widget made on a zone takes them as its inclusive corners.
#pragma once

#include "ecran/ecran.h"
#include "jeu/partie.h"

// --- The window -----------------------------------------------------------------
// The whole window: filled when the play screen is built, refreshed with each new screen.
constexpr Zone FENETRE_JEU = {0, 0, 800, 600};
// Left of the side panel: the carpet, with the board centred on it.
constexpr Zone ZONE_PLATEAU = {0, 0, 600, 600};
// The side panel, and what is refreshed after each change in it.
constexpr Zone PANNEAU = {600, 0, 800, 600};
// A box of the panel repainted with its texture is tiled from here, so that
// it joins the tiling of the panel's own frame.
constexpr int ANCRE_PANNEAU_X = 609, ANCRE_PANNEAU_Y = 9;

// --- The side panel, by side: index 0 for side -1 on the left, 1 for side +1 ---------
constexpr Zone NOMS[2] = {{610, 35, 700, 60}, {700, 35, 790, 60}};
// The starting "2" is centred in a taller box than the counts that replace it.
constexpr Zone SCORES_DEPART[2] = {{633, 130, 683, 190}, {717, 130, 767, 190}};
constexpr Zone SCORES[2] = {{633, 130, 683, 180}, {717, 130, 767, 180}};
// Each side's whole pawn, under the "Pions" label.
constexpr Zone PIONS[2] = {{633, 220, 683, 270}, {717, 220, 767, 270}};
// The turn arrow, at its image's size, under the name of the side to move.
constexpr Zone FLECHES[2] = {{640, 60, 672, 90}, {725, 60, 757, 90}};
// What is repainted where the arrow leaves; a few pixels wider than the arrow.
constexpr Zone PLACES_FLECHE[2] = {{640, 60, 677, 90}, {725, 60, 762, 90}};
// The strip refreshed when the arrow moves.
constexpr Zone BANDE_FLECHE = {600, 60, 800, 90};

// --- Messages -------------------------------------------------------------------------
// Repainted before each message and by every evaluation of a move.
constexpr Zone ZONE_MESSAGES = {625, 305, 775, 410};
// The strip an evaluation refreshes.
constexpr Zone BANDE_MESSAGES = {600, 305, 800, 410};
// Where a refusal or a pass notice is written.
constexpr Zone MESSAGE = {635, 320, 765, 405};
// Where a refused undo is written.
constexpr Zone MESSAGE_ANNULATION = {640, 330, 760, 400};

// Labels and commands centred across the side panel: their distance below its top.
enum { HAUT_SCORES = 115, HAUT_PIONS = 200, HAUT_AIDE = 430, HAUT_ANNULER = 475, HAUT_QUITTER = 520 };
// Width of the panel's three commands.
enum { LARGEUR_COMMANDE = 100 };

// --- A board cell, from its corner; grid lines run along the corners ----------------
// The cell's pawn point lies this far inside its corner on both axes.
constexpr int DECALAGE_PION = 5;
// Refreshed when a pawn is placed.
constexpr Zone CASE = {0, 0, TAILLE_CASE, TAILLE_CASE};
// A pawn or a flip frame; it covers the right and bottom grid lines.
constexpr Zone CASE_PION = {1, 1, TAILLE_CASE + 1, TAILLE_CASE + 1};
// Inside the grid lines: repainted with the board texture, refreshed by a scan.
constexpr Zone CASE_FOND = {1, 1, TAILLE_CASE, TAILLE_CASE};
// A hint or suggestion marker.
constexpr Zone CASE_MARQUE = {1, 1, TAILLE_CASE - 1, TAILLE_CASE - 1};
// What each frame of the flip animation brings to the screen.
constexpr Zone CASE_TRAME_VUE = {1, 1, TAILLE_CASE - 1, TAILLE_CASE - 1};
// Refreshed after a hint marker: 50 pixels square from the pawn point.
constexpr Zone CASE_MARQUE_VUE = {DECALAGE_PION, DECALAGE_PION, TAILLE_CASE + DECALAGE_PION,
                                  TAILLE_CASE + DECALAGE_PION};
// Refreshed after the suggestion marker: 49 pixels square from the pawn point.
constexpr Zone CASE_SUGGESTION_VUE = {DECALAGE_PION, DECALAGE_PION, TAILLE_CASE + DECALAGE_PION - 1,
                                      TAILLE_CASE + DECALAGE_PION - 1};

// The board slate: one pixel around the grid on the left and top, two on
// the right and bottom (inclusive corners).
inline Zone ArdoisePlateau(int origine) {
    return {origine - 1, origine - 1, ZONE_PLATEAU.droite + 2 - origine, ZONE_PLATEAU.bas + 2 - origine};
}

// A part of a cell, placed at the cell's corner.
inline Zone DansCase(Zone partie, PointCoup coin) {
    return {coin.x + partie.gauche, coin.y + partie.haut, coin.x + partie.droite, coin.y + partie.bas};
}

// Brings a zone of the back buffer to the screen.
inline void RafraichitZone(Zone zone, Fenetre *fenetre) {
    Rafraichit(zone.gauche, zone.haut, zone.droite - zone.gauche, zone.bas - zone.haut, fenetre);
}

// Draws a whole image into a zone, scaled to it.
inline void AfficheDansZone(Pixmap *image, Zone zone, Fenetre *fenetre) {
    AffichePixmap(image, zone.gauche, zone.haut, zone.droite - zone.gauche, zone.bas - zone.haut, fenetre);
}
