// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' entry point: the command line, start-up, the title screen, then the endless
// loop of setup and play. It never returns: the toolkit ends the process.
#include "jeu/demarrage.h"

int main(int argc, char **argv) {
    static Application application;
    application.plein_ecran = static_cast<uint8_t>(LitLigneDeCommande(argc, argv, textes_options, 800, 600));
    RejointImages();
    OuvreJeu(&application);
    QuittePresentation(&application);
    for (;;)
        AttendPartie(&application);
}
