// SPDX-License-Identifier: GPL-3.0-or-later
// The text entry: a one-line editable text in a sunken white field, edited
// from a press until Return or a press elsewhere.
#pragma once

#include "ecran/ecran.h"
#include "ecran/widgets/frame.h"

// Text entry callback, called after every key of an edit; its result is ignored.
typedef int (*RappelTexte)(void *donneeRappel, int id);

#pragma pack(push, 1)

// A text entry of the window's text entry list.
struct Texte {
    int32_t x1, y1, x2, y2;
    Couleur couleurTexte;
    Couleur couleurFond;  // base of the bevel shades
    char texte[256];
    Police police;
    int32_t longueur;     // as last set by ChangeTexte; editing leaves it
    int32_t longueurMax;  // most characters typing may reach
    int32_t curseur;      // index before which typing inserts
    RappelTexte rappel;
    void *donneeRappel;
    int32_t edition;  // 1 while edited (the cursor shows)
    int32_t debut;    // first character shown
    int32_t id;
    uint8_t actif;
    Texte *precedent;
    Texte *suivant;
};

#pragma pack(pop)

// Creates and draws a text entry (no refresh); its bevel follows the window's background.
Texte *CreeTexte(int id, int x1, int y1, int x2, int y2, const char *texteInitial, Police police, int longueurMax,
                 Couleur couleurTexte, RappelTexte rappel, void *donneeRappel, Fenetre *fenetre);
// The same, placed in a frame as PlaceDansFrame does, its bevel in the frame's colour.
Texte *CreeTexteDansFrame(int id, char sens, int decalage, int largeur, int hauteur, const char *texteInitial,
                          Police police, int longueurMax, Couleur couleurTexte, RappelTexte rappel, void *donneeRappel,
                          Frame *frame, Fenetre *fenetre);
// Replaces the contents, puts the cursor at their end, redraws (no refresh).
void ChangeTexte(Texte *texte, const char *contenu, Fenetre *fenetre);
// A heap copy of the contents; the caller frees it.
char *CopieTexte(Texte *texte);
// Draws the entry on the back buffer, scrolling `debut` so the cursor shows.
void TraceTexte(Texte *texte, Fenetre *fenetre);
// Puts the cursor where a press at x falls in the shown text, then redraws.
void PlaceCurseurTexte(Texte *texte, int x, int y, Fenetre *fenetre);
// A press on one entry: 0 when it misses; else starts (or goes on with) the
// edit and returns 1 when it ended, -99 when an event arose meanwhile.
signed char ClicTexte(Texte *texte, int x, int y, Fenetre *fenetre, Ecran ecran);
// A left press offered to the list from `tete`: the taker's position, -99,
// or -1 when no entry took it.
signed char ClicTextes(Texte *tete, int x, int y, Fenetre *fenetre, Ecran ecran);
// One key for the entry being edited: a character 0..255, or
// TOUCHE_NAVIGATION | virtual key. -99 on Return, else 1.
int ToucheTexte(int code, Texte *texte, Fenetre *fenetre);
// Ends the entry's edit if it has one, then unlinks and frees it; null is accepted.
void DetruitTexte(Texte *texte, Fenetre *fenetre);
