// SPDX-License-Identifier: GPL-3.0-or-later
// Shared widget helpers and the emptying of a window's widget lists.
#include "ecran/widgets/listes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"

bool DansRectangle(int x1, int y1, int x2, int y2, int x, int y) {
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

Couleur NuanceSombre(Couleur base, Fenetre *fenetre) {
    return NuanceCouleur(base, FACTEUR_SOMBRE, fenetre);
}

Couleur NuanceClaire(Couleur base, Fenetre *fenetre) {
    return NuanceCouleur(base, FACTEUR_CLAIR, fenetre);
}

void *AlloueWidget(size_t taille, const char *message) {
    void *record = calloc(1, taille);
    if (record == nullptr) {
        perror(message);
        exit(1);
    }
    return record;
}

void TexteTropLong(const char *format, const char *texte) {
    fprintf(stderr, format, texte);
    fputc('\n', stderr);
    exit(3);
}

Pixmap *ChargeImageWidget(char *nomImage, const char *nom, int *largeur, int *hauteur, Fenetre *fenetre) {
    nomImage[0] = '\0';
    // An empty name would be handed to the loader, whose failure destroys the
    // window: it means no image, as a null one does.
    if (nom == nullptr || nom[0] == '\0')
        return nullptr;
    if (strlen(nom) + 1 >= TAILLE_CHAINE_WIDGET)
        TexteTropLong("Nom de l'image: %s trop long", nom);
    snprintf(nomImage, TAILLE_CHAINE_WIDGET, "%s", nom);
    Pixmap *image = nullptr;
    ChargePixmap(nomImage, &image, largeur, hauteur, fenetre);
    return image;
}

void VideFenetre(Fenetre *fenetre) {
    // Each destroy unlinks the head, so the next head is read afresh each turn.
    while (fenetre->frames != nullptr)
        DetruitFrame(fenetre->frames, fenetre);
    fenetre->nbFrames = 0;
    while (fenetre->boutons != nullptr)
        DetruitBouton(fenetre->boutons, fenetre);
    fenetre->nbBoutons = 0;
    while (fenetre->ascenseurs != nullptr)
        DetruitAscenseur(fenetre->ascenseurs, fenetre);
    fenetre->nbAscenseurs = 0;
    while (fenetre->textes != nullptr)
        DetruitTexte(fenetre->textes, fenetre);
    fenetre->nbTextes = 0;
    while (fenetre->zonesTexte != nullptr)
        DetruitZoneTexte(fenetre->zonesTexte, fenetre);
    fenetre->nbZonesTexte = 0;
    while (fenetre->boitesNombre != nullptr)
        DetruitBoiteNombre(fenetre->boitesNombre, fenetre);
    fenetre->nbBoitesNombre = 0;
    while (fenetre->ardoises != nullptr)
        DetruitArdoise(fenetre->ardoises, fenetre);
    fenetre->nbArdoises = 0;
    RemplitRectangle(0, 0, fenetre->largeur, fenetre->hauteur, fenetre->fond, fenetre);
}
