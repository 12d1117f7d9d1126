// SPDX-License-Identifier: GPL-3.0-or-later
// What the backend must do about the X server itself, beneath SDL: its
// harmless errors, and whether a window manager can make a window full screen.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include <SDL_syswm.h>

#include "sdl_interne.h"

namespace {

XErrorHandler gestionnairePrecedent = nullptr;

// SDL wakes its own wait by sending a message to the newest window over a
// second connection to the server. When that window is a box being closed,
// the server may take the destruction first and answer the message with
// BadWindow, and Xlib's default handling of an error ends the program with
// status 1. Nothing waits for that message any more: the error is dropped.
int GereErreurX(Display *affichage, XErrorEvent *erreur) {
    if (erreur->error_code == BadWindow && erreur->request_code == X_SendEvent)
        return 0;
    return gestionnairePrecedent != nullptr ? gestionnairePrecedent(affichage, erreur) : 0;
}

}  // namespace

void PrepareServeurX() {
    const char *pilote = SDL_GetCurrentVideoDriver();
    if (pilote == nullptr || strcmp(pilote, "x11") != 0 || gestionnairePrecedent != nullptr)
        return;
    gestionnairePrecedent = XSetErrorHandler(GereErreurX);
}

namespace {

// The 32-bit values of a window's property of that type (at most `nombre`).
std::vector<unsigned long> LitPropriete(Display *affichage, Window fenetre, Atom propriete, Atom type, long nombre) {
    Atom lu;
    int format;
    unsigned long n, reste;
    unsigned char *donnees = nullptr;
    std::vector<unsigned long> valeurs;
    const int etat =
        XGetWindowProperty(affichage, fenetre, propriete, 0, nombre, False, type, &lu, &format, &n, &reste, &donnees);
    // Xlib hands 32-bit values as longs.
    const unsigned long *lus = reinterpret_cast<unsigned long *>(donnees);
    if (etat == Success && lu == type && format == 32)
        valeurs.assign(lus, lus + n);
    if (donnees)
        XFree(donnees);
    return valeurs;
}

// The window named by a window's property, or None.
Window FenetreDePropriete(Display *affichage, Window fenetre, Atom propriete) {
    std::vector<unsigned long> v = LitPropriete(affichage, fenetre, propriete, XA_WINDOW, 1);
    return v.size() == 1 ? Window(v[0]) : None;
}

// True when the window's list of atoms in that property holds the atom.
bool ProprieteListe(Display *affichage, Window fenetre, Atom propriete, Atom cherche) {
    std::vector<unsigned long> v = LitPropriete(affichage, fenetre, propriete, XA_ATOM, 4096);
    return std::find(v.begin(), v.end(), cherche) != v.end();
}

// True when the root window names a window manager's window that names
// itself back (the manager runs) and the manager lists the full-screen state.
bool GestionnaireAvecPleinEcran(Display *affichage) {
    Window racine = DefaultRootWindow(affichage);
    Atom verification = XInternAtom(affichage, "_NET_SUPPORTING_WM_CHECK", True);
    Atom etat = XInternAtom(affichage, "_NET_WM_STATE_FULLSCREEN", True);
    Atom liste = XInternAtom(affichage, "_NET_SUPPORTED", True);
    if (verification == None || etat == None || liste == None)
        return false;
    Window gestionnaire = FenetreDePropriete(affichage, racine, verification);
    if (gestionnaire == None || FenetreDePropriete(affichage, gestionnaire, verification) != gestionnaire)
        return false;
    return ProprieteListe(affichage, racine, liste, etat);
}

}  // namespace

bool PleinEcranDuBureau(SDL_Window *fenetre) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(fenetre, &info))
        return false;
    if (info.subsystem == SDL_SYSWM_X11)
        return GestionnaireAvecPleinEcran(info.info.x11.display);
    // Wayland and the others: the compositor is the desktop.
    return true;
}

bool EstPleinEcranDuBureau(SDL_Window *fenetre) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(fenetre, &info) || info.subsystem != SDL_SYSWM_X11)
        return (SDL_GetWindowFlags(fenetre) & SDL_WINDOW_FULLSCREEN) != 0;
    Display *affichage = info.info.x11.display;
    Atom etat = XInternAtom(affichage, "_NET_WM_STATE", True);
    Atom plein = XInternAtom(affichage, "_NET_WM_STATE_FULLSCREEN", True);
    return etat != None && plein != None && ProprieteListe(affichage, info.info.x11.window, etat, plein);
}
