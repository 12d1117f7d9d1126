// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/demarrage.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ecran/widgets/focus.h"
#include "jeu/aide.h"
#include "jeu/clavier.h"
#include "jeu/ecrans.h"
#include "jeu/presentation.h"
#include "jeu/tour.h"

namespace {

// Display failures end the program with this status, as the toolkit's do.
const int statut_affichage = 4;

[[noreturn]] void Abandonne(const char *message) {
    fprintf(stderr, "%s\n", message);
    exit(statut_affichage);
}

}  // namespace

void AlloueCouleurs(Fenetre *fenetre) {
    violet = AlloueCouleur(100, 0, 100, fenetre);
    bleu_clair = AlloueCouleur(49, 138, 183, fenetre);
    noir = AlloueCouleur(0, 0, 0, fenetre);
    blanc = AlloueCouleur(255, 255, 255, fenetre);
    bleu_moyen = AlloueCouleur(73, 93, 200, fenetre);
    bleu_fonce = AlloueCouleur(20, 70, 193, fenetre);
    jaune = AlloueCouleur(255, 200, 80, fenetre);
}

const char *DossierImages(const char *const dossiers[], int nombre) {
    std::vector<const char *> fichiers = FichiersDuJeu();
    return DossierComplet(dossiers, nombre, fichiers.data(), int(fichiers.size()));
}

void RejointImages() {
    std::vector<const char *> fichiers = FichiersDuJeu();
    RetientDossierImages(fichiers.data(), int(fichiers.size()), dossiers_donnees, NB_DOSSIERS_DONNEES);
}

void OuvreJeu(Application *application) {
    InitialiseEcran(&application->ecran);
    Fenetre *fenetre = CreeFenetre(0, 0, 800, 600, "Flipora", 120, 202, 187, &application->ecran);
    if (fenetre == nullptr)
        Abandonne("Impossible de creer la fenetre du jeu");
    application->fenetre = fenetre;
    police_jeu = OuvrePolice("lucidasans-18", 20, fenetre);
    if (police_jeu == nullptr)
        Abandonne("Impossible d'ouvrir la police du jeu");
    AlloueCouleurs(fenetre);
    indique_tour = IndiqueTour;
    ChangeRappelClavier(fenetre, ToucheJeu, nullptr);
    AffichePresentation(fenetre);
}

void QuittePresentation(Application *application) {
    AttendClicOuEntree(application->ecran);
    InitialisePartie(&application->partie, application->fenetre, application->ecran);
    application->interface.partie = &application->partie;
    ConstruitReglages(&application->interface);
    Rafraichit(0, 0, 800, 600, application->fenetre);
}

void AttendPartie(Application *application) {
    AttendEvenement(application->ecran, nullptr);
    if (!PrendPartieLancee())
        FermeTout(&application->ecran);
    DebutPartie(&application->interface);
}

void InitialisePartie(Partie *partie, Fenetre *fenetre, Ecran ecran) {
    partie->ecran = ecran;
    partie->fenetre = fenetre;
    partie->taille = 8;
    partie->nb_joueurs = 2;
    partie->jeu_pions[0] = 4;
    partie->jeu_pions[2] = 5;
    snprintf(partie->nom[0], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_1]);
    snprintf(partie->nom[2], NB_NOM, "%s", textes_jeu[TEXTE_JOUEUR_2]);
    for (int cote = 0; cote <= 2; cote += 2) {
        partie->score[cote] = 2;
        partie->humain[cote] = 1;
        partie->niveau[cote] = 0;
    }
    Pixmap *marque = nullptr;
    ChargePixmap(fichiers_images[FICHIER_AIDE], &marque, nullptr, nullptr, fenetre);
    partie->images[1][0] = marque;
    partie->joueur = -1;
    partie->aide = 1;
}
