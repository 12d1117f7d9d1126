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

void TraceBiseau(int x1, int y1, int x2, int y2, int premier, int dernier, Couleur base, Relief relief, CoinBiseau coin,
                 Fenetre *fenetre) {
    const Couleur sombre = NuanceSombre(base, fenetre);
    const Couleur clair = NuanceClaire(base, fenetre);
    const Couleur haut = relief == EN_RELIEF ? clair : sombre;
    const Couleur bas = relief == EN_RELIEF ? sombre : clair;
    // Of two lines through one pixel the later one shows.
    for (int i = premier; i <= dernier; i++) {
        TraceLigne(x1 + i, y1 + i, x2 - i, y1 + i, haut, fenetre);
        if (coin == COIN_EN_BAS)
            TraceLigne(x1 + i, y1 + i, x1 + i, y2 - i, haut, fenetre);
        TraceLigne(x1 + i, y2 - i, x2 - i, y2 - i, bas, fenetre);
        if (coin == COIN_A_GAUCHE)
            TraceLigne(x1 + i, y1 + i, x1 + i, y2 - i, haut, fenetre);
        TraceLigne(x2 - i, y1 + i, x2 - i, y2 - i, bas, fenetre);
    }
}

void *AlloueWidget(size_t taille, const char *message) {
    void *record = calloc(1, taille);
    if (record == nullptr) {
        perror(message);
        exit(1);
    }
    return record;
}

void Inscrit(Frame *frame, Fenetre *fenetre) {
    fenetre->frames = LieEnTete(fenetre->frames, frame);
    fenetre->nbFrames = fenetre->nbFrames + 1;
}

void Inscrit(Bouton *bouton, Fenetre *fenetre) {
    fenetre->boutons = LieEnTete(fenetre->boutons, bouton);
    fenetre->nbBoutons = fenetre->nbBoutons + 1;
}

void Inscrit(Ascenseur *ascenseur, Fenetre *fenetre) {
    fenetre->ascenseurs = LieEnTete(fenetre->ascenseurs, ascenseur);
    fenetre->nbAscenseurs = fenetre->nbAscenseurs + 1;
}

void Inscrit(Texte *texte, Fenetre *fenetre) {
    fenetre->textes = LieEnTete(fenetre->textes, texte);
    fenetre->nbTextes = fenetre->nbTextes + 1;
}

void Inscrit(ZoneTexte *zone, Fenetre *fenetre) {
    fenetre->zonesTexte = LieEnTete(fenetre->zonesTexte, zone);
    fenetre->nbZonesTexte = fenetre->nbZonesTexte + 1;
}

void Inscrit(BoiteNombre *boite, Fenetre *fenetre) {
    fenetre->boitesNombre = LieEnTete(fenetre->boitesNombre, boite);
    fenetre->nbBoitesNombre = fenetre->nbBoitesNombre + 1;
}

void Inscrit(Ardoise *ardoise, Fenetre *fenetre) {
    fenetre->ardoises = LieEnTete(fenetre->ardoises, ardoise);
    fenetre->nbArdoises = fenetre->nbArdoises + 1;
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
