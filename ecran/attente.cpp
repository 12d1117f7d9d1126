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
    PfPrendMessage(&m);
    if (m.type == MSG_QUITTE)
        return false;
    evenement.fenetreCapturee = fenetre;
    PfTraduitMessage(m);
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

void CopieClic(int *x, int *y) {
    if (x)
        *x = evenement.xClic;
    if (y)
        *y = evenement.yClic;
}

}  // namespace

int AttendEvenement(Ecran ecran, Fenetre *fenetre) {
    ExigeFenetre(ecran);
    for (;;) {
        int resultat = 0;
        if (!TraiteUnMessage(ecran, fenetre, &resultat))
            return 0;
        if (EvenementPris())
            return resultat;
    }
}

int TesteClic(Ecran ecran, Fenetre *fenetre, int *x, int *y) {
    ExigeFenetre(ecran);
    evenement.modeTesteClic = 1;
    while (PfMessageEnAttente()) {
        int resultat;
        if (!TraiteUnMessage(ecran, fenetre, &resultat)) {
            evenement.modeTesteClic = 0;
            return 1;
        }
        if (EvenementPris()) {
            evenement.modeTesteClic = 0;
            CopieClic(x, y);
            return 1;
        }
    }
    evenement.modeTesteClic = 0;
    CopieClic(x, y);
    return 0;
}

int AttendClic(Ecran ecran, Fenetre *fenetre, int *x, int *y) {
    int resultat;
    // Each empty round blocks until the next message, so waiting costs nothing.
    while ((resultat = TesteClic(ecran, fenetre, x, y)) == 0) {
        Message m;
        PfPrendMessage(&m);
        PfPosteMessage(m);
    }
    return resultat;
}

int TesteTouche(Ecran ecran, Fenetre *fenetre, int *touche) {
    ExigeFenetre(ecran);
    evenement.touche = -1;
    evenement.modeTesteTouche = 1;
    while (PfMessageEnAttente()) {
        int resultat;
        if (!TraiteUnMessage(ecran, fenetre, &resultat)) {
            evenement.modeTesteTouche = 0;
            return 1;
        }
        if (EvenementPris()) {
            evenement.modeTesteTouche = 0;
            if (touche)
                *touche = evenement.touche;
            return 1;
        }
    }
    if (touche)
        *touche = evenement.touche;
    evenement.modeTesteTouche = 0;
    return 0;
}

int EditeTexte(Texte *texte, Fenetre *fenetre, Ecran ecran) {
    ExigeFenetre(ecran);
    if (!texte) {
        fputs("Gestion d'une btexte NULL!\n", stderr);
        exit(3);
    }
    evenement.texteEnEdition = texte;
    while (evenement.texteEnEdition && evenement.texteEnEdition->edition != 0) {
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
