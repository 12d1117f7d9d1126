// The programs' entry point: start-up, the title screen, then the endless
// loop of setup and play. It never returns: the toolkit ends the process.
#include "jeu/demarrage.h"

int main() {
    static Application application;
    RejointImages();
    OuvreJeu(&application);
    QuittePresentation(&application);
    for (;;)
        AttendPartie(&application);
}
