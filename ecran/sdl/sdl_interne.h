// SPDX-License-Identifier: GPL-3.0-or-later
// What the backend's files share: the records behind the platform's opaque
// handles, the window list and the message queue, and the conversions
// between SDL's terms and the toolkit's. Only ecran/sdl includes it.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <deque>
#include <string>
#include <vector>

#include "plateforme.h"

// Kept after its SDL window is gone, so that the records still naming it
// (a primary surface, a window record) see a dead window, not freed memory.
struct FenetrePf {
    SDL_Window *sdl;  // null once destroyed
    uint32_t id;
    void *donnee;
    int zoom;  // screen pixels a window pixel takes on each axis, 1 to 4
};

struct ObjetAffichage {
    FenetrePf *fenetre;  // the window whose primary surface this object made
};

struct Surface {
    SDL_Surface *sdl;    // null for a primary surface: SDL owns the window's
    FenetrePf *fenetre;  // the window of a primary surface
    Clipper *clipper;
};

struct Clipper {
    FenetrePf *fenetre;
};

struct PolicePf {
    TTF_Font *ttf;
};

// How many screen pixels a window pixel of the windows to come takes on each axis.
extern int zoomSuivant;

// The live platform windows.
extern std::vector<FenetrePf *> fenetres;
// Posted and translated messages, taken before SDL's.
extern std::deque<Message> postes;

// Makes the X server's harmless complaints about SDL's own messages to a
// window just destroyed harmless to the program too; nothing off X11.
void PrepareServeurX();

// A failure armed by a test for the next call of an operation, or 0.
int Panne(OperationPf operation);
// The live window SDL knows by that id, or null.
FenetrePf *FenetreDeId(uint32_t id);

// Turns an SDL event into a message; false when the toolkit has no use for it.
bool Traduit(const SDL_Event &e, Message *m);
// The virtual-key code of an SDL key, 0 for none; and back, for injected keys.
int VirtuelDeTouche(const SDL_Keysym &touche);
SDL_Keysym ToucheDeVirtuel(int virtuel);

// Windows-1252 text as UTF-8, and UTF-8 as the Windows-1252 codes it has.
std::string Utf8De1252(const char *texte);
std::vector<int> CodesDeUtf8(const char *texte);

// The pixels behind a surface: SDL's current window surface for a primary one.
SDL_Surface *Pixels(Surface *surface);
// A 32-bit XRGB surface that copies without blending.
SDL_Surface *NouvelleSurface(int largeur, int hauteur);
