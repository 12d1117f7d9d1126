// SPDX-License-Identifier: GPL-3.0-or-later
// Pixmaps, the refresh of screen rectangles and the toolkit's sleep.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "ecran.h"
#include "sdl/bitmap.h"
#include "sdl/directdraw.h"

void (*sommeil)(int millisecondes) = nullptr;

namespace {

// A relative name is read from the folder found for the images, wherever the
// working directory has gone since.
std::string CheminImage(const char *nom) {
    const char *dossier = DossierImagesEcran();
    if (nom[0] == '\0' || nom[0] == '/' || dossier[0] == '\0')
        return nom;
    return std::string(dossier) + "/" + nom;
}

}  // namespace

void ChargePixmap(const char *nom, Pixmap **pixmap, int *largeur, int *hauteur, Fenetre *fenetre) {
    std::string chemin = nom ? CheminImage(nom) : "";
    Surface *surface = ChargeBitmap(fenetre->directDraw, nom ? chemin.c_str() : nullptr, 0, 0);
    if (pixmap)
        *pixmap = surface;
    if (!surface) {
        char message[512];
        snprintf(message, sizeof message, "Peut pas charger pixmaps :%s.\n", nom ? nom : "");
        // What to mend, for a player or a packager: the file, and what is wrong with it.
        const char *raison = PfRaisonBitmap();
        if (raison[0] != '\0')
            snprintf(message + strlen(message), sizeof message - strlen(message), "%s : %s\n", chemin.c_str(), raison);
        ErreurFenetre(fenetre->hwnd, message);
        return;
    }
    int w = 0, h = 0;
    PfTailleSurface(surface, &w, &h);
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
    if (!VerifieDD(PfCopie(fenetre->arrierePlan, &destination, pixmap, nullptr)))
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
    PfLibereSurface(pixmap);
}

void TaillePixmap(Pixmap *pixmap, int *largeur, int *hauteur) {
    int w = 0, h = 0;
    if (pixmap)
        PfTailleSurface(pixmap, &w, &h);
    if (largeur)
        *largeur = w;
    if (hauteur)
        *hauteur = h;
}

void Rafraichit(int x, int y, int largeur, int hauteur, Fenetre *fenetre) {
    // What lies outside the back buffer does not exist: a refresh that
    // reaches past it (the bottom row of markers on the largest board) shows
    // what is inside, and one with nothing inside does nothing.
    RectanglePf source = {std::max(x, 0), std::max(y, 0), std::min(x + largeur, int(fenetre->largeur)),
                          std::min(y + hauteur, int(fenetre->hauteur))};
    if (source.droite <= source.gauche || source.bas <= source.haut)
        return;
    // The window surface is already in client coordinates: the copy lands
    // in place; the screen rectangle is what the diagnostic reports.
    int32_t code = PfCopie(fenetre->surfacePrimaire, &source, fenetre->arrierePlan, &source);
    if (VerifieDD(code))
        return;
    Zone z = fenetre->zoneEcran;
    EcritDebogagef("Probleme de rafraichissement : %d %d %d %d -> %d %d %d %d - %d %d %d %d\n", x, y, largeur, hauteur,
                   source.haut, source.gauche, source.bas, source.droite, source.haut + z.haut,
                   source.gauche + z.gauche, source.bas + z.haut, source.droite + z.gauche);
}

void Dort(int duree) {
    if (duree <= 0)
        return;
    int millisecondes = duree / 1000;
    if (sommeil)
        sommeil(millisecondes);
    else
        PfDort(millisecondes);
}
