// SPDX-License-Identifier: GPL-3.0-or-later
// The wait calls: the program hands control to the platform's messages until
// a widget, a poll mode or a closed window raises an event.
#include <cstdio>
#include <cstdlib>

#include "ecran.h"
#include "widgets/texte.h"

namespace {

void ExigeFenetre(const Ecran &ecran) {
    if (ecran.nbFenetres < 1) {
        fputs("Aucune fenetre cree!\n", stderr);
        exit(2);
    }
}

// Takes one message and dispatches it; false for the platform's quit message.
bool TraiteUnMessage(const Ecran &ecran, Fenetre *fenetre, int *resultat) {
    Message m;
    plateforme.PrendMessage(&m);
    if (m.type == MSG_QUITTE)
        return false;
    evenement.fenetreCapturee = fenetre;
    plateforme.TraduitMessage(m);
    *resultat = ecran.classe.procedure(m.fenetre, m.type, m.param1, m.param2);
    return true;
}

// Clears the pending event if there is one.
bool EvenementPris() {
    if (evenement.enAttente != CODE_EVENEMENT_OCTET)
        return false;
    evenement.enAttente = 0;
    return true;
}

// A wait on a window whose platform window is gone ends at once and takes
// the event its loss raised: the wait of a box that could not be built ends
// as if the box had been answered by its default.
bool FenetrePerdue(Fenetre *fenetre) {
    if (fenetre == nullptr || FenetreVivante(fenetre))
        return false;
    evenement.enAttente = 0;
    return true;
}

enum Issue { FILE_VIDE, EVENEMENT, FIN_ABRUPTE };

// The polls' loop: the waiting messages until one raises an event. The quit
// message and a lost window end it abruptly.
Issue TraiteEnAttente(const Ecran &ecran, Fenetre *fenetre) {
    for (;;) {
        if (FenetrePerdue(fenetre))
            return FIN_ABRUPTE;
        if (!plateforme.MessageEnAttente())
            return FILE_VIDE;
        int resultat;
        if (!TraiteUnMessage(ecran, fenetre, &resultat))
            return FIN_ABRUPTE;
        if (EvenementPris())
            return EVENEMENT;
    }
}

void CopieClic(int *x, int *y) {
    if (x)
        *x = evenement.xClic;
    if (y)
        *y = evenement.yClic;
}

}  // namespace

int AttendEvenement(Ecran ecran, Fenetre *fenetre) {
    ExigeFenetre(ecran);
    while (!FenetrePerdue(fenetre)) {
        int resultat = 0;
        if (!TraiteUnMessage(ecran, fenetre, &resultat))
            return 0;
        if (EvenementPris())
            return resultat;
    }
    return 0;
}

int TesteClic(Ecran ecran, Fenetre *fenetre, int *x, int *y) {
    ExigeFenetre(ecran);
    evenement.modeTesteClic = 1;
    int issue = TraiteEnAttente(ecran, fenetre);
    evenement.modeTesteClic = 0;
    if (issue != FIN_ABRUPTE)
        CopieClic(x, y);
    return issue != FILE_VIDE;
}

int AttendClic(Ecran ecran, Fenetre *fenetre, int *x, int *y) {
    int resultat;
    // Each empty round blocks until the next message, so waiting costs nothing.
    while ((resultat = TesteClic(ecran, fenetre, x, y)) == 0)
        plateforme.AttendMessage();
    return resultat;
}

int TesteTouche(Ecran ecran, Fenetre *fenetre, int *touche) {
    ExigeFenetre(ecran);
    evenement.touche = -1;
    evenement.modeTesteTouche = 1;
    int issue = TraiteEnAttente(ecran, fenetre);
    evenement.modeTesteTouche = 0;
    if (issue != FIN_ABRUPTE && touche)
        *touche = evenement.touche;
    return issue != FILE_VIDE;
}

int EditeTexte(Texte *texte, Fenetre *fenetre, Ecran ecran) {
    ExigeFenetre(ecran);
    if (!texte) {
        fputs("Gestion d'une btexte NULL!\n", stderr);
        exit(3);
    }
    evenement.texteEnEdition = texte;
    while (evenement.texteEnEdition && evenement.texteEnEdition->edition != 0 && !FenetrePerdue(fenetre)) {
        int resultat;
        if (!TraiteUnMessage(ecran, fenetre, &resultat)) {
            evenement.texteEnEdition = nullptr;
            return evenement.enAttente;
        }
        if (evenement.enAttente == CODE_EVENEMENT_OCTET) {
            evenement.texteEnEdition = nullptr;
            return CODE_EVENEMENT_OCTET;
        }
    }
    evenement.texteEnEdition = nullptr;
    return 1;
}
