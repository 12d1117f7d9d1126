// BMP files into 32-bit surfaces. The header is checked against the file
// before SDL's loader trusts it: SDL allocates whatever size a header claims.
#include "sdl_interne.h"

#include <cstdio>

#include "directdraw.h"
#include "entete_bmp.h"

namespace {

// True when the header's dimensions, encoding and data fit the file.
bool EnteteAcceptable(const char *nom) {
    FILE *f = fopen(nom, "rb");
    if (!f)
        return false;
    unsigned char t[54] = {0};
    size_t lus = fread(t, 1, sizeof t, f);
    fseek(f, 0, SEEK_END);
    long taille = ftell(f);
    fclose(f);
    if (lus < 26 || t[0] != 'B' || t[1] != 'M')
        return false;
    uint32_t debut = Lit32(t + 10), entete = Lit32(t + 14);
    int64_t w, h;
    int bits, compression = 0;
    if (entete == 12) {
        w = Lit16(t + 18);
        h = Lit16(t + 20);
        bits = Lit16(t + 24);
    } else if (entete >= 40 && entete <= 124 && lus >= 54) {
        w = static_cast<int32_t>(Lit32(t + 18));
        h = static_cast<int32_t>(Lit32(t + 22));
        bits = Lit16(t + 28);
        compression = static_cast<int>(Lit32(t + 30));
    } else {
        return false;
    }
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384 || debut >= static_cast<uint64_t>(taille))
        return false;
    int64_t donnees = taille - debut;
    bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    bool brut = compression == 0 || (compression == 3 && (bits == 16 || bits == 32));
    if (rle)  // a run of up to 255 pixels takes two bytes
        return w * h <= donnees * 128;
    if (!brut || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    int64_t ligne = ((w * bits + 31) / 32) * 4;
    return ligne * h <= donnees;
}

}  // namespace

int PfChargeBitmap(const char *nom, Surface **surface) {
    if (int code = Panne(PF_OP_BITMAP))
        return code;
    if (!nom || !EnteteAcceptable(nom))
        return DDERR_INVALIDPARAMS;
    SDL_Surface *lue = SDL_LoadBMP(nom);
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
