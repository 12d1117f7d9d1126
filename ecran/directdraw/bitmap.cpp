// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap loading into surfaces.
#include "bitmap.h"

#include <cstdio>
#include <cstdlib>

#include "directdraw.h"
#include "ecran.h"
#include "entete_bmp.h"
#include "fichier_bmp.h"

namespace {

// How many colour-table entries an information header announces.
int NombreCouleurs(const unsigned char *info) {
    uint32_t taille = Lit32(info), utilisees = Lit32(info + 32);
    int bits = Lit16(info + 14);
    if (taille != 40 || bits > 8)
        return 0;
    int n = utilisees ? static_cast<int>(utilisees) : 1 << bits;
    return n > 256 ? 256 : n;
}

// A colour reference (red in the low byte) as a back-buffer pixel.
uint32_t PixelDeReference(int32_t couleur) {
    uint32_t c = static_cast<uint32_t>(couleur);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Why the last load refused its file.
const char *raison = "";

// Loads a checked BMP file at its own size; 0 or the result code.
int32_t LitBitmap(const char *nom, Surface **bitmap) {
    raison = "";
    FILE *fichier = nullptr;
    if (!nom) {
        raison = "pas de nom";
        return DDERR_INVALIDPARAMS;
    }
    if (int32_t code = OuvreBmpVerifie(nom, &fichier, &raison))
        return code;
    int32_t code = plateforme.DecodeBitmap(fichier, bitmap);
    if (code != DD_OK)
        raison = code == DDERR_OUTOFMEMORY ? "memoire insuffisante" : "donnees endommagees";
    return code;
}

}  // namespace

const char *RaisonBitmap() {
    return raison;
}

Surface *ChargeBitmap(ObjetAffichage *objet, const char *nom, int largeur, int hauteur) {
    Surface *bitmap = nullptr;
    if (LitBitmap(nom, &bitmap) != DD_OK)
        return nullptr;
    int w = 0, h = 0;
    plateforme.TailleSurface(bitmap, &w, &h);
    // At its own size the loaded image already is a surface of the display's
    // format: a copy would only double what a large image costs.
    if (largeur == 0 || hauteur == 0 || (largeur == w && hauteur == h))
        return bitmap;
    Surface *surface = nullptr;
    if (plateforme.CreeSurface(objet, largeur, hauteur, &surface) != DD_OK) {
        plateforme.LibereSurface(bitmap);
        return nullptr;
    }
    CopieBitmap(surface, bitmap, 0, 0, 0, 0);
    plateforme.LibereSurface(bitmap);
    return surface;
}

int32_t CopieBitmap(Surface *surface, Surface *bitmap, int x, int y, int largeur, int hauteur) {
    if (!bitmap || !surface)
        return DDERR_GENERIC;
    plateforme.Restaure(surface);
    int bw = 0, bh = 0;
    plateforme.TailleSurface(bitmap, &bw, &bh);
    if (largeur == 0)
        largeur = bw;
    if (hauteur == 0)
        hauteur = bh;
    RectanglePf source = {x, y, x + largeur, y + hauteur};
    return plateforme.Copie(surface, nullptr, bitmap, &source);
}

int32_t RechargeBitmap(Surface *surface, const char *nom) {
    Surface *bitmap = nullptr;
    if (LitBitmap(nom, &bitmap) != DD_OK) {
        EcritDebogage("Le handle est nul !\n");
        return DDERR_GENERIC;
    }
    int32_t code = CopieBitmap(surface, bitmap, 0, 0, 0, 0);
    if (code != DD_OK)
        EcritDebogage("Echec de ddcopybitmap !\n");
    plateforme.LibereSurface(bitmap);
    return code;
}

Palette *ChargePalette(ObjetAffichage *, const char *nom) {
    Palette *palette = static_cast<Palette *>(calloc(1, sizeof(Palette)));
    if (!palette)
        return nullptr;
    for (int i = 0; i < 256; i++)
        palette->entrees[i] =
            EntreePalette{static_cast<uint8_t>(((i >> 5) & 7) * 255 / 7),
                          static_cast<uint8_t>(((i >> 2) & 7) * 255 / 7), static_cast<uint8_t>((i & 3) * 255 / 3), 0};
    // Opened as an image is: a FIFO named like a palette must not block.
    int64_t taille = 0;
    const char *refus = nullptr;
    FILE *f = nom ? OuvreFichierOrdinaire(nom, &taille, &refus) : nullptr;
    if (!f)
        return palette;
    unsigned char entetes[54], table[1024];
    size_t lus = fread(entetes, 1, sizeof entetes, f) == sizeof entetes ? fread(table, 1, sizeof table, f) : 0;
    fclose(f);
    // Only the announced colours come from the file: what follows the colour
    // table is pixel data, not colours.
    int n = lus == 0 ? 0 : NombreCouleurs(entetes + 14);
    if (static_cast<size_t>(n) * 4 > lus)
        n = static_cast<int>(lus / 4);
    for (int i = 0; i < n; i++)
        palette->entrees[i] = EntreePalette{table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
    return palette;
}

int32_t CouleurPixel(Surface *surface, int32_t couleur) {
    AccesPixels acces;
    if (!surface || plateforme.Accede(surface, &acces) != DD_OK)
        return -1;
    uint32_t ancien = acces.pixels[0];
    if (couleur != -1)
        acces.pixels[0] = PixelDeReference(couleur);
    int32_t valeur = static_cast<int32_t>(acces.pixels[0]);
    acces.pixels[0] = ancien;
    plateforme.Relache(surface);
    return valeur;
}

int32_t CleCouleur(Surface *surface, int32_t couleur) {
    return plateforme.CleCouleur(surface, static_cast<uint32_t>(CouleurPixel(surface, couleur)));
}
