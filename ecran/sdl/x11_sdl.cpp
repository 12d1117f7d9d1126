// SPDX-License-Identifier: GPL-3.0-or-later
// What the backend must do about the X server itself, beneath SDL.
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <cstring>

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
