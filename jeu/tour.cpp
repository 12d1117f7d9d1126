// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/tour.h"

#include <cstdio>

#include "ecran/dialogues/message.h"
#include "ecran/widgets/ardoise.h"
#include "jeu/aide.h"
#include "jeu/coup.h"
#include "jeu/ecrans.h"
#include "jeu/ordinateur.h"
#include "jeu/regions.h"

namespace {

// What follows one run of the turn passing.
enum Suite { SUITE_PERSONNE, SUITE_ORDINATEUR, SUITE_FIN };

// The end-of-game text never exceeds 31 characters.
const int taille_resultat = 32;

// Recounts the pawns and brings the side panel with its score boxes to the screen.
void MontreScores(Partie *partie) {
    ComptePions(partie);
    RafraichitZone(PANNEAU, partie->fenetre);
}

// Gives the turn to the other side, and back to the mover when the other has
// no move, until a side can move or neither can.
Suite PasseLeTour(Partie *partie) {
    int iterations = 0;
    int peut_jouer[3] = {2, 2, 2};  // 2: not known yet, 1: has a move, 0: has none
    bool passe = false;
    int cote;
    do {
        iterations++;
        MontreScores(partie);
        partie->joueur = -partie->joueur;
        cote = partie->joueur + 1;
        IndiqueTour(partie->joueur, *partie);
        if (ExploreCoups(*partie)) {
            peut_jouer[cote] = 1;
            // The scan has just wiped the message area: the notice goes back
            // up so that the player can read why the turn came back.
            if (passe) {
                EcritMessage(textes_jeu[TEXTE_PASSE], partie->fenetre);
                JoueSon(sons_jeu[SON_PASSE]);
            }
            if (partie->humain[cote] == 0)
                return SUITE_ORDINATEUR;
        } else {
            peut_jouer[cote] = 0;
            EcritMessage(textes_jeu[TEXTE_PASSE], partie->fenetre);
            passe = true;
        }
        MontreScores(partie);
    } while (peut_jouer[cote] != 1 && !(peut_jouer[0] == 0 && peut_jouer[2] == 0));
    return iterations == 2 && peut_jouer[0] == 0 && peut_jouer[2] == 0 ? SUITE_FIN : SUITE_PERSONNE;
}

// The result in the message box, then back to the setup screen.
void FinPartie(Interface *interface) {
    Partie *partie = interface->partie;
    char resultat[taille_resultat];
    TexteResultat(*partie, resultat, sizeof resultat);
    JoueSon(sons_jeu[partie->score[0] == partie->score[2] ? SON_NUL : SON_VICTOIRE]);
    AfficheMessage(bleu_clair, fichiers_images[PIXMAP_MOQUETTE + 1], bleu_clair, nullptr, noir, resultat, police_jeu,
                   partie->fenetre->ecran);
    RetourReglages(interface, 1);
}

}  // namespace

void DebutPartie(Interface *interface) {
    Partie *partie = interface->partie;
    partie->joueur = -1;
    VideListeCoups(partie->coups);
    ExploreCoups(*partie);
    IndiqueTour(-1, *partie);
    if (partie->humain[0] == 0) {
        CoupOrdinateur(interface, partie->coups);
        TourSuivant(interface);
    }
}

int ClicPlateau(void *donnee, int, int x, int y, int genre, int) {
    if (genre != GENRE_APPUI)
        return 1;
    Interface *interface = static_cast<Interface *>(donnee);
    Partie *partie = interface->partie;
    if (!ValideClic(*partie, x, y, partie->coups))
        return 1;
    partie->coups[0] = PointCoup{x, y};
    JoueCoup(partie);
    TourSuivant(interface);
    return 1;
}

// The computer's moves follow one another in this loop rather than through
// nested calls, so a game between two computer sides keeps a flat stack; no
// wait runs in between, so no input is handled until the game has ended.
void TourSuivant(Interface *interface) {
    for (;;) {
        switch (PasseLeTour(interface->partie)) {
        case SUITE_ORDINATEUR: CoupOrdinateur(interface, interface->partie->coups); break;
        case SUITE_FIN: FinPartie(interface); return;
        case SUITE_PERSONNE: return;
        }
    }
}

int BasculeAide(void *donnee, int) {
    Interface *interface = static_cast<Interface *>(donnee);
    Partie *partie = interface->partie;
    InverseAide(partie);
    SurligneBouton(interface, SLOT_AIDE, partie->aide == 1);
    RafraichitZone(PANNEAU, partie->fenetre);
    return 1;
}

int RetourReglages(void *donnee, int) {
    Interface *interface = static_cast<Interface *>(donnee);
    Fenetre *fenetre = interface->partie->fenetre;
    VideFenetre(fenetre);
    ConstruitReglages(interface);
    RafraichitZone(FENETRE_JEU, fenetre);
    return 1;
}

void TexteResultat(Partie partie, char *texte, int taille) {
    int premier = partie.score[0], second = partie.score[2];
    if (premier == second)
        snprintf(texte, taille, "%s", textes_jeu[TEXTE_MATCH_NUL]);
    else
        snprintf(texte, taille, "%s %s", partie.nom[premier > second ? 0 : 2], textes_jeu[TEXTE_A_GAGNE]);
}
