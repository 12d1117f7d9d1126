// SPDX-License-Identifier: GPL-3.0-or-later
// Text through SDL_ttf and fontconfig, the Windows-1252 code page at the
// backend's edges, and the diagnostics on standard error.
#include "sdl_interne.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Windows-1252 codes 0x80..0x9F; the rest of the code page is Latin-1.
const uint16_t cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 code of a code point, or -1 when it has none.
int Vers1252(uint32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
        return static_cast<int>(point);
    for (int i = 0; i < 32; i++)
        if (cp1252[i] == point && point != 0)
            return 0x80 + i;
    return -1;
}

void AjouteUtf8(std::string &sortie, uint32_t point) {
    if (point < 0x80) {
        sortie += static_cast<char>(point);
    } else if (point < 0x800) {
        sortie += static_cast<char>(0xC0 | (point >> 6));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (point >> 12));
        sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// The face file fontconfig matches to a name, asking for fixed pitch.
std::string FichierPolice(const char *nom, int *index) {
    std::string fichier;
    if (!FcInit())
        return fichier;
    // Fontconfig's configuration and caches live until the end; handing them
    // back then keeps the leak check of a sanitized program quiet.
    static bool rendue = atexit(FcFini) == 0;
    (void)rendue;
    FcPattern *motif = FcNameParse(reinterpret_cast<const FcChar8 *>(nom));
    if (!motif)
        return fichier;
    FcPatternDel(motif, FC_SIZE);
    FcPatternAddInteger(motif, FC_SPACING, FC_MONO);
    FcPatternAddInteger(motif, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(motif, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(motif, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat;
    FcPattern *trouve = FcFontMatch(nullptr, motif, &resultat);
    FcChar8 *chemin = nullptr;
    if (trouve && FcPatternGetString(trouve, FC_FILE, 0, &chemin) == FcResultMatch) {
        fichier = reinterpret_cast<const char *>(chemin);
        if (FcPatternGetInteger(trouve, FC_INDEX, 0, index) != FcResultMatch)
            *index = 0;
    }
    if (trouve)
        FcPatternDestroy(trouve);
    FcPatternDestroy(motif);
    return fichier;
}

// The largest point size whose line height does not pass `hauteur` pixels.
bool AjusteTaille(TTF_Font *police, int hauteur) {
    int taille = hauteur;
    while (taille > 1) {
        if (TTF_SetFontSize(police, taille) != 0)
            return false;
        if (TTF_FontHeight(police) <= hauteur)
            return true;
        taille--;
    }
    return TTF_SetFontSize(police, 1) == 0;
}

}  // namespace

std::string Utf8De1252(const char *texte) {
    std::string sortie;
    for (const unsigned char *c = reinterpret_cast<const unsigned char *>(texte); *c; c++) {
        uint32_t point = *c;
        if (point >= 0x80 && point < 0xA0)
            point = cp1252[point - 0x80] ? cp1252[point - 0x80] : '?';
        AjouteUtf8(sortie, point);
    }
    return sortie;
}

// Decodes UTF-8 into Windows-1252 codes, dropping what the code page lacks.
std::vector<int> CodesDeUtf8(const char *texte) {
    std::vector<int> codes;
    const unsigned char *c = reinterpret_cast<const unsigned char *>(texte);
    while (*c) {
        uint32_t point = *c;
        int suite = 0;
        if (point >= 0xF0) {
            point &= 0x07;
            suite = 3;
        } else if (point >= 0xE0) {
            point &= 0x0F;
            suite = 2;
        } else if (point >= 0xC0) {
            point &= 0x1F;
            suite = 1;
        }
        c++;
        for (; suite > 0 && (*c & 0xC0) == 0x80; suite--, c++)
            point = (point << 6) | (*c & 0x3F);
        int code = suite == 0 ? Vers1252(point) : -1;
        if (code > 0)
            codes.push_back(code);
    }
    return codes;
}

PolicePf *PfOuvrePolice(const char *nom, int hauteur) {
    PfInitialise();
    if (hauteur <= 0)
        return nullptr;
    int index = 0;
    std::string fichier = FichierPolice(nom, &index);
    if (fichier.empty())
        fichier = FichierPolice("monospace", &index);
    TTF_Font *ttf = fichier.empty() ? nullptr : TTF_OpenFontIndex(fichier.c_str(), hauteur, index);
    if (!ttf)
        return nullptr;
    if (!AjusteTaille(ttf, hauteur)) {
        TTF_CloseFont(ttf);
        return nullptr;
    }
    return new PolicePf{ttf};
}

void PfFermePolice(PolicePf *police) {
    if (!police)
        return;
    TTF_CloseFont(police->ttf);
    delete police;
}

void PfTailleTexte(PolicePf *police, const char *texte, int *largeur, int *hauteur) {
    int w = 0, h = 0;
    std::string utf8 = Utf8De1252(texte);
    if (!utf8.empty())
        TTF_SizeUTF8(police->ttf, utf8.c_str(), &w, &h);
    *largeur = w;
    *hauteur = TTF_FontHeight(police->ttf);
}

int PfEcritTexte(Surface *surface, PolicePf *police, int x, int y, const char *texte, uint32_t rgb,
                 const RectanglePf &clip) {
    std::string utf8 = Utf8De1252(texte);
    if (utf8.empty())
        return DD_OK;
    SDL_Color couleur = {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb),
                         255};
    SDL_Surface *glyphes = TTF_RenderUTF8_Blended(police->ttf, utf8.c_str(), couleur);
    if (!glyphes)
        return DDERR_GENERIC;
    AccesPixels a;
    int code = PfAccede(surface, &a);
    if (code == DD_OK) {
        RectanglePf zone = {SDL_max(clip.gauche, 0), SDL_max(clip.haut, 0), SDL_min(clip.droite, a.largeur),
                            SDL_min(clip.bas, a.hauteur)};
        SDL_LockSurface(glyphes);
        for (int j = SDL_max(0, zone.haut - y); j < glyphes->h && y + j < zone.bas; j++) {
            const uint32_t *src =
                reinterpret_cast<const uint32_t *>(static_cast<uint8_t *>(glyphes->pixels) + j * glyphes->pitch);
            uint32_t *dst = a.pixels + (y + j) * a.pas;
            for (int i = SDL_max(0, zone.gauche - x); i < glyphes->w && x + i < zone.droite; i++) {
                uint8_t r, g, b, alpha;
                SDL_GetRGBA(src[i], glyphes->format, &r, &g, &b, &alpha);
                if (alpha == 0)
                    continue;
                uint32_t fond = dst[x + i];
                auto mele = [alpha](uint32_t f, uint32_t t) { return (t * alpha + f * (255 - alpha) + 127) / 255; };
                dst[x + i] =
                    (mele((fond >> 16) & 0xFF, r) << 16) | (mele((fond >> 8) & 0xFF, g) << 8) | mele(fond & 0xFF, b);
            }
        }
        SDL_UnlockSurface(glyphes);
        PfRelache(surface);
    }
    SDL_FreeSurface(glyphes);
    return code;
}

void PfEcritDiagnostic(const char *texte) {
    std::string utf8 = Utf8De1252(texte);
    fputs(utf8.c_str(), stderr);
    if (utf8.empty() || utf8.back() != '\n')
        fputc('\n', stderr);
    fflush(stderr);
}
