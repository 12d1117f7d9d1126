// SPDX-License-Identifier: GPL-3.0-or-later
// Display-server objects and surfaces: the window surface stands for the
// primary surface, 32-bit off-screen SDL surfaces for back buffers and
// images; copies, pixel access and colour keys.
#include "sdl_interne.h"

#include <cstring>

SDL_Surface *Pixels(Surface *surface) {
    if (surface->sdl)
        return surface->sdl;
    SDL_Window *w = surface->fenetre ? surface->fenetre->sdl : nullptr;
    return w ? SDL_GetWindowSurface(w) : nullptr;
}

SDL_Surface *NouvelleSurface(int largeur, int hauteur) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, largeur, hauteur, 32, SDL_PIXELFORMAT_RGB888);
    if (s)
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
    return s;
}

namespace {

SDL_Rect RectSdl(const RectanglePf &r) {
    return SDL_Rect{r.gauche, r.haut, r.droite - r.gauche, r.bas - r.haut};
}

bool Contient(SDL_Surface *s, const RectanglePf &r) {
    return r.gauche >= 0 && r.haut >= 0 && r.gauche <= r.droite && r.haut <= r.bas && r.droite <= s->w && r.bas <= s->h;
}

// Clips a rectangle to the surface, as the window's clipper does for a primary surface.
RectanglePf Coupe(SDL_Surface *s, RectanglePf r) {
    r.gauche = SDL_max(r.gauche, 0);
    r.haut = SDL_max(r.haut, 0);
    r.droite = SDL_min(r.droite, s->w);
    r.bas = SDL_min(r.bas, s->h);
    return r;
}

}  // namespace

int PfCreeObjetAffichage(ObjetAffichage **objet) {
    *objet = new ObjetAffichage{nullptr};
    return DD_OK;
}

int PfSurfacePrimaire(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface) {
    objet->fenetre = fenetre;
    if (!fenetre->sdl || !SDL_GetWindowSurface(fenetre->sdl))
        return DDERR_OUTOFMEMORY;
    *surface = new Surface{nullptr, fenetre, nullptr};
    return DD_OK;
}

int PfCreeClipper(ObjetAffichage *, Clipper **clipper) {
    *clipper = new Clipper{nullptr};
    return DD_OK;
}

int PfClipperFenetre(Clipper *clipper, FenetrePf *fenetre) {
    clipper->fenetre = fenetre;
    return DD_OK;
}

int PfAttacheClipper(Surface *surface, Clipper *clipper) {
    surface->clipper = clipper;
    return DD_OK;
}

void PfLibereClipper(Clipper *clipper) {
    delete clipper;
}

int PfFormatPixels(Surface *surface, int *bits) {
    SDL_Surface *s = Pixels(surface);
    if (!s)
        return DDERR_SURFACELOST;
    *bits = s->format->BitsPerPixel;
    return DD_OK;
}

int PfCreeSurface(ObjetAffichage *, int largeur, int hauteur, Surface **surface) {
    if (largeur <= 0 || hauteur <= 0)
        return DDERR_INVALIDPARAMS;
    SDL_Surface *s = NouvelleSurface(largeur, hauteur);
    if (!s)
        return DDERR_OUTOFMEMORY;
    *surface = new Surface{s, nullptr, nullptr};
    return DD_OK;
}

int PfTesteCooperation(ObjetAffichage *) {
    return DD_OK;
}

int PfRestaureSurfaces(ObjetAffichage *objet) {
    if (objet->fenetre && objet->fenetre->sdl && !SDL_GetWindowSurface(objet->fenetre->sdl))
        return DDERR_SURFACELOST;
    return DD_OK;
}

int PfRestaure(Surface *surface) {
    return Pixels(surface) ? DD_OK : DDERR_SURFACELOST;
}

void PfLibereSurface(Surface *surface) {
    if (!surface)
        return;
    SDL_FreeSurface(surface->sdl);
    delete surface->clipper;
    delete surface;
}

void PfLibereObjetAffichage(ObjetAffichage *objet) {
    delete objet;
}

int PfTailleSurface(Surface *surface, int *largeur, int *hauteur) {
    SDL_Surface *s = surface ? Pixels(surface) : nullptr;
    if (!s)
        return DDERR_SURFACELOST;
    *largeur = s->w;
    *hauteur = s->h;
    return DD_OK;
}

