// SPDX-License-Identifier: GPL-3.0-or-later
// What the seven widget kinds share: their creation and place in the
// window's lists, the hit test, the bevels, the allocation and image-name rules.
#pragma once

#include <cstddef>

#include "ecran/ecran.h"

// Shade factors of every bevel: dark bottom-right and light top-left look raised.
constexpr float FACTEUR_SOMBRE = 0.76f;
constexpr float FACTEUR_CLAIR = 1.24f;

// Size of every text and image-name buffer of a widget record (terminator included).
enum { TAILLE_CHAINE_WIDGET = 256 };

// Links a new record at the head of its list; returns the new head.
// Records are packed: the head is passed and returned by value, never by reference.
template <typename T>
T *LieEnTete(T *tete, T *nouveau) {
    nouveau->suivant = tete;
    nouveau->precedent = nullptr;
    if (tete != nullptr)
        tete->precedent = nouveau;
    return nouveau;
}

// Unlinks a record from its list; returns the list's new head.
template <typename T>
T *Delie(T *tete, T *retire) {
    T *suivant = retire->suivant;
    T *precedent = retire->precedent;
    if (retire == tete) {
        tete = suivant;
    } else if (precedent != nullptr) {
        precedent->suivant = suivant;
    }
    if (suivant != nullptr)
        suivant->precedent = precedent;
    return tete;
}

// True when (x, y) lies inside the inclusive corners.
bool DansRectangle(int x1, int y1, int x2, int y2, int x, int y);

// The hit test of buttons, text entries and slates: inside, and enabled.
template <typename T>
bool AtteintWidget(const T *widget, int x, int y) {
    return widget->actif == 1 && DansRectangle(widget->x1, widget->y1, widget->x2, widget->y2, x, y);
}

// The dark and light shades of a bevel's base colour.
Couleur NuanceSombre(Couleur base, Fenetre *fenetre);
Couleur NuanceClaire(Couleur base, Fenetre *fenetre);

// A bevel light at the top and left looks raised; dark there, sunken.
enum Relief { EN_RELIEF, EN_CREUX };

// The edge that takes the bottom-left corner, where a bevel's two shades
// meet (the right edge always takes the top-right one).
enum CoinBiseau { COIN_A_GAUCHE, COIN_EN_BAS };

// Draws a bevel in the two shades of `base`: one line along each edge of
// every ring from `premier` to `dernier` pixels inside the inclusive corners.
void TraceBiseau(int x1, int y1, int x2, int y2, int premier, int dernier, Couleur base, Relief relief, CoinBiseau coin,
                 Fenetre *fenetre);

// A zeroed widget record; on failure perror(message) and exit status 1.
void *AlloueWidget(size_t taille, const char *message);

// Links a new record at the head of its kind's list in the window and adds
// one to the kind's count. The window's head and count are read and stored
// back by value: the window record is packed.
void Inscrit(Frame *frame, Fenetre *fenetre);
void Inscrit(Bouton *bouton, Fenetre *fenetre);
void Inscrit(Ascenseur *ascenseur, Fenetre *fenetre);
void Inscrit(Texte *texte, Fenetre *fenetre);
void Inscrit(ZoneTexte *zone, Fenetre *fenetre);
void Inscrit(BoiteNombre *boite, Fenetre *fenetre);
void Inscrit(Ardoise *ardoise, Fenetre *fenetre);

// The start of every widget's creation: a zeroed record of kind T, linked
// and counted in the window, on the inclusive corners. A failed allocation
// ends the program with status 1 after perror(message).
template <typename T>
T *NouveauWidget(int x1, int y1, int x2, int y2, const char *message, Fenetre *fenetre) {
    T *widget = static_cast<T *>(AlloueWidget(sizeof(T), message));
    Inscrit(widget, fenetre);
    widget->x1 = x1;
    widget->y1 = y1;
    widget->x2 = x2;
    widget->y2 = y2;
    return widget;
}

// Copies an image name into a record's buffer and loads it. A null or empty
// name stores the empty name and loads nothing; a name that does not fit
// ends the program with status 3. Returns the image (null when none).
Pixmap *ChargeImageWidget(char *nomImage, const char *nom, int *largeur, int *hauteur, Fenetre *fenetre);

// Ends the program with status 3 after writing the message (a format with
// one %s, given the text) and a line end on standard error.
[[noreturn]] void TexteTropLong(const char *format, const char *texte);
