// SPDX-License-Identifier: GPL-3.0-or-later
// A window's picture on its window surface, whatever the window's size: the
// largest size that fits with its aspect kept, centred, the margins dark.
// Whole factors repeat each pixel; other factors blend the four nearest.
// The picture as last shown is kept (the window's view), so that a resized
// or exposed window is painted again at once, also in the middle of a move.
#include <algorithm>
#include <cstring>
#include <numeric>

#include "sdl_interne.h"

namespace {

// The margins around the picture.
const uint8_t sombre[3] = {24, 24, 24};

uint32_t *Ligne(SDL_Surface *s, int y) {
    return reinterpret_cast<uint32_t *>(static_cast<uint8_t *>(s->pixels) + y * s->pitch);
}

bool Dedans(SDL_Surface *s, const SDL_Rect &r) {
    return r.x >= 0 && r.y >= 0 && r.w >= 0 && r.h >= 0 && r.x + r.w <= s->w && r.y + r.h <= s->h;
}

// Where each of `n` screen pixels samples a picture `taille` pixels long:
// its centre brought back to the picture, in 1/65536 of a pixel.
std::vector<Echantillon> Echantillons(int n, int taille, int64_t num, int64_t den) {
    std::vector<Echantillon> table(static_cast<size_t>(n));
    for (int i = 0; i < n; i++) {
        int64_t u = (2 * i + 1) * den * 65536 / (2 * num) - 32768;
        int64_t source = u < 0 ? 0 : u >> 16;
        int64_t poids = u < 0 ? 0 : (u >> 8) & 0xFF;
        if (source >= taille - 1) {
            source = taille - 1;
            poids = 0;
        }
        table[static_cast<size_t>(i)] = Echantillon{static_cast<int32_t>(source), static_cast<int32_t>(poids)};
    }
    return table;
}

void Calcule(Cadrage &c, int largeurSurface, int hauteurSurface, int largeur, int hauteur) {
    int64_t num = largeurSurface, den = largeur;
    if (int64_t(largeurSurface) * hauteur > int64_t(hauteurSurface) * largeur) {
        num = hauteurSurface;
        den = hauteur;
    }
    num = std::max<int64_t>(num, 1);
    den = std::max<int64_t>(den, 1);
    int64_t g = std::gcd(num, den);
    c.num = int(num / g);
    c.den = int(den / g);
    c.largeurSurface = largeurSurface;
    c.hauteurSurface = hauteurSurface;
    int l = int(std::max<int64_t>(1, largeur * num / den)), h = int(std::max<int64_t>(1, hauteur * num / den));
    c.image = SDL_Rect{(largeurSurface - l) / 2, (hauteurSurface - h) / 2, l, h};
    c.colonnes.clear();
    c.lignes.clear();
    if (c.den != 1) {
        c.colonnes = Echantillons(l, largeur, c.num, c.den);
        c.lignes = Echantillons(h, hauteur, c.num, c.den);
    }
}

// Eight channel bytes at a time, widened to 16 bits: the weights are 0 to
// 256, so each product fits.
typedef uint8_t Octets8 __attribute__((vector_size(8)));
typedef uint16_t Mots8 __attribute__((vector_size(16)));

void MelangeOctets(const uint8_t *a, const uint8_t *b, uint8_t *sortie, int octets, unsigned poids) {
    const uint16_t p = static_cast<uint16_t>(poids), q = static_cast<uint16_t>(256 - poids);
    int i = 0;
    for (; i + 8 <= octets; i += 8) {
        Octets8 va, vb;
        memcpy(&va, a + i, 8);
        memcpy(&vb, b + i, 8);
        Mots8 m = (__builtin_convertvector(va, Mots8) * q + __builtin_convertvector(vb, Mots8) * p) >> 8;
        Octets8 r = __builtin_convertvector(m, Octets8);
        memcpy(sortie + i, &r, 8);
    }
    for (; i < octets; i++)
        sortie[i] = static_cast<uint8_t>((a[i] * q + b[i] * p) >> 8);
}

uint32_t Melange(uint32_t a, uint32_t b, uint32_t poids) {
    uint32_t rb = ((a & 0xFF00FF) * (256 - poids) + (b & 0xFF00FF) * poids) >> 8;
    uint32_t g = ((a & 0x00FF00) * (256 - poids) + (b & 0x00FF00) * poids) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

// One picture row resampled across the screen columns [debut, fin).
void Horizontale(const uint32_t *ligne, const std::vector<Echantillon> &colonnes, int debut, int fin,
                 uint32_t *sortie) {
    for (int i = debut; i < fin; i++) {
        const Echantillon &e = colonnes[static_cast<size_t>(i)];
        sortie[i - debut] = Melange(ligne[e.source], ligne[e.source + (e.poids != 0)], static_cast<uint32_t>(e.poids));
    }
}

// The screen pixels [*debut, *fin) whose samples touch picture pixels
// [premier, dernier): their two neighbours may have changed.
void Touches(const std::vector<Echantillon> &table, int premier, int dernier, int *debut, int *fin) {
    auto avant = [premier](const Echantillon &e) { return e.source + 1 < premier; };
    auto jusque = [dernier](const Echantillon &e) { return e.source < dernier; };
    *debut = int(std::partition_point(table.begin(), table.end(), avant) - table.begin());
    *fin = int(std::partition_point(table.begin(), table.end(), jusque) - table.begin());
}

// A smooth copy of a rectangle of the view. Every screen pixel is computed
// from the whole view, the same way whichever rectangle brought it there, so
// rectangles copied one by one meet without a seam; the screen pixels drawn
// are all those whose samples reach into the rectangle.
bool CopieLisse(SDL_Surface *vue, const SDL_Rect &zone, SDL_Surface *d, const Cadrage &c, SDL_Rect *ecran) {
    int c0, c1, l0, l1;
    Touches(c.colonnes, zone.x, zone.x + zone.w, &c0, &c1);
    Touches(c.lignes, zone.y, zone.y + zone.h, &l0, &l1);
    *ecran = SDL_Rect{c.image.x + c0, c.image.y + l0, c1 - c0, l1 - l0};
    if (vue->format->format != d->format->format || d->format->BytesPerPixel != 4 || !Dedans(d, *ecran))
        return false;
    if (ecran->w <= 0 || ecran->h <= 0)
        return true;
    static std::vector<uint32_t> rangees[2];
    int numeros[2] = {-1, -1};
    for (auto &r : rangees)
        r.resize(static_cast<size_t>(ecran->w));
    SDL_LockSurface(vue);
    SDL_LockSurface(d);
    for (int j = l0; j < l1; j++) {
        const Echantillon &e = c.lignes[static_cast<size_t>(j)];
        int sources[2] = {e.source, e.source + (e.poids != 0)};
        if (numeros[0] != sources[0] && numeros[1] == sources[0]) {
            std::swap(rangees[0], rangees[1]);
            std::swap(numeros[0], numeros[1]);
        }
        for (int k = 0; k < 2; k++)
            if (numeros[k] != sources[k] && (k == 0 || e.poids != 0)) {
                Horizontale(Ligne(vue, sources[k]), c.colonnes, c0, c1, rangees[k].data());
                numeros[k] = sources[k];
            }
        uint32_t *sortie = Ligne(d, ecran->y + j - l0) + ecran->x;
        if (e.poids == 0)
            memcpy(sortie, rangees[0].data(), static_cast<size_t>(ecran->w) * 4);
        else
            MelangeOctets(reinterpret_cast<const uint8_t *>(rangees[0].data()),
                          reinterpret_cast<const uint8_t *>(rangees[1].data()), reinterpret_cast<uint8_t *>(sortie),
                          ecran->w * 4, static_cast<unsigned>(e.poids));
    }
    SDL_UnlockSurface(d);
    SDL_UnlockSurface(vue);
    return true;
}

// Draws a rectangle of the view on the window surface; sets the screen
// rectangle it covered.
int PeintImage(FenetrePf *f, SDL_Surface *d, const SDL_Rect &zone, SDL_Rect *ecran) {
    const Cadrage &c = f->cadrage;
    if (c.den != 1 && CopieLisse(f->vue, zone, d, c, ecran))
        return DD_OK;
    if (c.den == 1) {
        const int z = c.num;
        *ecran = SDL_Rect{c.image.x + zone.x * z, c.image.y + zone.y * z, zone.w * z, zone.h * z};
        if (CopieAgrandie(f->vue, zone, d, ecran->x, ecran->y, z))
            return DD_OK;
    }
    // Another pixel format: SDL's own copy, nearest pixel.
    SDL_Rect source = zone;
    *ecran =
        SDL_Rect{c.image.x + int(int64_t(zone.x) * c.num / c.den), c.image.y + int(int64_t(zone.y) * c.num / c.den),
                 int(int64_t(zone.w) * c.num / c.den), int(int64_t(zone.h) * c.num / c.den)};
    SDL_Rect cible = *ecran;
    return SDL_BlitScaled(f->vue, &source, d, &cible) == 0 ? DD_OK : DDERR_GENERIC;
}

void RemplitMarges(FenetrePf *f, SDL_Surface *d) {
    const SDL_Rect &i = f->cadrage.image;
    const uint32_t couleur = SDL_MapRGB(d->format, sombre[0], sombre[1], sombre[2]);
    const SDL_Rect marges[] = {{0, 0, d->w, i.y},
                               {0, i.y + i.h, d->w, d->h - i.y - i.h},
                               {0, i.y, i.x, i.h},
                               {i.x + i.w, i.y, d->w - i.x - i.w, i.h}};
    for (const SDL_Rect &m : marges)
        if (m.w > 0 && m.h > 0)
            SDL_FillRect(d, &m, couleur);
}

}  // namespace

bool CopieAgrandie(SDL_Surface *s, const SDL_Rect &rs, SDL_Surface *d, int x, int y, int facteur) {
    if (s->format->format != d->format->format || s->format->BytesPerPixel != 4 ||
        !Dedans(d, SDL_Rect{x, y, rs.w * facteur, rs.h * facteur}))
        return false;
    if (SDL_LockSurface(s) != 0)
        return false;
    if (SDL_LockSurface(d) != 0) {
        SDL_UnlockSurface(s);
        return false;
    }
    const size_t octets = static_cast<size_t>(rs.w) * facteur * 4;
    for (int j = 0; j < rs.h; j++) {
        const uint32_t *source = Ligne(s, rs.y + j) + rs.x;
        uint32_t *premiere = Ligne(d, y + j * facteur) + x;
        if (facteur == 1) {
            memmove(premiere, source, octets);
            continue;
        }
        uint32_t *p = premiere;
        for (int i = 0; i < rs.w; i++)
            for (int k = 0; k < facteur; k++)
                *p++ = source[i];
        for (int k = 1; k < facteur; k++)
            memcpy(Ligne(d, y + j * facteur + k) + x, premiere, octets);
    }
    SDL_UnlockSurface(d);
    SDL_UnlockSurface(s);
    return true;
}

bool Recadre(FenetrePf *fenetre) {
    int l = 0, h = 0;
    if (!fenetre->sdl)
        return false;
    SDL_GetWindowSize(fenetre->sdl, &l, &h);
    Cadrage &c = fenetre->cadrage;
    if (l == c.largeurSurface && h == c.hauteurSurface)
        return false;
    Calcule(c, l, h, fenetre->largeur, fenetre->hauteur);
    fenetre->aRepeindre = true;
    return true;
}

int PointImage(const FenetrePf *fenetre, int position, bool vertical) {
    const Cadrage &c = fenetre->cadrage;
    int64_t p = int64_t(position - (vertical ? c.image.y : c.image.x)) * c.den;
    return int(p >= 0 ? p / c.num : -((c.num - 1 - p) / c.num));
}

int MontreImage(FenetrePf *fenetre, SDL_Surface *d, const SDL_Rect &zone) {
    SDL_Rect ecran;
    int code = PeintImage(fenetre, d, zone, &ecran);
    SDL_Rect montre;
    SDL_Rect surface = {0, 0, d->w, d->h};
    if (code == DD_OK && SDL_IntersectRect(&ecran, &surface, &montre) &&
        SDL_UpdateWindowSurfaceRects(fenetre->sdl, &montre, 1) != 0)
        return DDERR_SURFACELOST;
    return code;
}

void RepeintFenetre(FenetrePf *fenetre) {
    Recadre(fenetre);
    fenetre->aRepeindre = false;
    SDL_Surface *d = fenetre->sdl ? SDL_GetWindowSurface(fenetre->sdl) : nullptr;
    if (!d)
        return;
    RemplitMarges(fenetre, d);
    SDL_Rect ecran;
    if (fenetre->vue)
        PeintImage(fenetre, d, SDL_Rect{0, 0, fenetre->largeur, fenetre->hauteur}, &ecran);
    SDL_UpdateWindowSurface(fenetre->sdl);
}

void RepeintFenetres() {
    for (FenetrePf *f : fenetres) {
        Recadre(f);
        if (f->aRepeindre)
            RepeintFenetre(f);
    }
}
