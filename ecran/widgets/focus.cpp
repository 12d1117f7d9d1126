// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus of each window: which widget holds it, the order Tab
// follows, what a key does to the widget that holds it, and when it shows.
#include "ecran/widgets/focus.h"

#include <algorithm>
#include <cstring>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"

namespace {

enum Genre { AUCUN, BOUTON, TEXTE, ARDOISE, ASCENSEUR, ZONE_TEXTE, BOITE_NOMBRE };

// A widget that can hold the focus, and the corner that places it in reading order.
struct Arret {
    Genre genre;
    void *widget;
    int x, y;
};

// A focusable slate: its key callback and where its marker shows.
struct ArdoiseClavier {
    Ardoise *ardoise;
    RappelClavier rappel;
    void *donnee;
    bool placee;
    int x1, y1, x2, y2;
};

// The marker a window shows, and the pixels it covers.
struct Marque {
    const Ardoise *ardoise;  // null while none shows
    int x1, y1, x2, y2;
    std::vector<uint32_t> dessous;
};

// A window's focus. It lives beside the window record, which stays as the
// toolkit's callers know it, and goes with the window.
struct EtatFocus {
    Fenetre *fenetre;
    Arret focus;
    RappelClavier rappel;
    void *donnee;
    std::vector<ArdoiseClavier> ardoises;
    Marque marque;
};

const Arret PERSONNE = {AUCUN, nullptr, 0, 0};

// Held from a pointer that outlives exit, as the window records are.
std::vector<EtatFocus *> &etats = *new std::vector<EtatFocus *>;
// The keyboard has been used for moving since the last mouse press.
bool enUsage = false;

EtatFocus *Etat(const Fenetre *fenetre) {
    for (EtatFocus *e : etats)
        if (e->fenetre == fenetre)
            return e;
    return nullptr;
}

EtatFocus *EtatCree(Fenetre *fenetre) {
    if (EtatFocus *e = Etat(fenetre))
        return e;
    etats.push_back(new EtatFocus{fenetre, PERSONNE, nullptr, nullptr, {}, {nullptr, 0, 0, 0, 0, {}}});
    return etats.back();
}

ArdoiseClavier *Entree(EtatFocus *e, const void *ardoise) {
    for (ArdoiseClavier &a : e->ardoises)
        if (a.ardoise == ardoise)
            return &a;
    return nullptr;
}

void RafraichitRectangle(int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    Rafraichit(x1, y1, x2 - x1 + 1, y2 - y1 + 1, fenetre);
}

// --- Which widgets are stops -------------------------------------------------------

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

BoiteNombre *BoiteDeSaisie(const Texte *t, Fenetre *f) {
    for (BoiteNombre *n = f->boitesNombre; n; n = n->suivant)
        if (n->saisie == t)
            return n;
    return nullptr;
}

bool BarreDeZone(const Ascenseur *a, Fenetre *f) {
    for (ZoneTexte *z = f->zonesTexte; z; z = z->suivant)
        if (a == z->ascenseurV || a == z->ascenseurH)
            return true;
    return false;
}

template <typename T>
Arret ArretDe(Genre genre, T *widget) {
    return Arret{genre, widget, widget->x1, widget->y1};
}

// The window's stops in reading order: top to bottom, then left to right.
std::vector<Arret> Arrets(EtatFocus *e) {
    Fenetre *f = e->fenetre;
    std::vector<Arret> arrets;
    for (Bouton *b = f->boutons; b; b = b->suivant)
        if (b->actif == 1 && !PartieDeComposite(b, f))
            arrets.push_back(ArretDe(BOUTON, b));
    for (Texte *t = f->textes; t; t = t->suivant)
        if (t->actif == 1 && !BoiteDeSaisie(t, f))
            arrets.push_back(ArretDe(TEXTE, t));
    for (ArdoiseClavier &a : e->ardoises)
        if (a.ardoise->actif == 1)
            arrets.push_back(ArretDe(ARDOISE, a.ardoise));
    for (Ascenseur *a = f->ascenseurs; a; a = a->suivant)
        if (!BarreDeZone(a, f))
            arrets.push_back(ArretDe(ASCENSEUR, a));
    for (ZoneTexte *z = f->zonesTexte; z; z = z->suivant)
        arrets.push_back(ArretDe(ZONE_TEXTE, z));
    for (BoiteNombre *n = f->boitesNombre; n; n = n->suivant)
        arrets.push_back(ArretDe(BOITE_NOMBRE, n));
    std::stable_sort(arrets.begin(), arrets.end(),
                     [](const Arret &a, const Arret &b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return arrets;
}

// --- Showing it ---------------------------------------------------------------------

// Draws the widget again, ring and all when it shows the focus.
void Redessine(const Arret &s, Fenetre *f) {
    switch (s.genre) {
    case BOUTON: {
        Bouton *b = static_cast<Bouton *>(s.widget);
        TraceBouton(b, f);
        RafraichitRectangle(b->x1, b->y1, b->x2, b->y2, f);
        break;
    }
    case TEXTE: {
        Texte *t = static_cast<Texte *>(s.widget);
        TraceTexte(t, f);
        RafraichitRectangle(t->x1, t->y1, t->x2, t->y2, f);
        break;
    }
    case ASCENSEUR: PlacePouceAscenseur(static_cast<Ascenseur *>(s.widget)); break;
    case ZONE_TEXTE: {
        ZoneTexte *z = static_cast<ZoneTexte *>(s.widget);
        TraceZoneTexte(z, f);
        RafraichitRectangle(z->x1, z->y1, z->x2, z->y2, f);
        break;
    }
    case BOITE_NOMBRE: Redessine(ArretDe(TEXTE, static_cast<BoiteNombre *>(s.widget)->saisie), f); break;
    default: break;
    }
}

void OteMarque(EtatFocus *e) {
    Marque &m = e->marque;
    if (m.ardoise == nullptr)
        return;
    EcritCadre(m.x1, m.y1, m.x2, m.y2, m.dessous, e->fenetre);
    RafraichitRectangle(m.x1, m.y1, m.x2, m.y2, e->fenetre);
    m.ardoise = nullptr;
    m.dessous.clear();
}

void PoseMarque(EtatFocus *e, const ArdoiseClavier &a) {
    if (!a.placee)
        return;
    e->marque = Marque{a.ardoise, a.x1, a.y1, a.x2, a.y2, LitCadre(a.x1, a.y1, a.x2, a.y2, e->fenetre)};
    TraceCadre(a.x1, a.y1, a.x2, a.y2, e->marque.dessous, e->fenetre);
    RafraichitRectangle(a.x1, a.y1, a.x2, a.y2, e->fenetre);
}

void Montre(EtatFocus *e) {
    if (e->focus.genre != ARDOISE) {
        Redessine(e->focus, e->fenetre);
    } else if (const ArdoiseClavier *a = Entree(e, e->focus.widget)) {
        PoseMarque(e, *a);
    }
}

// Called once the focus no longer shows: the widget is drawn without its ring.
void Cache(EtatFocus *e) {
    if (e->focus.genre == ARDOISE)
        OteMarque(e);
    else
        Redessine(e->focus, e->fenetre);
}

// The keyboard comes into use: the focus shows in every live window.
void Allume(Ecran *ecran) {
    enUsage = true;
    for (EtatFocus *e : etats)
        if (e->fenetre->ecran == ecran && FenetreVivante(e->fenetre))
            Montre(e);
}

void Change(EtatFocus *e, const Arret &nouveau) {
    const Arret ancien = e->focus;
    if (ancien.widget == nouveau.widget)
        return;
    e->focus = nouveau;
    if (!enUsage)
        return;
    if (ancien.genre == ARDOISE)
        OteMarque(e);
    else
        Redessine(ancien, e->fenetre);
    Montre(e);
}

// Tab: the next stop in reading order (the previous one backwards), round the window.
bool Deplace(EtatFocus *e, int sens) {
    const std::vector<Arret> arrets = Arrets(e);
    const int n = static_cast<int>(arrets.size());
    if (n == 0)
        return false;
    int i = n;
    for (int k = 0; k < n; k++)
        if (arrets[k].widget == e->focus.widget)
            i = k;
    const int j = i == n ? (sens > 0 ? 0 : n - 1) : (i + sens + n) % n;
    Change(e, arrets[j]);
    return true;
}

// --- What a key does to the widget that holds the focus -------------------------------

bool Active(int touche) {
    return touche == CLAVIER_RETOUR || touche == CLAVIER_ESPACE;
}

// A press at the button's centre, offered to the window's buttons as a click is.
int Presse(Bouton *bouton, Fenetre *f) {
    const int x = (bouton->x1 + bouton->x2) / 2, y = (bouton->y1 + bouton->y2) / 2;
    const signed char r = ClicBoutons(f->boutons, x, y, f);
    // The press drew the button without its ring; the window may be gone meanwhile.
    EtatFocus *e = Etat(f);
    if (e != nullptr && enUsage && e->focus.widget == bouton)
        Redessine(e->focus, f);
    return r == CODE_EVENEMENT ? CODE_EVENEMENT : 1;
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

int ToucheArdoise(EtatFocus *e, int touche) {
    const ArdoiseClavier *a = Entree(e, e->focus.widget);
    if (a == nullptr || a->rappel == nullptr)
        return 0;
    RappelClavier rappel = a->rappel;
    return rappel(a->donnee, touche);
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

int ToucheArret(EtatFocus *e, int touche, Ecran *ecran) {
    Fenetre *f = e->fenetre;
    const bool moins = touche == CLAVIER_GAUCHE || touche == CLAVIER_HAUT;
    const bool plus = touche == CLAVIER_DROITE || touche == CLAVIER_BAS;
    switch (e->focus.genre) {
    case BOUTON: return Active(touche) ? Presse(static_cast<Bouton *>(e->focus.widget), f) : 0;
    case TEXTE: return Active(touche) ? Edite(static_cast<Texte *>(e->focus.widget), f, ecran) : 0;
    case ARDOISE: return ToucheArdoise(e, touche);
    case ASCENSEUR: {
        Ascenseur *a = static_cast<Ascenseur *>(e->focus.widget);
        return moins ? Fleche(a->flecheMoins, f) : plus ? Fleche(a->flechePlus, f) : 0;
    }
    case ZONE_TEXTE: return ToucheZone(static_cast<ZoneTexte *>(e->focus.widget), touche, f);
    case BOITE_NOMBRE: {
        // Up adds one as the right arrow does: the value goes up.
        BoiteNombre *n = static_cast<BoiteNombre *>(e->focus.widget);
        if (Active(touche))
            return Edite(n->saisie, f, ecran);
        const bool baisse = touche == CLAVIER_GAUCHE || touche == CLAVIER_BAS;
        const bool monte = touche == CLAVIER_DROITE || touche == CLAVIER_HAUT;
        return baisse ? Fleche(n->flecheMoins, f) : monte ? Fleche(n->flechePlus, f) : 0;
    }
    default: return 0;
    }
}

// The window's own callback, if the window (and its focus) still exist.
int AuRappelFenetre(Fenetre *fenetre, int touche) {
    EtatFocus *e = Etat(fenetre);
    if (e == nullptr || e->rappel == nullptr)
        return 0;
    RappelClavier rappel = e->rappel;
    return rappel(e->donnee, touche);
}

}  // namespace

void RendArdoiseFocalisable(Ardoise *ardoise, RappelClavier rappel, void *donnee, Fenetre *fenetre) {
    EtatFocus *e = EtatCree(fenetre);
    if (ArdoiseClavier *a = Entree(e, ardoise)) {
        a->rappel = rappel;
        a->donnee = donnee;
        return;
    }
    e->ardoises.push_back(ArdoiseClavier{ardoise, rappel, donnee, false, 0, 0, 0, 0});
}

void PlaceMarqueArdoise(Ardoise *ardoise, int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    EtatFocus *e = Etat(fenetre);
    ArdoiseClavier *a = e ? Entree(e, ardoise) : nullptr;
    if (a == nullptr)
        return;
    *a = ArdoiseClavier{a->ardoise, a->rappel, a->donnee, true, x1, y1, x2, y2};
    if (e->marque.ardoise == ardoise) {
        OteMarque(e);
        PoseMarque(e, *a);
    }
}

void ZoneRedessinee(int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    EtatFocus *e = Etat(fenetre);
    if (e == nullptr || e->marque.ardoise == nullptr)
        return;
    Marque &m = e->marque;
    if (x2 < m.x1 || x1 > m.x2 || y2 < m.y1 || y1 > m.y2)
        return;
    MetAJourCadre(m.x1, m.y1, m.x2, m.y2, m.dessous, x1, y1, x2, y2, fenetre);
    TraceCadre(m.x1, m.y1, m.x2, m.y2, m.dessous, fenetre);
    RafraichitRectangle(m.x1, m.y1, m.x2, m.y2, fenetre);
}

void ChangeRappelClavier(Fenetre *fenetre, RappelClavier rappel, void *donnee) {
    EtatFocus *e = EtatCree(fenetre);
    e->rappel = rappel;
    e->donnee = donnee;
}

void DonneFocus(Bouton *bouton, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(BOUTON, bouton));
}

void DonneFocus(Texte *texte, Fenetre *fenetre) {
    if (BoiteNombre *boite = BoiteDeSaisie(texte, fenetre))
        DonneFocus(boite, fenetre);
    else
        Change(EtatCree(fenetre), ArretDe(TEXTE, texte));
}

void DonneFocus(Ardoise *ardoise, Fenetre *fenetre) {
    EtatFocus *e = EtatCree(fenetre);
    if (Entree(e, ardoise) != nullptr)
        Change(e, ArretDe(ARDOISE, ardoise));
}

void DonneFocus(Ascenseur *ascenseur, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ASCENSEUR, ascenseur));
}

void DonneFocus(ZoneTexte *zone, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ZONE_TEXTE, zone));
}

