// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus of each window: which widget holds it, where Tab takes
// it, when it shows, and the marker of a focusable slate.
#include "ecran/widgets/focus.h"

#include <algorithm>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"

namespace {

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

const Arret PERSONNE = {ARRET_AUCUN, nullptr, 0, 0};

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

std::vector<Arret> Arrets(EtatFocus *e) {
    std::vector<Ardoise *> ardoises;
    for (const ArdoiseClavier &a : e->ardoises)
        ardoises.push_back(a.ardoise);
    return ArretsFenetre(e->fenetre, ardoises);
}

void RafraichitMarque(const Marque &m, Fenetre *fenetre) {
    Rafraichit(m.x1, m.y1, m.x2 - m.x1 + 1, m.y2 - m.y1 + 1, fenetre);
}

void OteMarque(EtatFocus *e) {
    Marque &m = e->marque;
    if (m.ardoise == nullptr)
        return;
    EcritCadre(m.x1, m.y1, m.x2, m.y2, m.dessous, e->fenetre);
    RafraichitMarque(m, e->fenetre);
    m.ardoise = nullptr;
    m.dessous.clear();
}

void PoseMarque(EtatFocus *e, const ArdoiseClavier &a) {
    if (!a.placee)
        return;
    e->marque = Marque{a.ardoise, a.x1, a.y1, a.x2, a.y2, LitCadre(a.x1, a.y1, a.x2, a.y2, e->fenetre)};
    TraceCadre(a.x1, a.y1, a.x2, a.y2, e->marque.dessous, e->fenetre);
    RafraichitMarque(e->marque, e->fenetre);
}

void Montre(EtatFocus *e) {
    if (e->focus.genre != ARRET_ARDOISE) {
        RedessineArret(e->focus, e->fenetre);
    } else if (const ArdoiseClavier *a = Entree(e, e->focus.widget)) {
        PoseMarque(e, *a);
    }
}

// Called once the focus no longer shows on that stop: the widget is drawn
// without its ring, a slate's marker goes.
void Cache(EtatFocus *e, const Arret &arret) {
    if (arret.genre == ARRET_ARDOISE)
        OteMarque(e);
    else
        RedessineArret(arret, e->fenetre);
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
    Cache(e, ancien);
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

// The key for what holds the focus. A widget pressed by it was drawn pressed
// and raised again without its ring: it gets it back if it still holds the
// focus (its callback may have rebuilt the window, or closed it).
int ToucheArret(EtatFocus *e, int touche, Ecran *ecran) {
    Fenetre *f = e->fenetre;
    const Arret arret = e->focus;
    if (arret.genre == ARRET_ARDOISE) {
        const ArdoiseClavier *a = Entree(e, arret.widget);
        RappelClavier rappel = a ? a->rappel : nullptr;
        return rappel ? rappel(a->donnee, touche) : 0;
    }
    const int r = ToucheWidget(arret, touche, f, ecran);
    EtatFocus *apres = Etat(f);
    if (r != 0 && apres != nullptr && enUsage && apres->focus.widget == arret.widget)
        RedessineArret(apres->focus, f);
    return r;
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
    RafraichitMarque(m, fenetre);
}

void ChangeRappelClavier(Fenetre *fenetre, RappelClavier rappel, void *donnee) {
    EtatFocus *e = EtatCree(fenetre);
    e->rappel = rappel;
    e->donnee = donnee;
}

void DonneFocus(Bouton *bouton, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ARRET_BOUTON, bouton));
}

void DonneFocus(Texte *texte, Fenetre *fenetre) {
    if (BoiteNombre *boite = BoiteDeSaisie(texte, fenetre))
        DonneFocus(boite, fenetre);
    else
        Change(EtatCree(fenetre), ArretDe(ARRET_TEXTE, texte));
}

void DonneFocus(Ardoise *ardoise, Fenetre *fenetre) {
    EtatFocus *e = EtatCree(fenetre);
    if (Entree(e, ardoise) != nullptr)
        Change(e, ArretDe(ARRET_ARDOISE, ardoise));
}

void DonneFocus(Ascenseur *ascenseur, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ARRET_ASCENSEUR, ascenseur));
}

void DonneFocus(ZoneTexte *zone, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ARRET_ZONE_TEXTE, zone));
}

void DonneFocus(BoiteNombre *boite, Fenetre *fenetre) {
    Change(EtatCree(fenetre), ArretDe(ARRET_BOITE_NOMBRE, boite));
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
    return e->focus.genre == ARRET_BOITE_NOMBRE && static_cast<BoiteNombre *>(e->focus.widget)->saisie == widget;
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
    if (fleche && !enUsage && e->focus.genre != ARRET_AUCUN) {
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
            Cache(e, e->focus);
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
