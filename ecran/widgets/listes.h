// SPDX-License-Identifier: GPL-3.0-or-later
// What the seven widget kinds share: their place in the window's lists,
// the hit test, the relief shades, the allocation and image-name rules.
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

// A zeroed widget record; on failure perror(message) and exit status 1.
void *AlloueWidget(size_t taille, const char *message);

// Copies an image name into a record's buffer and loads it. A null or empty
// name stores the empty name and loads nothing; a name that does not fit
// ends the program with status 3. Returns the image (null when none).
Pixmap *ChargeImageWidget(char *nomImage, const char *nom, int *largeur, int *hauteur, Fenetre *fenetre);

// Ends the program with status 3 after writing the message (a format with
// one %s, given the text) and a line end on standard error.
[[noreturn]] void TexteTropLong(const char *format, const char *texte);
