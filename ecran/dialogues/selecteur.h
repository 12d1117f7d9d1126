// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser: a modal window in which the user names a file, helped by
// lists of the current directory's subdirectories and files; the name is
// then opened with the checks of OuvreFichierVerifie.
#pragma once

#include <cstdio>

#include "ecran/ecran.h"

#pragma pack(push, 1)

// The chooser's state for one call. The two name arrays belong to it and are
// shown by the two list boxes.
struct Selecteur {
    ZoneTexte *zoneFichiers;
    ZoneTexte *zoneRepertoires;
    Texte *saisie;
    char **fichiers;
    char **repertoires;
    char chemin[256];
    int32_t nbFichiers;
    int32_t nbRepertoires;
    char *choix;  // the name taken by "OK"; null after "Annuler"
    Fenetre *fenetre;
};

#pragma pack(pop)

// Lets the user name a file and opens it in the mode given ("r", "w", ...);
// null when the user cancels or closes the window.
FILE *ChoisitFichier(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                     Couleur couleurTexte, const char *titre, const char *mode, Police police, Ecran *ecran);
// Lists a directory into the state: `chemin` becomes its full path,
// `repertoires` its visible subdirectories after "..", `fichiers` its plain
// files, both sorted by name. An unreadable directory leaves both lists
// empty and returns 0; 1 otherwise.
int LitRepertoire(const char *chemin, Selecteur *selecteur);
// Frees both name arrays and their names.
void LibereListesSelecteur(Selecteur *selecteur);
