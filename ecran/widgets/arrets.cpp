// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets that can hold the keyboard focus: which they are, their
// reading order, how each is drawn again with its ring, and what a key does
// to each (a slate's keys are its owner's).
#include <algorithm>
#include <cstring>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"

namespace {

void RafraichitRectangle(int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    Rafraichit(x1, y1, x2 - x1 + 1, y2 - y1 + 1, fenetre);
}

// The arrows and thumbs of the composites are reached through their composite.
bool PartieDeComposite(const Bouton *b, Fenetre *f) {
    for (Ascenseur *a = f->ascenseurs; a; a = a->suivant)
        if (b == a->flecheMoins || b == a->flechePlus || b == a->pouce)
            return true;
    for (BoiteNombre *n = f->boitesNombre; n; n = n->suivant)
        if (b == n->flecheMoins || b == n->flechePlus)
            return true;
    return false;
}

bool BarreDeZone(const Ascenseur *a, Fenetre *f) {
    for (ZoneTexte *z = f->zonesTexte; z; z = z->suivant)
        if (a == z->ascenseurV || a == z->ascenseurH)
            return true;
    return false;
}

bool Active(int touche) {
    return touche == CLAVIER_RETOUR || touche == CLAVIER_ESPACE;
}

// A press at the button's centre, offered to the window's buttons as a click is.
int Presse(Bouton *bouton, Fenetre *f) {
    const int x = (bouton->x1 + bouton->x2) / 2, y = (bouton->y1 + bouton->y2) / 2;
    return ClicBoutons(f->boutons, x, y, f) == CODE_EVENEMENT ? CODE_EVENEMENT : 1;
}

// One of a composite's arrow buttons, pressed as a click at its centre would.
int Fleche(Bouton *fleche, Fenetre *f) {
    const int x = (fleche->x1 + fleche->x2) / 2, y = (fleche->y1 + fleche->y2) / 2;
    return ClicBouton(fleche, x, y, f) == CODE_EVENEMENT ? CODE_EVENEMENT : 1;
}

// Starts the edit of an entry, its cursor at the end, as a press in it would.
int Edite(Texte *texte, Fenetre *f, Ecran *ecran) {
    if (texte->actif != 1)
        return 0;
    texte->edition = 1;
    texte->curseur = static_cast<int32_t>(strlen(texte->texte));
    TraceTexte(texte, f);
    RafraichitRectangle(texte->x1, texte->y1, texte->x2, texte->y2, f);
    evenement.texteEnEdition = texte;
    const signed char r = static_cast<signed char>(EditeTexte(texte, f, *ecran));
    return r == CODE_EVENEMENT ? CODE_EVENEMENT : 1;
}

int ToucheZone(ZoneTexte *z, int touche, Fenetre *f) {
    switch (touche) {
    case CLAVIER_HAUT: DeplaceSelectionZoneTexte(z, -1); return 1;
    case CLAVIER_BAS: DeplaceSelectionZoneTexte(z, 1); return 1;
    case CLAVIER_GAUCHE: return Fleche(z->ascenseurH->flecheMoins, f);
    case CLAVIER_DROITE: return Fleche(z->ascenseurH->flechePlus, f);
    case CLAVIER_RETOUR:
    case CLAVIER_ESPACE: ChoisitSelectionZoneTexte(z); return 1;
    default: return 0;
    }
}

}  // namespace

BoiteNombre *BoiteDeSaisie(const Texte *t, Fenetre *f) {
    for (BoiteNombre *n = f->boitesNombre; n; n = n->suivant)
        if (n->saisie == t)
            return n;
    return nullptr;
}

