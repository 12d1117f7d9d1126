// SPDX-License-Identifier: GPL-3.0-or-later
// Slates: sunken areas that report pointer events.
#include "ecran/widgets/ardoise.h"

#include <cstdlib>

#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

Ardoise *CreeArdoise(int id, int x1, int y1, int x2, int y2, const char *nomImage, Couleur couleur,
                     RappelArdoise rappel, void *donneeRappel, Fenetre *fenetre) {
    Ardoise *ardoise = NouveauWidget<Ardoise>(x1, y1, x2, y2, "Allocation d'une ardoise", fenetre);
    ardoise->id = id;
    int largeur = 0, hauteur = 0;
    ardoise->image = ChargeImageWidget(ardoise->nomImage, nomImage, &largeur, &hauteur, fenetre);
    ardoise->largeurImage = largeur;
    ardoise->hauteurImage = hauteur;
    ardoise->couleur = couleur;
    ardoise->rappel = rappel;
    ardoise->donneeRappel = donneeRappel;
    ardoise->actif = 1;
    TraceArdoise(ardoise, fenetre);
    return ardoise;
}

void ChangeRappelArdoise(Ardoise *ardoise, RappelArdoise rappel, void *donneeRappel) {
    ardoise->rappel = rappel;
    ardoise->donneeRappel = donneeRappel;
}

// The border is shaded from the window's background, not from the slate's
// own colour, so that it looks cut into the window.
void TraceArdoise(Ardoise *ardoise, Fenetre *fenetre) {
    const Ardoise a = *ardoise;
    RemplitRectangle(a.x1 + 1, a.y1 + 1, a.x2 - 1, a.y2 - 1, a.couleur, fenetre);
    TraceBiseau(a.x1, a.y1, a.x2, a.y2, 0, 1, fenetre->fond, EN_CREUX, COIN_A_GAUCHE, fenetre);
    if (a.nomImage[0] != '\0') {
        TraceRectangleMap(a.x1 + 2, a.y1 + 2, a.x2 - 2, a.y2 - 2, a.x1 + 2, a.y1 + 2, a.image, fenetre);
    }
}

signed char ClicArdoise(Ardoise *ardoise, int x, int y, int genre, int boutons) {
    if (!AtteintWidget(ardoise, x, y))
        return 0;
    const RappelArdoise rappel = ardoise->rappel;
    if (rappel == nullptr)
        return 1;
    return rappel(ardoise->donneeRappel, ardoise->id, x, y, genre, boutons) == CODE_EVENEMENT ? CODE_EVENEMENT : 1;
}

signed char ClicArdoises(Ardoise *tete, int x, int y, int genre, int boutons, Fenetre * /*fenetre*/, Ecran /*ecran*/) {
    for (Ardoise *ardoise = tete; ardoise != nullptr; ardoise = ardoise->suivant) {
        const signed char r = ClicArdoise(ardoise, x, y, genre, boutons);
        if (r != 0)
            return r;
    }
    return -1;
}

void DetruitArdoise(Ardoise *ardoise, Fenetre *fenetre) {
    if (ardoise == nullptr)
        return;
    OublieFocus(ardoise, fenetre);
    fenetre->nbArdoises = fenetre->nbArdoises - 1;
    fenetre->ardoises = Delie(fenetre->ardoises, ardoise);
    LiberePixmap(ardoise->image);
    free(ardoise);
}
