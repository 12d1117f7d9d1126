// SPDX-License-Identifier: GPL-3.0-or-later
// The list box. The lines belong to the caller; the box only reads them
// when it draws, through the two scroll bars' values.
#include "ecran/widgets/zonetexte.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

namespace {

// Tall capitals, descenders and the tallest and lowest punctuation: its
// height is the font's full line height.
const char *const ECHANTILLON = "PLHTWXQqpltg^/'_&";
const int ID_ZONE = 99;

void RafraichitZoneTexte(ZoneTexte *zone, Fenetre *fenetre) {
    Rafraichit(zone->x1, zone->y1, zone->x2 - zone->x1, zone->y2 - zone->y1, fenetre);
}

// Either scroll bar moved: show the lines from the new place.
int ChangeAscenseurZoneTexte(void *donnee, int) {
    ZoneTexte *zone = static_cast<ZoneTexte *>(donnee);
    Fenetre *fenetre = zone->fenetre;
    TraceZoneTexte(zone, fenetre);
    RafraichitZoneTexte(zone, fenetre);
    return 1;
}

// The shown line under a press, counted from the first shown line, or -1
// below the last whole line. Lines are drawn every `hauteurLigne` pixels from
// the top, each inside its highlight frame one pixel lower.
int LigneSous(const ZoneTexte *zone, int y) {
    int ecart = y - zone->zone->y1 - 1;
    if (ecart < 0)
        ecart = 0;
    int ligne = ecart / zone->hauteurLigne;
    return ligne < zone->lignesVisibles ? ligne : -1;
}

// The area's callback: a left press picks the line under it.
int ClicZoneTexte(void *donnee, int, int, int y, int genre, int) {
    if (genre != GENRE_APPUI)
        return 1;
    ZoneTexte *zone = static_cast<ZoneTexte *>(donnee);
    int ligne = LigneSous(zone, y);
    int k = ligne < 0 ? -1 : ligne + zone->ascenseurV->valeur;
    if (k < 0 || k >= zone->nombre) {
        zone->selection = -1;  // the old highlight stays until the next redraw
        return 1;
    }
    zone->selection = k;
    Fenetre *fenetre = zone->fenetre;
    TraceZoneTexte(zone, fenetre);
    RafraichitZoneTexte(zone, fenetre);
    RappelZoneTexte rappel = zone->rappel;
    if (rappel != nullptr)
        rappel(zone->donneeRappel, ID_ZONE);
    return 1;
}

// Characters of the widest line that fit across the area. Of two lines
// equally wide the shorter one counts; lines that measure nothing fit none.
int CaracteresVisibles(const ZoneTexte *zone, int *longueurLaPlusLarge) {
    Fenetre *fenetre = zone->fenetre;
    int largeurMax = 0, longueur = 0;
    bool prise = false;
    for (int i = 0; i < zone->nombre; i++) {
        const char *ligne = zone->lignes[i];
        int l = 0, h = 0;
        TailleTexte(ligne, zone->police, &l, &h, fenetre);
        int n = int(strlen(ligne));
        if (!prise || l > largeurMax || (l == largeurMax && n < longueur)) {
            largeurMax = l;
            longueur = n;
            prise = true;
        }
    }
    *longueurLaPlusLarge = longueur;
    if (largeurMax <= 0)
        return 0;
    const Ardoise *aire = zone->zone;
    return int(float(aire->x2 - aire->x1 - 10) * (float(longueur) / float(largeurMax)));
}

}  // namespace

ZoneTexte *CreeZoneTexte(int id, int x1, int y1, int x2, int y2, const char *const *lignes, int nombre, Police police,
                         Couleur couleurTexte, RappelZoneTexte rappel, void *donneeRappel, Fenetre *fenetre) {
    ZoneTexte *zone = NouveauWidget<ZoneTexte>(x1, y1, x2, y2, "Allocation d'une zone de texte", fenetre);
    zone->id = id;
    zone->couleurTexte = couleurTexte;
    Couleur fond = fenetre->fond;
    zone->couleurFond = fond;
    zone->police = police;
    int largeur = 0, hauteur = 0;
    TailleTexte(ECHANTILLON, police, &largeur, &hauteur, fenetre);
    if (hauteur < 1)
        hauteur = 1;  // no font: keep the line arithmetic defined
    zone->hauteurLigne = hauteur;
    zone->lignesVisibles = (y2 - y1 - 21) / hauteur;
    zone->caracteresVisibles = 0;
    zone->rappel = rappel;
    zone->donneeRappel = donneeRappel;
    zone->selection = -1;
    zone->actif = 1;
    zone->fenetre = fenetre;
    zone->zone = CreeArdoise(ID_ZONE, x1, y1, x2 - 21, y2 - 21, nullptr, AlloueCouleur(255, 255, 255, fenetre),
                             ClicZoneTexte, zone, fenetre);
    int maximum = nombre - zone->lignesVisibles;
    zone->ascenseurV =
        CreeAscenseur(0, 'v', x2 - 20, y1, x2, y2 - 20, 0, 0, maximum, fond, ChangeAscenseurZoneTexte, zone, fenetre);
    zone->ascenseurH =
        CreeAscenseur(2, 'h', x1, y2 - 20, x2 - 20, y2, 0, 0, maximum, fond, ChangeAscenseurZoneTexte, zone, fenetre);
    ChangeLignesZoneTexte(zone, lignes, nombre);
    TraceLignesZoneTexte(zone, fenetre);
    return zone;
}

