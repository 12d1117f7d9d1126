// SPDX-License-Identifier: GPL-3.0-or-later
// The window procedure and the platform's default processing.
#include "procedure.h"

#include <cstdlib>

#include "directdraw.h"
#include "ecran.h"
#include "widgets/ardoise.h"
#include "widgets/bouton.h"
#include "widgets/focus.h"
#include "widgets/texte.h"

bool destructionSurErreur = false;
Fenetre *fenetreEnCreation = nullptr;

namespace {

int X(uint32_t position) {
    return static_cast<int>(position & 0xFFFF);
}

int Y(uint32_t position) {
    return static_cast<int>(position >> 16);
}

// Input and close requests go only to the window of the innermost wait.
bool SousSaisie(int message) {
    switch (message) {
    case MSG_FERME:
    case MSG_TOUCHE:
    case MSG_CARACTERE:
    case MSG_SOURIS:
    case MSG_BOUTON_GAUCHE_BAS:
    case MSG_BOUTON_GAUCHE_HAUT: return true;
    default: return false;
    }
}

void LitZoneEcran(Fenetre *fenetre) {
    RectanglePf zone;
    if (plateforme.ZoneClient(fenetre->hwnd, &zone))
        fenetre->zoneEcran = Zone{zone.gauche, zone.haut, zone.droite, zone.bas};
}

// Ends the edit of the entry being edited: the cursor disappears on screen.
void FinEdition(Texte *texte, Fenetre *fenetre) {
    texte->edition = 0;
    TraceTexte(texte, fenetre);
    int x1 = texte->x1, y1 = texte->y1;
    Rafraichit(x1, y1, texte->x2 - x1 + 1, texte->y2 - y1 + 1, fenetre);
}

// The platform destroys a window. Its record leaves the list and the count
// at once, so that they stay true and losing the last window ends the
// program; a capture naming it is released, and the wait on it ends.
int Detruit(Ecran *ecran, Fenetre *fenetre, FenetrePf *hwnd) {
    if (fenetre == fenetreEnCreation)
        return TraitementParDefaut(hwnd, MSG_DETRUIT, 0, 0);
    if (ecran->nbFenetres == 1)
        exit(destructionSurErreur ? 4 : 0);
    RetireFenetre(fenetre, ecran);
    Fenetre *capturee = evenement.fenetreCapturee;
    if (capturee == fenetre)
        evenement.fenetreCapturee = nullptr;
    // A window under another's grab goes without a word to that other's wait.
    if (capturee == nullptr || capturee == fenetre)
        evenement.enAttente = CODE_EVENEMENT_OCTET;
    return TraitementParDefaut(hwnd, MSG_DETRUIT, 0, 0);
}

int Peint(Fenetre *fenetre) {
    EcritDebogage("paint\n");
    Rafraichit(0, 0, fenetre->largeur, fenetre->hauteur, fenetre);
    return TraitementParDefaut(fenetre->hwnd, MSG_PEINT, 0, 0);
}

// A display change: where the window now is, and surfaces to restore.
int ChangementAffichage(Fenetre *fenetre, uint32_t taille) {
    LitZoneEcran(fenetre);
    EcritDebogage("Changement\n");
    if (plateforme.TesteCooperation(fenetre->directDraw) == DDERR_NOEXCLUSIVEMODE) {
        EcritDebogagef("Une modification est intervenue. taille %d %d\n", X(taille), Y(taille));
        EcritDebogage("boucle d'attente\n");
        while (plateforme.TesteCooperation(fenetre->directDraw) != DDERR_NOEXCLUSIVEMODE) {
            Message m;
            plateforme.PrendMessage(&m);
            plateforme.TraduitMessage(m);
            Dort(10000);
        }
    }
    // Without cooperation levels, every change may have lost the window surface.
    EcritDebogage("Restore All Surface\n");
    VerifieDD(plateforme.RestaureSurfaces(fenetre->directDraw));
    return TraitementParDefaut(fenetre->hwnd, MSG_CHANGEMENT_AFFICHAGE, 0, taille);
}

// The character that a key taken by the focus also arrives as (Tab, Return
// and space are typed characters too): it is dropped, so that one key never
// acts twice. -1 when none is awaited.
int caractereDeTrop = -1;

int CaractereDe(uint32_t code) {
    return code == CLAVIER_TAB || code == CLAVIER_RETOUR || code == CLAVIER_ESPACE ? static_cast<int>(code) : -1;
}

// A key press while no entry is being edited: the keyboard focus's, then the window's.
void ToucheAuFocus(Fenetre *fenetre, Ecran *ecran, uint32_t code, uint32_t modificateurs) {
    // Set before the key acts: an edit it starts takes its character next.
    caractereDeTrop = CaractereDe(code);
    int r = ToucheFocus(static_cast<int>(code), (modificateurs & PF_MK_MAJ) != 0, fenetre, ecran);
    if (r == 0 && caractereDeTrop == CaractereDe(code))
        caractereDeTrop = -1;
    if (r == CODE_EVENEMENT)
        evenement.enAttente = CODE_EVENEMENT_OCTET;
}

// Tab in the entry being edited ends the edit and moves the focus on from that entry.
void TabulationEnEdition(Texte *texte, Fenetre *fenetre, Ecran *ecran, uint32_t modificateurs) {
    caractereDeTrop = CLAVIER_TAB;
    FinEdition(texte, fenetre);
    DonneFocus(texte, fenetre);
    ToucheFocus(CLAVIER_TAB, (modificateurs & PF_MK_MAJ) != 0, fenetre, ecran);
}

// A key or character: first the entry being edited, or else the keyboard
// focus; then Escape, then the key poll.
int Clavier(Fenetre *fenetre, Ecran *ecran, int message, uint32_t code, uint32_t modificateurs) {
    if (message == MSG_CARACTERE && static_cast<int>(code) == caractereDeTrop) {
        caractereDeTrop = -1;
        return TraitementParDefaut(fenetre->hwnd, message, code, modificateurs);
    }
    if (message == MSG_TOUCHE)
        caractereDeTrop = -1;
    Texte *texte = evenement.texteEnEdition;
    bool navigation = code == 0x23 || code == 0x24 || code == 0x25 || code == 0x27 || code == 0x2E;
    if (texte && message == MSG_TOUCHE && code == CLAVIER_TAB) {
        TabulationEnEdition(texte, fenetre, ecran, modificateurs);
    } else if (texte && (message == MSG_CARACTERE || navigation)) {
        int pour = message == MSG_CARACTERE ? static_cast<int>(code) : TOUCHE_NAVIGATION | static_cast<int>(code);
        if (ToucheTexte(pour, texte, fenetre) == CODE_EVENEMENT) {
            FinEdition(texte, fenetre);
            return 1;
        }
    } else if (!texte && message == MSG_TOUCHE) {
        ToucheAuFocus(fenetre, ecran, code, modificateurs);
    }
    if (message == MSG_CARACTERE && code == 27)
        plateforme.PosteMessage(Message{fenetre->hwnd, MSG_FERME, 0, 0});
    if (evenement.modeTesteTouche == 1) {
        evenement.touche = static_cast<int32_t>(code);
        evenement.enAttente = CODE_EVENEMENT_OCTET;
    }
    return TraitementParDefaut(fenetre->hwnd, message, code, 0);
}

// A left press: the entry being edited, then the buttons, the entries, the slates.
int Appui(Fenetre *fenetre, Ecran *ecran, uint32_t etat, uint32_t position) {
    int x = X(position), y = Y(position);
    evenement.xClic = x;
    evenement.yClic = y;
    // A mouse player sees no keyboard focus.
    CacheFocus(ecran);
    if (Texte *texte = evenement.texteEnEdition) {
        if (ClicTexte(texte, x, y, fenetre, *ecran) == 1)
            return TraitementParDefaut(fenetre->hwnd, MSG_BOUTON_GAUCHE_BAS, etat, position);
        FinEdition(texte, fenetre);
        evenement.texteEnEdition = nullptr;
    }
    if (ClicBoutons(fenetre->boutons, x, y, fenetre) == CODE_EVENEMENT ||
        ClicTextes(fenetre->textes, x, y, fenetre, *ecran) == CODE_EVENEMENT) {
        evenement.enAttente = CODE_EVENEMENT_OCTET;
    } else if (ClicArdoises(fenetre->ardoises, x, y, 3, CodeBoutons(etat), fenetre, *ecran) == CODE_EVENEMENT ||
               evenement.modeTesteClic == 1) {
        evenement.enAttente = CODE_EVENEMENT_OCTET;
    }
    return TraitementParDefaut(fenetre->hwnd, MSG_BOUTON_GAUCHE_BAS, etat, position);
}

// Pointer moves and releases reach the slates only.
int Glisse(Fenetre *fenetre, Ecran *ecran, int message, uint32_t etat, uint32_t position) {
    ClicArdoises(fenetre->ardoises, X(position), Y(position), 2, CodeBoutons(etat), fenetre, *ecran);
    return TraitementParDefaut(fenetre->hwnd, message, etat, position);
}

}  // namespace

