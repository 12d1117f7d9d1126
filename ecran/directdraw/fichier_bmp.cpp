// SPDX-License-Identifier: GPL-3.0-or-later
// Checked BMP files: regular files only, and headers held against the file
// and the bounds before a decoder allocates what they claim.
#include "fichier_bmp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ecran/plateforme.h"
#include "entete_bmp.h"

namespace {

FILE *Refuse(const char **raison, const char *texte) {
    *raison = texte;
    return nullptr;
}

// The reason of a refusal that names the image's size; kept until the next one.
char raisonTaille[80];

int RefuseTaille(const char **raison, const char *format, int64_t w, int64_t h) {
    snprintf(raisonTaille, sizeof raisonTaille, format, static_cast<long long>(w), static_cast<long long>(h));
    *raison = raisonTaille;
    return DDERR_INVALIDPARAMS;
}

int RefuseBmp(const char **raison, const char *texte) {
    *raison = texte;
    return DDERR_INVALIDPARAMS;
}

// The header's dimensions, encoding and data against the file and the bounds.
int VerifieEntete(const unsigned char *t, size_t lus, int64_t taille, const char **raison) {
    if (lus < 2 || t[0] != 'B' || t[1] != 'M')
        return RefuseBmp(raison, "pas un fichier BMP");
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
        return RefuseBmp(raison, "en-tete endommage");
    }
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0)
        return RefuseTaille(raison, "en-tete endommage (%lld x %lld pixels)", w, h);
    if (w > COTE_MAX_BMP || h > COTE_MAX_BMP || w * h > PIXELS_MAX_BMP)
        return RefuseTaille(raison, "image trop grande (%lld x %lld pixels)", w, h);
    bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    bool brut = compression == 0 || (compression == 3 && (bits == 16 || bits == 32));
    bool profondeur = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (!rle && !(brut && profondeur))
        return RefuseBmp(raison, "codage non pris en charge");
    if (debut >= static_cast<uint64_t>(taille))
        return RefuseBmp(raison, "fichier tronque");
    int64_t donnees = taille - debut;
    // A run of up to 255 pixels takes two bytes.
    int64_t minimum = rle ? (w * h + 127) / 128 : ((w * bits + 31) / 32) * 4 * h;
    return minimum <= donnees ? DD_OK : RefuseBmp(raison, "fichier tronque");
}

}  // namespace

FILE *OuvreFichierOrdinaire(const char *nom, int64_t *taille, const char **raison) {
    int fd = open(nom, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(raison, errno == ENOENT || errno == ENOTDIR ? "fichier absent" : "fichier illisible");
    struct stat etat;
    if (fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        close(fd);
        return Refuse(raison, "pas un fichier ordinaire");
    }
    FILE *fichier = fdopen(fd, "rb");
    if (fichier == nullptr) {
        close(fd);
        return Refuse(raison, "fichier illisible");
    }
    *taille = etat.st_size;
    return fichier;
}

int OuvreBmpVerifie(const char *nom, FILE **fichier, const char **raison) {
    int64_t taille = 0;
    FILE *f = OuvreFichierOrdinaire(nom, &taille, raison);
    if (f == nullptr)
        return DDERR_INVALIDPARAMS;
    unsigned char entete[54] = {0};
    size_t lus = fread(entete, 1, sizeof entete, f);
    int code = VerifieEntete(entete, lus, taille, raison);
    if (code == DD_OK && fseek(f, 0, SEEK_SET) != 0)
        code = RefuseBmp(raison, "fichier illisible");
    if (code != DD_OK) {
        fclose(f);
        return code;
    }
    *fichier = f;
    return DD_OK;
}
