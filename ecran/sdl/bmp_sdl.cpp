// SPDX-License-Identifier: GPL-3.0-or-later
// BMP files into 32-bit surfaces. The file is checked before SDL's loader
// sees it: SDL would wait on a FIFO, and allocates whatever size a header
// claims, so a small file could cost gigabytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "directdraw.h"
#include "entete_bmp.h"
#include "sdl_interne.h"

namespace {

// What one image may cost: 64 MiB at 32 bits, eighty times the largest
// image the programs ship (800 x 600).
const int64_t pixels_max = 16 << 20;
const int64_t cote_max = 16384;

char raison[96];

int Refuse(const char *format, int64_t w = 0, int64_t h = 0) {
    snprintf(raison, sizeof raison, format, static_cast<long long>(w), static_cast<long long>(h));
    return DDERR_INVALIDPARAMS;
}

// Opens the file for reading if it is a regular one. Opening never blocks:
// a FIFO or a device named like an image is refused, not waited on.
int Ouvre(const char *nom, FILE **fichier, int64_t *taille) {
    int fd = open(nom, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(errno == ENOENT || errno == ENOTDIR ? "fichier absent" : "fichier illisible");
    struct stat etat;
    if (fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        close(fd);
        return Refuse("pas un fichier ordinaire");
    }
    *fichier = fdopen(fd, "rb");
    if (*fichier == nullptr) {
        close(fd);
        return Refuse("fichier illisible");
    }
    *taille = etat.st_size;
    return DD_OK;
}

// The header's dimensions, encoding and data against the file and the bounds.
int VerifieEntete(const unsigned char *t, size_t lus, int64_t taille) {
    if (lus < 2 || t[0] != 'B' || t[1] != 'M')
        return Refuse("pas un fichier BMP");
    uint32_t debut = Lit32(t + 10), entete = Lit32(t + 14);
    int64_t w, h;
    int bits, compression = 0;
    if (lus >= 26 && entete == 12) {
        w = Lit16(t + 18);
        h = Lit16(t + 20);
        bits = Lit16(t + 24);
    } else if (lus >= 54 && entete >= 40 && entete <= 124) {
        w = static_cast<int32_t>(Lit32(t + 18));
        h = static_cast<int32_t>(Lit32(t + 22));
        bits = Lit16(t + 28);
        compression = static_cast<int>(Lit32(t + 30));
    } else {
        return Refuse("en-tete endommage");
    }
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0)
        return Refuse("en-tete endommage (%lld x %lld pixels)", w, h);
    if (w > cote_max || h > cote_max || w * h > pixels_max)
        return Refuse("image trop grande (%lld x %lld pixels)", w, h);
    bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    bool brut = compression == 0 || (compression == 3 && (bits == 16 || bits == 32));
    bool profondeur = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (!rle && !(brut && profondeur))
        return Refuse("codage non pris en charge");
    if (debut >= static_cast<uint64_t>(taille))
        return Refuse("fichier tronque");
    int64_t donnees = taille - debut;
    // A run of up to 255 pixels takes two bytes.
    int64_t minimum = rle ? (w * h + 127) / 128 : ((w * bits + 31) / 32) * 4 * h;
    return minimum <= donnees ? DD_OK : Refuse("fichier tronque");
}

// Decodes the checked file; SDL closes it.
int Decode(FILE *fichier, Surface **surface) {
    SDL_Surface *lue = SDL_LoadBMP_RW(SDL_RWFromFP(fichier, SDL_TRUE), 1);
    if (!lue)
        return Refuse("donnees endommagees");
    SDL_Surface *convertie = SDL_ConvertSurfaceFormat(lue, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(lue);
    if (!convertie) {
        Refuse("memoire insuffisante");
        return DDERR_OUTOFMEMORY;
    }
    SDL_SetSurfaceBlendMode(convertie, SDL_BLENDMODE_NONE);
    *surface = new Surface{convertie, nullptr, nullptr};
    return DD_OK;
}

}  // namespace

int PfChargeBitmap(const char *nom, Surface **surface) {
    raison[0] = '\0';
    if (int code = Panne(PF_OP_BITMAP))
        return code;
    if (!nom)
        return Refuse("pas de nom");
    FILE *fichier = nullptr;
    int64_t taille = 0;
    if (int code = Ouvre(nom, &fichier, &taille))
        return code;
    unsigned char entete[54] = {0};
    size_t lus = fread(entete, 1, sizeof entete, fichier);
    int code = VerifieEntete(entete, lus, taille);
    if (code == DD_OK && fseek(fichier, 0, SEEK_SET) == 0)
        return Decode(fichier, surface);
    fclose(fichier);
    return code == DD_OK ? Refuse("fichier illisible") : code;
}

const char *PfRaisonBitmap() {
    return raison;
}