int CodeBoutons(uint32_t etat) {
    switch (etat) {
    case PF_MK_GAUCHE: return 1;
    case PF_MK_MILIEU: return 2;
    case PF_MK_DROIT: return 3;
    default: return 0;
    }
}

void DetruitFenetrePlateforme(FenetrePf *hwnd) {
    Ecran *ecran = static_cast<Ecran *>(plateforme.Donnee(hwnd));
    if (ecran && ecran->classe.procedure)
        ecran->classe.procedure(hwnd, MSG_DETRUIT, 0, 0);
    plateforme.DetruitFenetre(hwnd);
    // The window a box was opened over takes the keyboard back: without a
    // window manager nobody would give it, and the next key would be lost.
    if (ecran && ecran->premiereFenetre)
        plateforme.ActiveFenetre(ecran->premiereFenetre->hwnd);
}

int TraitementParDefaut(FenetrePf *hwnd, int message, uint32_t, uint32_t) {
    if (message == MSG_FERME)
        DetruitFenetrePlateforme(hwnd);
    return 0;
}

int TraiteMessage(FenetrePf *hwnd, int message, uint32_t param1, uint32_t param2) {
    Ecran *ecran = static_cast<Ecran *>(plateforme.Donnee(hwnd));
    Fenetre *fenetre = ecran ? TrouveFenetre(ecran, hwnd) : nullptr;
    if (!fenetre)
        return TraitementParDefaut(hwnd, message, param1, param2);
    if (message == MSG_DETRUIT)
        return Detruit(ecran, fenetre, hwnd);
    if (evenement.fenetreCapturee && evenement.fenetreCapturee != fenetre && SousSaisie(message)) {
        // A window that does not hold the grab is deaf to close requests too.
        return message == MSG_FERME ? 0 : TraitementParDefaut(hwnd, message, param1, param2);
    }
    switch (message) {
    case MSG_DEPLACE: LitZoneEcran(fenetre); return 0;
    case MSG_TAILLE:
        if (param1 == 1)
            plateforme.Invalide(hwnd);
        return 0;
    case MSG_PEINT: return Peint(fenetre);
    case MSG_CHANGEMENT_AFFICHAGE: return ChangementAffichage(fenetre, param2);
    case MSG_TOUCHE:
    case MSG_CARACTERE: return Clavier(fenetre, ecran, message, param1, param2);
    case MSG_SOURIS:
    case MSG_BOUTON_GAUCHE_HAUT: return Glisse(fenetre, ecran, message, param1, param2);
    case MSG_BOUTON_GAUCHE_BAS: return Appui(fenetre, ecran, param1, param2);
    default: return TraitementParDefaut(hwnd, message, param1, param2);
    }
}