std::vector<Arret> ArretsFenetre(Fenetre *f, const std::vector<Ardoise *> &ardoises) {
    std::vector<Arret> arrets;
    for (Bouton *b = f->boutons; b; b = b->suivant)
        if (b->actif == 1 && !PartieDeComposite(b, f))
            arrets.push_back(ArretDe(ARRET_BOUTON, b));
    for (Texte *t = f->textes; t; t = t->suivant)
        if (t->actif == 1 && !BoiteDeSaisie(t, f))
            arrets.push_back(ArretDe(ARRET_TEXTE, t));
    for (Ardoise *a : ardoises)
        if (a->actif == 1)
            arrets.push_back(ArretDe(ARRET_ARDOISE, a));
    for (Ascenseur *a = f->ascenseurs; a; a = a->suivant)
        if (!BarreDeZone(a, f))
            arrets.push_back(ArretDe(ARRET_ASCENSEUR, a));
    for (ZoneTexte *z = f->zonesTexte; z; z = z->suivant)
        arrets.push_back(ArretDe(ARRET_ZONE_TEXTE, z));
    for (BoiteNombre *n = f->boitesNombre; n; n = n->suivant)
        arrets.push_back(ArretDe(ARRET_BOITE_NOMBRE, n));
    std::stable_sort(arrets.begin(), arrets.end(),
                     [](const Arret &a, const Arret &b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return arrets;
}

void RedessineArret(const Arret &s, Fenetre *f) {
    switch (s.genre) {
    case ARRET_BOUTON: {
        Bouton *b = static_cast<Bouton *>(s.widget);
        TraceBouton(b, f);
        RafraichitRectangle(b->x1, b->y1, b->x2, b->y2, f);
        break;
    }
    case ARRET_TEXTE: {
        Texte *t = static_cast<Texte *>(s.widget);
        TraceTexte(t, f);
        RafraichitRectangle(t->x1, t->y1, t->x2, t->y2, f);
        break;
    }
    case ARRET_ASCENSEUR: PlacePouceAscenseur(static_cast<Ascenseur *>(s.widget)); break;
    case ARRET_ZONE_TEXTE: {
        ZoneTexte *z = static_cast<ZoneTexte *>(s.widget);
        TraceZoneTexte(z, f);
        RafraichitRectangle(z->x1, z->y1, z->x2, z->y2, f);
        break;
    }
    case ARRET_BOITE_NOMBRE:
        RedessineArret(ArretDe(ARRET_TEXTE, static_cast<BoiteNombre *>(s.widget)->saisie), f);
        break;
    default: break;
    }
}

int ToucheWidget(const Arret &s, int touche, Fenetre *f, Ecran *ecran) {
    const bool moins = touche == CLAVIER_GAUCHE || touche == CLAVIER_HAUT;
    const bool plus = touche == CLAVIER_DROITE || touche == CLAVIER_BAS;
    switch (s.genre) {
    case ARRET_BOUTON: return Active(touche) ? Presse(static_cast<Bouton *>(s.widget), f) : 0;
    case ARRET_TEXTE: return Active(touche) ? Edite(static_cast<Texte *>(s.widget), f, ecran) : 0;
    case ARRET_ASCENSEUR: {
        Ascenseur *a = static_cast<Ascenseur *>(s.widget);
        return moins ? Fleche(a->flecheMoins, f) : plus ? Fleche(a->flechePlus, f) : 0;
    }
    case ARRET_ZONE_TEXTE: return ToucheZone(static_cast<ZoneTexte *>(s.widget), touche, f);
    case ARRET_BOITE_NOMBRE: {
        // Up adds one as the right arrow does: the value goes up.
        BoiteNombre *n = static_cast<BoiteNombre *>(s.widget);
        if (Active(touche))
            return Edite(n->saisie, f, ecran);
        const bool baisse = touche == CLAVIER_GAUCHE || touche == CLAVIER_BAS;
        const bool monte = touche == CLAVIER_DROITE || touche == CLAVIER_HAUT;
        return baisse ? Fleche(n->flecheMoins, f) : monte ? Fleche(n->flechePlus, f) : 0;
    }
    default: return 0;
    }
}

void AnneauFocus(const Bouton *bouton, Fenetre *fenetre) {
    if (FocusMontre(bouton, fenetre))
        TraceAnneau(bouton->x1, bouton->y1, bouton->x2, bouton->y2, bouton->couleurFond, fenetre);
}

void AnneauFocus(const Texte *texte, Fenetre *fenetre) {
    if (FocusMontre(texte, fenetre))
        TraceAnneau(texte->x1, texte->y1, texte->x2, texte->y2, Couleur{255, 255, 255}, fenetre);
}

void AnneauFocus(const Ascenseur *ascenseur, Fenetre *fenetre) {
    if (!FocusMontre(ascenseur, fenetre))
        return;
    const Ardoise *piste = ascenseur->piste;
    TraceAnneau(piste->x1, piste->y1, piste->x2, piste->y2, piste->couleur, fenetre);
}

void AnneauFocus(const ZoneTexte *zone, Fenetre *fenetre) {
    if (!FocusMontre(zone, fenetre))
        return;
    const Ardoise *aire = zone->zone;
    TraceAnneau(aire->x1, aire->y1, aire->x2, aire->y2, aire->couleur, fenetre);
}
