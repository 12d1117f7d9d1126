// SPDX-License-Identifier: GPL-3.0-or-later
// The test port's input: events queued as the window system would deliver
// them. Only the test programs link this file.
#include "sdl_interne.h"
#include "tests/port/port_essai.h"

namespace {

void Pousse(SDL_Event &e) {
    SDL_PushEvent(&e);
}

// A window event of a live window, as the window system would queue it.
void PousseFenetre(FenetrePf *fenetre, uint8_t genre, int donnee1, int donnee2) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = fenetre->id;
    e.window.event = genre;
    e.window.data1 = donnee1;
    e.window.data2 = donnee2;
    Pousse(e);
}

}  // namespace

void PfInjecteSouris(FenetrePf *fenetre, int type, int x, int y, uint32_t boutons) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    if (type == MSG_SOURIS) {
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = fenetre->id;
        e.motion.x = x;
        e.motion.y = y;
        e.motion.state = ((boutons & PF_MK_GAUCHE) ? SDL_BUTTON_LMASK : 0) |
                         ((boutons & PF_MK_MILIEU) ? SDL_BUTTON_MMASK : 0) |
                         ((boutons & PF_MK_DROIT) ? SDL_BUTTON_RMASK : 0);
    } else {
        e.type = type == MSG_BOUTON_GAUCHE_BAS ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = fenetre->id;
        e.button.button = (boutons & PF_MK_DROIT)    ? SDL_BUTTON_RIGHT
                          : (boutons & PF_MK_MILIEU) ? SDL_BUTTON_MIDDLE
                                                     : SDL_BUTTON_LEFT;
        e.button.state = e.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
    }
    Pousse(e);
}

void PfInjecteTouche(FenetrePf *fenetre, int codeVirtuel, uint32_t modificateurs) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_KEYDOWN;
    e.key.windowID = fenetre->id;
    e.key.state = SDL_PRESSED;
    e.key.keysym = ToucheDeVirtuel(codeVirtuel);
    e.key.keysym.mod |=
        ((modificateurs & PF_MK_MAJ) ? KMOD_LSHIFT : 0) | ((modificateurs & PF_MK_CTRL) ? KMOD_LCTRL : 0);
    Pousse(e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    Pousse(e);
}

void PfInjecteTexte(FenetrePf *fenetre, const char *utf8) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    e.text.windowID = fenetre->id;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    Pousse(e);
}

void PfInjecteFermeture(FenetrePf *fenetre) {
    PousseFenetre(fenetre, SDL_WINDOWEVENT_CLOSE, 0, 0);
}

void PfInjecteDeplacement(FenetrePf *fenetre, int x, int y) {
    if (fenetre->sdl)
        SDL_SetWindowPosition(fenetre->sdl, x, y);
    PousseFenetre(fenetre, SDL_WINDOWEVENT_MOVED, x, y);
}

void PfInjecteExposition(FenetrePf *fenetre) {
    PousseFenetre(fenetre, SDL_WINDOWEVENT_EXPOSED, 0, 0);
}

void PfVideMessages() {
    postes.clear();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}