void DonneFocus(BoiteNombre *boite, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(BOITE_NOMBRE, boite));
}

const void *WidgetFocus(Fenetre *fenetre) {
    const EtatFocus *e = Etat(fenetre);
    return e ? e->focus.widget : nullptr;
}

bool FocusMontre(const void *widget, Fenetre *fenetre) {
    const EtatFocus *e = enUsage ? Etat(fenetre) : nullptr;
    if (e == nullptr || widget == nullptr)
        return false;
    if (e->focus.widget == widget)
        return true;
    return e->focus.genre == BOITE_NOMBRE && static_cast<BoiteNombre *>(e->focus.widget)->saisie == widget;
}

bool ClavierEnUsage() {
    return enUsage;
}

int ToucheFocus(int touche, bool majuscule, Fenetre *fenetre, Ecran *ecran) {
    if (touche == CLAVIER_ECHAP)
        return 0;  // Escape closes the window, as it always has
    EtatFocus *e = EtatCree(fenetre);
    if (touche == CLAVIER_TAB) {
        if (!Deplace(e, majuscule ? -1 : 1))
            return AuRappelFenetre(fenetre, touche);
        if (!enUsage)
            Allume(ecran);
        return 1;
    }
    // The arrow that brings an unseen focus into view only shows where it is.
    const bool fleche = touche >= CLAVIER_GAUCHE && touche <= CLAVIER_BAS;
    if (fleche && !enUsage && e->focus.genre != AUCUN) {
        Allume(ecran);
        return 1;
    }
    const int r = ToucheArret(e, touche, ecran);
    return r != 0 ? r : AuRappelFenetre(fenetre, touche);
}

void CacheFocus(Ecran *ecran) {
    if (!enUsage)
        return;
    enUsage = false;
    for (EtatFocus *e : etats)
        if (e->fenetre->ecran == ecran && FenetreVivante(e->fenetre))
            Cache(e);
}

void OublieFocus(const void *widget, Fenetre *fenetre) {
    EtatFocus *e = Etat(fenetre);
    if (e == nullptr)
        return;
    if (e->focus.widget == widget)
        e->focus = PERSONNE;
    // Its pixels go with it: the marker is not put back over a screen rebuilt.
    if (e->marque.ardoise == widget) {
        e->marque.ardoise = nullptr;
        e->marque.dessous.clear();
    }
    e->ardoises.erase(std::remove_if(e->ardoises.begin(), e->ardoises.end(),
                                     [widget](const ArdoiseClavier &a) { return a.ardoise == widget; }),
                      e->ardoises.end());
}

void OublieFocusFenetre(Fenetre *fenetre) {
    for (size_t i = 0; i < etats.size(); i++)
        if (etats[i]->fenetre == fenetre) {
            delete etats[i];
            etats.erase(etats.begin() + static_cast<long>(i));
            return;
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
