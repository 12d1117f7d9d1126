// SPDX-License-Identifier: GPL-3.0-or-later
// The button: a bevelled face with an optional image and caption that shows
// itself pressed, then calls its callback.
#pragma once

#include "ecran/ecran.h"
#include "ecran/widgets/frame.h"

// Button callback: 0 lets the press go on to the buttons below, the event
// code ends the current wait, anything else means handled.
typedef int (*RappelBouton)(void *donneeRappel, int id);

#pragma pack(push, 1)

// A button of the window's button list.
struct Bouton {
    int32_t x1, y1, x2, y2;
    Couleur couleurTexte;
    Couleur couleurFond;
    char texte[256];
    Police police;  // null: no caption is drawn
    char nomImage[256];
    Pixmap *image;
    int32_t largeurImage, hauteurImage;
    RappelBouton rappel;
    void *donneeRappel;
    int32_t releve;  // 0 only on the copy drawn pressed
    int32_t id;
    uint8_t actif;
    Bouton *precedent;
    Bouton *suivant;
};

#pragma pack(pop)

// Creates and draws a button (no refresh). A null caption leaves the font null.
Bouton *CreeBouton(int id, int x1, int y1, int x2, int y2, const char *texte, Police police, const char *nomImage,
                   Couleur couleurFond, Couleur couleurTexte, RappelBouton rappel, void *donneeRappel,
                   Fenetre *fenetre);
// The same, placed in a frame as PlaceDansFrame does.
Bouton *CreeBoutonDansFrame(int id, char sens, int decalage, int largeur, int hauteur, const char *texte, Police police,
                            const char *nomImage, Couleur couleurFond, Couleur couleurTexte, RappelBouton rappel,
                            void *donneeRappel, Frame *frame, Fenetre *fenetre);
// Unlinks and frees the button and its image; null is accepted.
void DetruitBouton(Bouton *bouton, Fenetre *fenetre);
// Lets presses reach the button again, or makes them pass through it; no redraw.
void ActiveBouton(Bouton *bouton);
void DesactiveBouton(Bouton *bouton);
// Replaces the image (null or empty: none), then redraws.
void ChangeImageBouton(Bouton *bouton, const char *nomImage, Fenetre *fenetre);
// Replaces the caption (null: empty), then redraws; the font stays.
void ChangeTexteBouton(Bouton *bouton, const char *texte, Fenetre *fenetre);
// Moves the button and draws it at its new place (the old one is not erased).
void DeplaceBouton(Bouton *bouton, int x1, int y1, int x2, int y2, Fenetre *fenetre);
// Replaces both colours (caption first), then redraws.
void ChangeCouleursBouton(Bouton *bouton, Couleur couleurTexte, Couleur couleurFond, Fenetre *fenetre);
// Draws the button on the back buffer, raised or pressed as its `releve` says.
void TraceBouton(Bouton *bouton, Fenetre *fenetre);
// One press: 0 when it misses, else 1 or the callback's low byte.
signed char ClicBouton(Bouton *bouton, int x, int y, Fenetre *fenetre);
// A left press offered to the list from `tete`: the taker's position, the
// callback's code, or -1 when no button took it.
signed char ClicBoutons(Bouton *tete, int x, int y, Fenetre *fenetre);
