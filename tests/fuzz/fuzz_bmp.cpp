// SPDX-License-Identifier: GPL-3.0-or-later
// The image loader under libFuzzer: each input is written to a regular file
// and loaded as the game loads every image, and what the loader promises is
// held against the result. A broken promise aborts, so that libFuzzer keeps
// the input.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "directdraw/bitmap.h"
#include "directdraw/entete_bmp.h"
#include "directdraw/fichier_bmp.h"

namespace {

// Stops the run, for libFuzzer to report the input.
void Arrete(const char *quoi) {
    fprintf(stderr, "fuzz_bmp : %s\n", quoi);
    abort();
}

// The name of a memory file holding the input: a regular file, as the
// loader demands, and nothing left on disk. One for the whole run.
const char *EcritEntree(const uint8_t *donnees, size_t taille) {
    static int fd = memfd_create("fuzz_bmp", MFD_CLOEXEC);
    static char nom[32];
    if (fd < 0)
        Arrete("pas de fichier en memoire");
    snprintf(nom, sizeof nom, "/proc/self/fd/%d", fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, donnees, taille, 0) != static_cast<ssize_t>(taille))
        Arrete("l'entree n'a pas pu etre ecrite");
    return nom;
}

// The size the file's header announces: width and height without its sign
// (rows from the top), in either header kind; false for no header at all.
bool TailleAnnoncee(const uint8_t *d, size_t n, int64_t *w, int64_t *h) {
    if (n < 26)
        return false;
    bool os2 = Lit32(d + 14) == 12;
    *w = os2 ? Lit16(d + 18) : static_cast<int32_t>(Lit32(d + 18));
    *h = os2 ? Lit16(d + 20) : static_cast<int32_t>(Lit32(d + 22));
    if (*h < 0)
        *h = -*h;
    return true;
}

// An accepted image: within the bounds, at the size its header announces.
void VerifieImage(Surface *image, const uint8_t *donnees, size_t taille) {
    int w = 0, h = 0;
    int64_t wEntete = 0, hEntete = 0;
    if (plateforme.TailleSurface(image, &w, &h) != DD_OK)
        Arrete("promesse rompue, une image acceptee sans pixels");
    if (w <= 0 || h <= 0 || w > COTE_MAX_BMP || h > COTE_MAX_BMP || int64_t{w} * h > PIXELS_MAX_BMP)
        Arrete("promesse rompue, une image acceptee hors des bornes");
    if (!TailleAnnoncee(donnees, taille, &wEntete, &hEntete))
        Arrete("promesse rompue, une image acceptee sans en-tete");
    if (w != wEntete || h != hEntete)
        Arrete("promesse rompue, une image acceptee d'une autre taille que son en-tete");
    if (RaisonBitmap()[0] != '\0')
        Arrete("promesse rompue, une image acceptee avec une raison de refus");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille) {
    // At its own size (both sizes 0) the loader makes no surface of the
    // display: it needs no display object, and SDL's video stays off.
    Surface *image = ChargeBitmap(nullptr, EcritEntree(donnees, taille), 0, 0);
    if (!image) {
        if (RaisonBitmap()[0] == '\0')
            Arrete("promesse rompue, un refus sans raison");
        return 0;
    }
    VerifieImage(image, donnees, taille);
    plateforme.LibereSurface(image);
    return 0;
}
