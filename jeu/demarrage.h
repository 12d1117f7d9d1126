// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up, in the steps a test can drive one by one: the
// folder of the images, the toolkit, the window, the font, the colours and
// the title screen; the first click or key and the setup screen; the endless loop.
#pragma once

#include "ecran/ecran.h"
#include "jeu/partie.h"
#include "jeu/tables.h"

// What the entry point holds for the whole run.
struct Application {
    Ecran ecran;
    Fenetre *fenetre;
    Partie partie;
    Interface interface;
};

// Makes the game's seven colours for its window.
void AlloueCouleurs(Fenetre *fenetre);
// The first of the folders that holds every image the game loads, or null.
const char *DossierImages(const char *const dossiers[], int nombre);
// Finds the folder of the images (the working directory, the program's own
// folder, then `dossiers_donnees`) and has the toolkit load them from there;
// the working directory stays where it is.
void RejointImages();
// Start-up up to the title screen: toolkit, game window, font, the seven
// colours, the title screen and the images it loads. Ends the program with
// status 4 and a message when the window or the font cannot be had.
void OuvreJeu(Application *application);
// The click (or Return, or space) that ends the title screen, the game
// record, the setup screen.
void QuittePresentation(Application *application);
// One turn of the endless loop: waits until "JOUER" has built the play
// screen and plays the game; ends the program when the wait ended otherwise
// (the platform asked the program to quit).
void AttendPartie(Application *application);
// Fills the game record with the settings of the first game.
void InitialisePartie(Partie *partie, Fenetre *fenetre, Ecran ecran);
