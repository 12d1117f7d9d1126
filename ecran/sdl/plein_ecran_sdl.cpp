// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen at the desktop's own resolution, never a change of display
// mode. Under a window manager the window takes the desktop's full-screen
// state; on an X server with none, asking SDL for it changes nothing but
// the size SDL believes, so the window is made borderless, moved to the
// display's corner and sized to the display, and put back the same way.
#include "sdl_interne.h"

namespace {

// Covers the window's display with the window; false when the display cannot say its size.
bool CouvreAffichage(FenetrePf *f) {
    int i = SDL_GetWindowDisplayIndex(f->sdl);
    SDL_Rect ecran;
    if (i < 0 || SDL_GetDisplayBounds(i, &ecran) != 0)
        return false;
    SDL_SetWindowPosition(f->sdl, ecran.x, ecran.y);
    SDL_SetWindowSize(f->sdl, ecran.w, ecran.h);
    return true;
}

bool PleinEcranALaMain(FenetrePf *f) {
    SDL_Rect avant;
    SDL_GetWindowPosition(f->sdl, &avant.x, &avant.y);
    SDL_GetWindowSize(f->sdl, &avant.w, &avant.h);
    SDL_SetWindowBordered(f->sdl, SDL_FALSE);
    if (!CouvreAffichage(f)) {
        SDL_SetWindowBordered(f->sdl, SDL_TRUE);
        return false;
    }
    f->avantPleinEcran = avant;
    f->pleinEcranManuel = true;
    return true;
}

void RetourALaMain(FenetrePf *f) {
    const SDL_Rect &avant = f->avantPleinEcran;
    SDL_SetWindowBordered(f->sdl, SDL_TRUE);
    SDL_SetWindowSize(f->sdl, avant.w, avant.h);
    SDL_SetWindowPosition(f->sdl, avant.x, avant.y);
    f->pleinEcranManuel = false;
}

}  // namespace

bool MetPleinEcran(FenetrePf *fenetre, bool plein) {
    if (!fenetre->sdl || plein == fenetre->pleinEcran)
        return fenetre->sdl != nullptr;
    if (!plein && fenetre->pleinEcranManuel)
        RetourALaMain(fenetre);
    else if (!plein)
        SDL_SetWindowFullscreen(fenetre->sdl, 0);
    else if (PleinEcranDuBureau(fenetre->sdl)) {
        // SDL still believes a window full screen that the desktop took out of it.
        SDL_SetWindowFullscreen(fenetre->sdl, 0);
        SDL_SetWindowFullscreen(fenetre->sdl, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else if (!PleinEcranALaMain(fenetre))
        return false;
    fenetre->pleinEcran = plein;
    // SDL knows the new size already when it made it; else the desktop's answer brings it.
    RepeintFenetres();
    return true;
}

void SuitAffichage() {
    for (FenetrePf *f : fenetres) {
        if (f->pleinEcranManuel)
            CouvreAffichage(f);
        f->aRepeindre = true;
    }
    RepeintFenetres();
}

void PfBasculePleinEcran(FenetrePf *fenetre) {
    if (fenetre != FenetrePrincipale())
        return;
    // The desktop may have taken the window out of full screen itself, or put it there.
    if (!fenetre->pleinEcranManuel)
        fenetre->pleinEcran = EstPleinEcranDuBureau(fenetre->sdl);
    MetPleinEcran(fenetre, !fenetre->pleinEcran);
}

int PfNiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran) {
    objet->fenetre = fenetre;
    if (!fenetre->sdl)
        return DDERR_GENERIC;
    if (!pleinEcran)
        return DD_OK;
    // The display is the first window's: boxes open above it.
    if (fenetre != FenetrePrincipale() || !MetPleinEcran(fenetre, true))
        return DDERR_EXCLUSIVEMODEALREADYSET;
    return DD_OK;
}
