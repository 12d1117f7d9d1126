// SPDX-License-Identifier: GPL-3.0-or-later
// Pixmaps, the refresh of screen rectangles and the toolkit's sleep.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "directdraw/bitmap.h"
#include "directdraw/directdraw.h"
#include "ecran.h"

void ChargePixmap(const char *nom, Pixmap **pixmap, int *largeur, int *hauteur, Fenetre *fenetre) {
    std::string chemin = nom ? CheminImage(nom) : "";
    Surface *surface = ChargeBitmap(fenetre->directDraw, nom ? chemin.c_str() : nullptr, 0, 0);
    if (pixmap)
        *pixmap = surface;
    if (!surface) {
        char message[512];
        snprintf(message, sizeof message, "Peut pas charger pixmaps :%s.\n", nom ? nom : "");
        // What to mend, for a player or a packager: the file, and what is wrong with it.
        const char *raison = RaisonBitmap();
        if (raison[0] != '\0')
            snprintf(message + strlen(message), sizeof message - strlen(message), "%s : %s\n", chemin.c_str(), raison);
        ErreurFenetre(fenetre->hwnd, message);
        return;
    }
    int w = 0, h = 0;
    plateforme.TailleSurface(surface, &w, &h);
    if (largeur)
        *largeur = w;
    if (hauteur)
        *hauteur = h;
}

void AffichePixmap(Pixmap *pixmap, int x, int y, int largeur, int hauteur, Fenetre *fenetre) {
    RectanglePf destination = {x, y, x + largeur, y + hauteur};
    if (destination.bas > fenetre->hauteur)
        destination.bas = fenetre->hauteur;
    if (destination.haut < 0)
        destination.haut = 0;
    if (destination.droite > fenetre->largeur)
        destination.droite = fenetre->largeur;
    if (destination.gauche < 0)
        destination.gauche = 0;
    if (destination.droite == destination.gauche || destination.haut == destination.bas || !pixmap)
        return;
    if (!VerifieDD(plateforme.Copie(fenetre->arrierePlan, &destination, pixmap, nullptr)))
        EcritDebogage("On a perdu une image");
}

void ChargeEtAffichePixmap(const char *nom, int x, int y, Fenetre *fenetre) {
    Pixmap *pixmap = nullptr;
    int largeur = 0, hauteur = 0;
    ChargePixmap(nom, &pixmap, &largeur, &hauteur, fenetre);
    AffichePixmap(pixmap, x, y, largeur, hauteur, fenetre);
    // Nobody keeps this one: screens that redraw their background would pile them up.
    LiberePixmap(pixmap);
}

void LiberePixmap(Pixmap *pixmap) {
    plateforme.LibereSurface(pixmap);
}

void TaillePixmap(Pixmap *pixmap, int *largeur, int *hauteur) {
    int w = 0, h = 0;
    if (pixmap)
        plateforme.TailleSurface(pixmap, &w, &h);
    if (largeur)
        *largeur = w;
    if (hauteur)
        *hauteur = h;
}

namespace {

// Where a rectangle of the window lies on the screen: the window's picture
// may be larger there than the window is (a zoom), so both are in screen pixels.
RectanglePf SurEcran(const RectanglePf &r, Fenetre *fenetre) {
    Zone z = fenetre->zoneEcran;
    int64_t w = std::max(int(fenetre->largeur), 1), h = std::max(int(fenetre->hauteur), 1);
    int64_t lz = z.droite - z.gauche, hz = z.bas - z.haut;
    return RectanglePf{int32_t(z.gauche + r.gauche * lz / w), int32_t(z.haut + r.haut * hz / h),
                       int32_t(z.gauche + r.droite * lz / w), int32_t(z.haut + r.bas * hz / h)};
}

void SignaleRafraichissement(int32_t code, int x, int y, int largeur, int hauteur, const RectanglePf &source,
                             Fenetre *fenetre) {
    VerifieDD(code);
    RectanglePf d = SurEcran(source, fenetre);
    EcritDebogagef("Probleme de rafraichissement : %d %d %d %d -> %d %d %d %d - %d %d %d %d\n", x, y, largeur, hauteur,
                   source.haut, source.gauche, source.bas, source.droite, d.haut, d.gauche, d.bas, d.droite);
}

}  // namespace

void Rafraichit(int x, int y, int largeur, int hauteur, Fenetre *fenetre) {
    if (largeur == 0 || hauteur == 0)
        return;
    // What lies outside the back buffer does not exist: a refresh that
    // reaches past it (the bottom row of markers on the largest board) shows
    // what is inside. One that is inverted, or has nothing inside, is a
    // rectangle the device refuses.
    RectanglePf source = {std::max(x, 0), std::max(y, 0), std::min(x + largeur, int(fenetre->largeur)),
                          std::min(y + hauteur, int(fenetre->hauteur))};
    if (source.droite <= source.gauche || source.bas <= source.haut) {
        RectanglePf demande = {x, y, x + largeur, y + hauteur};
        SignaleRafraichissement(DDERR_INVALIDRECT, x, y, largeur, hauteur, demande, fenetre);
        return;
    }
    // The window surface is already in client coordinates: the copy lands in place.
    int32_t code = plateforme.Copie(fenetre->surfacePrimaire, &source, fenetre->arrierePlan, &source);
    if (code != DD_OK)
        SignaleRafraichissement(code, x, y, largeur, hauteur, source, fenetre);
}

void Dort(int duree) {
    if (duree <= 0)
        return;
    plateforme.Dort(duree / 1000);
}