namespace {

// A copy to a window's surface, in the picture's pixels: clipped to the
// picture as the window's clipper would, kept in the window's view, and
// brought to the screen at the window's scale.
int CopieVersFenetre(FenetrePf *fenetre, RectanglePf rd, SDL_Surface *s, RectanglePf rs) {
    if (!fenetre->vue && !(fenetre->vue = NouvelleSurface(fenetre->largeur, fenetre->hauteur)))
        return DDERR_OUTOFMEMORY;
    SDL_Surface *vue = fenetre->vue;
    bool memeTaille = rs.droite - rs.gauche == rd.droite - rd.gauche && rs.bas - rs.haut == rd.bas - rd.haut;
    if (memeTaille) {
        RectanglePf vu = Coupe(vue, rd);
        if (vu.droite <= vu.gauche || vu.bas <= vu.haut)
            return DD_OK;
        rs = RectanglePf{rs.gauche + vu.gauche - rd.gauche, rs.haut + vu.haut - rd.haut,
                         rs.droite + vu.droite - rd.droite, rs.bas + vu.bas - rd.bas};
        rd = vu;
    }
    SDL_Rect srcSdl = RectSdl(rs), dstSdl = RectSdl(rd);
    if (!(memeTaille && CopieAgrandie(s, srcSdl, vue, dstSdl.x, dstSdl.y, 1)) &&
        SDL_BlitScaled(s, &srcSdl, vue, &dstSdl) != 0)
        return DDERR_GENERIC;
    Recadre(fenetre);
    if (fenetre->aRepeindre) {
        RepeintFenetre(fenetre);
        return DD_OK;
    }
    SDL_Surface *d = SDL_GetWindowSurface(fenetre->sdl);
    if (!d)
        return DDERR_SURFACELOST;
    SDL_Rect zone = RectSdl(Coupe(vue, rd));
    return zone.w > 0 && zone.h > 0 ? MontreImage(fenetre, d, zone) : DD_OK;
}

}  // namespace

int PfCopie(Surface *destination, const RectanglePf *rectDestination, Surface *source, const RectanglePf *rectSource) {
    if (!destination || !source)
        return DDERR_INVALIDPARAMS;
    // A window that is gone has nothing left to show, and nothing went wrong.
    if (!destination->sdl && destination->fenetre && !destination->fenetre->sdl)
        return DD_OK;
    SDL_Surface *d = Pixels(destination);
    SDL_Surface *s = Pixels(source);
    if (!d || !s)
        return DDERR_SURFACELOST;
    bool primaire = destination->sdl == nullptr;
    RectanglePf rs = rectSource ? *rectSource : RectanglePf{0, 0, s->w, s->h};
    FenetrePf *fenetre = destination->fenetre;
    RectanglePf rd = rectDestination ? *rectDestination
                     : primaire      ? RectanglePf{0, 0, fenetre->largeur, fenetre->hauteur}
                                     : RectanglePf{0, 0, d->w, d->h};
    if (!Contient(s, rs) || (!primaire && !Contient(d, rd)) || rd.droite < rd.gauche || rd.bas < rd.haut)
        return DDERR_INVALIDRECT;
    if (rs.droite == rs.gauche || rs.bas == rs.haut || rd.droite == rd.gauche || rd.bas == rd.haut)
        return DD_OK;
    if (primaire)
        return CopieVersFenetre(fenetre, rd, s, rs);
    SDL_Rect srcSdl = RectSdl(rs), dstSdl = RectSdl(rd);
    bool memeTaille = srcSdl.w == dstSdl.w && srcSdl.h == dstSdl.h;
    int r = !memeTaille                                          ? SDL_BlitScaled(s, &srcSdl, d, &dstSdl)
            : CopieAgrandie(s, srcSdl, d, dstSdl.x, dstSdl.y, 1) ? 0
                                                                 : SDL_BlitSurface(s, &srcSdl, d, &dstSdl);
    return r == 0 ? DD_OK : DDERR_GENERIC;
}

int PfAccede(Surface *surface, AccesPixels *acces) {
    SDL_Surface *s = Pixels(surface);
    if (!s || s->format->BytesPerPixel != 4 || SDL_LockSurface(s) != 0)
        return DDERR_CANTCREATEDC;
    *acces = AccesPixels{static_cast<uint32_t *>(s->pixels), s->pitch / 4, s->w, s->h};
    return DD_OK;
}

void PfRelache(Surface *surface) {
    if (SDL_Surface *s = Pixels(surface))
        SDL_UnlockSurface(s);
}

int PfCleCouleur(Surface *surface, uint32_t valeur) {
    SDL_Surface *s = Pixels(surface);
    if (!s)
        return DDERR_SURFACELOST;
    return SDL_SetColorKey(s, SDL_TRUE, valeur) == 0 ? DD_OK : DDERR_GENERIC;
}