void ChangeLignesZoneTexte(ZoneTexte *zone, const char *const *lignes, int nombre) {
    zone->lignes = lignes;
    zone->nombre = nombre;
    ChangeBornesAscenseur(zone->ascenseurV, 0, 0, nombre - zone->lignesVisibles);
    int maximumH = 0;
    if (nombre < 1) {
        zone->caracteresVisibles = 0;
    } else {
        int longueur = 0;
        int visibles = CaracteresVisibles(zone, &longueur);
        zone->caracteresVisibles = visibles;
        maximumH = longueur - visibles;
    }
    ChangeBornesAscenseur(zone->ascenseurH, 0, 0, maximumH);
}

void TraceZoneTexte(ZoneTexte *zone, Fenetre *fenetre) {
    TraceAscenseur(zone->ascenseurV, fenetre);
    TraceAscenseur(zone->ascenseurH, fenetre);
    TraceArdoise(zone->zone, fenetre);
    TraceLignesZoneTexte(zone, fenetre);
    AnneauFocus(zone, fenetre);
}

void TraceLignesZoneTexte(ZoneTexte *zone, Fenetre *fenetre) {
    int premiere = zone->ascenseurV->valeur;
    int decalage = zone->ascenseurH->valeur;
    int hauteur = zone->hauteurLigne;
    int visibles = zone->caracteresVisibles;
    int x1 = zone->x1, y1 = zone->y1, x2 = zone->x2;
    Couleur couleurTexte = zone->couleurTexte;
    for (int i = 0; i < zone->lignesVisibles && premiere + i < zone->nombre; i++) {
        int k = premiere + i;
        int y = y1 + (i + 1) * hauteur - 1;
        Couleur couleur = couleurTexte;
        if (k == zone->selection) {
            couleur = NuanceClaire(couleurTexte, fenetre);
            TraceRectangle(x1 + 5, y - hauteur + 2, x2 - 25, y + 2, couleur, fenetre);
        }
        const char *ligne = zone->lignes[k];
        size_t longueur = strlen(ligne);
        std::string montre;
        if (decalage >= 0 && size_t(decalage) <= longueur)
            montre.assign(ligne + decalage, longueur - decalage);
        if (montre.size() > size_t(visibles) + 1)
            montre.resize(size_t(visibles) + 1);
        EcritTexte(x1 + 5, y, montre.c_str(), zone->police, couleur, fenetre);
    }
}

void DeplaceSelectionZoneTexte(ZoneTexte *zone, int pas) {
    const int nombre = zone->nombre;
    if (nombre < 1)
        return;
    const int ancienne = zone->selection;
    const int k =
        ancienne < 0 || ancienne >= nombre ? (pas > 0 ? 0 : nombre - 1) : std::clamp(ancienne + pas, 0, nombre - 1);
    zone->selection = k;
    // The first shown line follows the picked one into view.
    Ascenseur *barre = zone->ascenseurV;
    const int visibles = zone->lignesVisibles;
    int premiere = barre->valeur;
    if (k < premiere)
        premiere = k;
    else if (visibles > 0 && k >= premiere + visibles)
        premiere = k - visibles + 1;
    barre->valeur = premiere;
    Fenetre *fenetre = zone->fenetre;
    TraceZoneTexte(zone, fenetre);
    RafraichitZoneTexte(zone, fenetre);
}

void ChoisitSelectionZoneTexte(ZoneTexte *zone) {
    RappelZoneTexte rappel = zone->rappel;
    const int k = zone->selection;
    if (rappel != nullptr && k >= 0 && k < zone->nombre)
        rappel(zone->donneeRappel, ID_ZONE);
}

void DetruitZoneTexte(ZoneTexte *zone, Fenetre *fenetre) {
    if (zone == nullptr)
        return;
    OublieFocus(zone, fenetre);
    fenetre->nbZonesTexte = fenetre->nbZonesTexte - 1;
    fenetre->zonesTexte = Delie(fenetre->zonesTexte, zone);
    free(zone);
}
