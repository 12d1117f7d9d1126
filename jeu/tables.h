// SPDX-License-Identifier: GPL-3.0-or-later
// The game's program-wide tables: colours, font, bitmap files, loaded
// images, pawn-set frames, sounds, the user-visible texts, and the record of
// the game's widgets.
#pragma once

#include <cstdint>
#include <vector>

#include "ecran/ecran.h"
#include "ecran/options.h"
#include "ecran/son.h"

struct Partie;

// The seven game colours, allocated once at start-up in this order.
extern Couleur violet, bleu_clair, noir, blanc, bleu_moyen, bleu_fonce, jaune;

// The one font every text of the game is drawn with.
extern Police police_jeu;

enum {
    NB_FICHIERS_IMAGES = 18,
    NB_PIXMAPS_JEU = 13,
    NB_JEUX_PIONS = 8,
    NB_TRAMES = 5,
    NB_TEXTES_JEU = 24,
    PREMIER_JEU_PIONS = 4,  // pawn sets are numbered 4 to 11
    DERNIER_JEU_PIONS = 11
};

// Indexes into `fichiers_images` of the files not kept in `pixmaps_jeu`.
enum { FICHIER_FOND = 0, FICHIER_AIDE = 14, FICHIER_FRAME1 = 15, FICHIER_FRAME2 = 16, FICHIER_FRAME3 = 17 };

// Slots of `pixmaps_jeu`; a pawn set's icon sits at the slot of its number.
enum { PIXMAP_MOQUETTE = 0, PIXMAP_PLATEAU = 1, PIXMAP_FLECHE = 2, PIXMAP_COTE = 3, PIXMAP_PROP = 12 };

// The bitmap files of the game; slot k of `pixmaps_jeu` holds file k + 1.
extern const char *const fichiers_images[NB_FICHIERS_IMAGES];

// The images loaded by the title screen and kept for the whole run.
extern Pixmap *pixmaps_jeu[NB_PIXMAPS_JEU];

// Flip-animation frames by pawn set: row r belongs to set r + 4.
extern const char *const fichiers_pions[NB_JEUX_PIONS][NB_TRAMES];

// The game's sounds: a pawn placed, a pawn turned, a pass, a win, a draw.
enum { SON_POSE, SON_RETOURNE, SON_PASSE, SON_VICTOIRE, SON_NUL, NB_SONS };

// Their files, made by the build beside the images and read from the folder
// the images were found in; one that is missing is only silent.
extern const char *const fichiers_sons[NB_SONS];

// The sounds loaded by the title screen, null where a file was refused.
extern Son *sons_jeu[NB_SONS];

// Where the data are looked for after the working directory and the
// program's own folder: ../share/games/flipora beside the program's folder, then
// the installed data folder.
enum { NB_DOSSIERS_DONNEES = 2 };
extern const char *const dossiers_donnees[NB_DOSSIERS_DONNEES];

// Every image file the game loads, once each: the table of images, then the
// frames of the sets. The build draws exactly these (with the toolkit's icons).
std::vector<const char *> FichiersDuJeu();

// Rows of `textes_jeu`; the four reproaches are TEXTE_REPROCHE + 0..3.
enum {
    TEXTE_CONTRE,
    TEXTE_PLATEAU,
    TEXTE_HUMAIN,
    TEXTE_ORDINATEUR,
    TEXTE_NIVEAU_1,
    TEXTE_NIVEAU_2,
    TEXTE_NIVEAU_3,
    TEXTE_QUITTER,
    TEXTE_JOUER,
    TEXTE_SCORES,
    TEXTE_PIONS,
    TEXTE_AIDE,
    TEXTE_ANNULER,
    TEXTE_A_GAGNE,
    TEXTE_MATCH_NUL,
    TEXTE_REPROCHE,
    TEXTE_ANNULATION_IMPOSSIBLE = 19,
    TEXTE_JOUEUR_1,
    TEXTE_JOUEUR_2,
    TEXTE_PASSE,
    TEXTE_CLIQUEZ
};

// The user-visible texts; each language build links its own column.
extern const char *const textes_jeu[NB_TEXTES_JEU];
// What the program says on its command line, in the language of the build.
extern const TextesOptions textes_options;

// Slots of `Interface`.controles: a setup button's slot is also its identifier.
enum {
    SLOT_HUMAIN_1 = 0,  // side -1; each "_2" slot is the same widget of side +1
    SLOT_HUMAIN_2 = 1,
    SLOT_NIVEAU1_1 = 2,
    SLOT_NIVEAU1_2 = 3,
    SLOT_PIONS_PREMIER = 4,  // pawn-set buttons 4..11: slot = set number
    SLOT_PIONS_DERNIER = 11,
    SLOT_TAILLE_6 = 12,
    SLOT_TAILLE_8 = 13,
    SLOT_TAILLE_10 = 14,
    SLOT_TAILLE_12 = 15,
    SLOT_QUITTER = 16,
    SLOT_JOUER = 17,
    SLOT_NIVEAU2_1 = 18,
    SLOT_NIVEAU2_2 = 19,
    SLOT_NIVEAU3_1 = 20,
    SLOT_NIVEAU3_2 = 21,
    SLOT_AIDE = 25,
    SLOT_NOM_1 = 26,
    SLOT_NOM_2 = 27,
    NB_CONTROLES = 28
};

#pragma pack(push, 1)

// One widget slot: a button, or a text entry for the two name fields.
union Controle {
    Bouton *bouton;
    Texte *texte;
};

// The game's widgets by slot and the game record; the data of its callbacks.
struct Interface {
    Controle controles[NB_CONTROLES];
    Partie *partie;
};

#pragma pack(pop)
