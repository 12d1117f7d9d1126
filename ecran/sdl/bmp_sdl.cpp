// SPDX-License-Identifier: GPL-3.0-or-later
// BMP files into 32-bit surfaces, through SDL's decoder; the toolkit has
// checked the file before.
#include "sdl_interne.h"

int PfDecodeBitmap(FILE *fichier, Surface **surface) {
    SDL_RWops *flux = SDL_RWFromFP(fichier, SDL_TRUE);
    if (!flux) {
        fclose(fichier);
        return DDERR_OUTOFMEMORY;
    }
    SDL_Surface *lue = SDL_LoadBMP_RW(flux, 1);
    if (!lue)
        return DDERR_INVALIDPARAMS;
    SDL_Surface *convertie = SDL_ConvertSurfaceFormat(lue, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(lue);
    if (!convertie)
        return DDERR_OUTOFMEMORY;
    SDL_SetSurfaceBlendMode(convertie, SDL_BLENDMODE_NONE);
    *surface = new Surface{convertie, nullptr, nullptr};
    return DD_OK;
}
