// SPDX-License-Identifier: GPL-3.0-or-later
// The modal message box ("Continue") and yes/no box, each a window of its
// own with its own wait, and the checked opening of a file that uses them.
#pragma once

#include <cstdio>

#include "ecran/ecran.h"

// Shows the message until "Continue" is pressed or the box is closed.
void AfficheMessage(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                    Couleur couleurTexte, const char *message, Police police, Ecran *ecran);
// Asks a yes/no question: 1 for "Oui", 0 for "Non" or a box closed without answer.
int DemandeConfirmation(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                        Couleur couleurTexte, const char *message, Police police, Ecran *ecran);
// Opens the file in the mode given, telling the user of a missing or unusable
// file and asking before an existing one is overwritten; null when not opened.
FILE *OuvreFichierVerifie(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                          Couleur couleurTexte, const char *nomFichier, const char *mode, Police police, Ecran *ecran);
