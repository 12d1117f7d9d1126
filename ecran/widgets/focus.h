// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus. In each window one of its buttons, text entries,
// scroll bars, list boxes, number boxes or focusable slates holds the keys:
// Tab and Shift+Tab move it in reading order (top to bottom, left to right),
// Return and space press what holds it as a click would, the arrows act on
// it. It shows (a ring on a widget, a marker on a slate) once the keyboard
// has been used for moving and until the next mouse press, so that a player
// who only uses the mouse sees the windows as they always were. A slate
// draws its own contents: its owner names the rectangle where its marker
// shows, and the toolkit keeps what the marker covers to put it back.
#pragma once

#include <cstdint>
#include <vector>

#include "ecran/ecran.h"

// The virtual-key codes the focus knows.
enum {
    CLAVIER_TAB = 0x09,
    CLAVIER_RETOUR = 0x0D,
    CLAVIER_ECHAP = 0x1B,
    CLAVIER_ESPACE = 0x20,
    CLAVIER_GAUCHE = 0x25,
    CLAVIER_HAUT = 0x26,
    CLAVIER_DROITE = 0x27,
    CLAVIER_BAS = 0x28
};

// Key callback of a window or of a focusable slate: one key press, by its
// virtual-key code. 0 leaves the key to the window's callback, the event
// code ends the current wait, anything else means taken.
typedef int (*RappelClavier)(void *donnee, int touche);

// Makes the slate a stop of its window's focus: while it holds the focus its
// callback receives the keys (Tab and Escape excepted).
void RendArdoiseFocalisable(Ardoise *ardoise, RappelClavier rappel, void *donnee, Fenetre *fenetre);
// Where the slate's marker shows (inclusive corners, a 3-pixel frame inside
// them); moves the marker if it shows. Without one the slate shows nothing.
void PlaceMarqueArdoise(Ardoise *ardoise, int x1, int y1, int x2, int y2, Fenetre *fenetre);
// The owner has drawn over that rectangle: a marker there is drawn again on
// the new contents, and what it now covers is kept instead.
void ZoneRedessinee(int x1, int y1, int x2, int y2, Fenetre *fenetre);
// The window's own key callback (null: none): the keys that what holds the
// focus leaves, or all of them when nothing does. It stays when the window is emptied.
void ChangeRappelClavier(Fenetre *fenetre, RappelClavier rappel, void *donnee);

// Gives the focus to a widget of the window; it shows at once while the
// keyboard is in use. The entry of a number box gives it to the box.
void DonneFocus(Bouton *bouton, Fenetre *fenetre);
void DonneFocus(Texte *texte, Fenetre *fenetre);
void DonneFocus(Ardoise *ardoise, Fenetre *fenetre);
void DonneFocus(Ascenseur *ascenseur, Fenetre *fenetre);
void DonneFocus(ZoneTexte *zone, Fenetre *fenetre);
void DonneFocus(BoiteNombre *boite, Fenetre *fenetre);
// The widget that holds the window's focus, or null.
const void *WidgetFocus(Fenetre *fenetre);
// True while the focus shows on that widget (for a number box's entry, while it shows on the box).
bool FocusMontre(const void *widget, Fenetre *fenetre);
// True once the keyboard has been used for moving, until the next mouse press.
bool ClavierEnUsage();

// --- For the toolkit itself ------------------------------------------------------
// One key press for the window: 0 when the focus and the window's callback
// have no use for it, else 1 or the event code.
int ToucheFocus(int touche, bool majuscule, Fenetre *fenetre, Ecran *ecran);
// A mouse press: the rings and markers of every window go.
void CacheFocus(Ecran *ecran);
// A widget being destroyed leaves the focus, and a slate its marker.
void OublieFocus(const void *widget, Fenetre *fenetre);
// A window being destroyed takes its focus with it.
void OublieFocusFenetre(Fenetre *fenetre);

// What can hold the focus.
enum GenreArret {
    ARRET_AUCUN,
    ARRET_BOUTON,
    ARRET_TEXTE,
    ARRET_ARDOISE,
    ARRET_ASCENSEUR,
    ARRET_ZONE_TEXTE,
    ARRET_BOITE_NOMBRE
};
// A widget that can hold the focus, and the corner that places it in reading order.
struct Arret {
    GenreArret genre;
    void *widget;
    int x, y;
};
template <typename T>
Arret ArretDe(GenreArret genre, T *widget) {
    return Arret{genre, widget, widget->x1, widget->y1};
}
// The window's stops in reading order, top to bottom then left to right:
// its enabled buttons, text entries, scroll bars, list boxes and number
// boxes (not the parts of a composite) and the focusable slates given.
std::vector<Arret> ArretsFenetre(Fenetre *fenetre, const std::vector<Ardoise *> &ardoises);
// The number box whose entry this is, or null.
BoiteNombre *BoiteDeSaisie(const Texte *texte, Fenetre *fenetre);
// Draws a stop's widget again (with its ring while it shows the focus) and
// refreshes it; a slate is its owner's to draw.
void RedessineArret(const Arret &arret, Fenetre *fenetre);
// What a key does to a stop other than a slate, as a click on the same
// widget would: 0 when it has no use for the key, else 1 or the event code.
int ToucheWidget(const Arret &arret, int touche, Fenetre *fenetre, Ecran *ecran);

// Draw operations end with these: the ring over a widget that shows the focus.
void AnneauFocus(const Bouton *bouton, Fenetre *fenetre);
void AnneauFocus(const Texte *texte, Fenetre *fenetre);
void AnneauFocus(const Ascenseur *ascenseur, Fenetre *fenetre);
void AnneauFocus(const ZoneTexte *zone, Fenetre *fenetre);

// --- Drawing the ring and the marker ---------------------------------------------
// A 2-pixel ring one pixel inside the inclusive corners, in the colour that
// stands out most from both `dedans` (what it lies on) and what surrounds the rectangle.
void TraceAnneau(int x1, int y1, int x2, int y2, Couleur dedans, Fenetre *fenetre);
// The pixels of the 3-pixel frame inside the inclusive corners, row by row.
std::vector<uint32_t> LitCadre(int x1, int y1, int x2, int y2, Fenetre *fenetre);
// Reads again, into pixels LitCadre read, those that lie in the zone (inclusive corners).
void MetAJourCadre(int x1, int y1, int x2, int y2, std::vector<uint32_t> &pixels, int zx1, int zy1, int zx2, int zy2,
                   Fenetre *fenetre);
// Puts back pixels that LitCadre read at the same place.
void EcritCadre(int x1, int y1, int x2, int y2, const std::vector<uint32_t> &pixels, Fenetre *fenetre);
// Draws the 3-pixel frame in the colour that stands out most from the
// pixels it covers (`dessous`, as LitCadre read them) and from what it encloses.
void TraceCadre(int x1, int y1, int x2, int y2, const std::vector<uint32_t> &dessous, Fenetre *fenetre);
