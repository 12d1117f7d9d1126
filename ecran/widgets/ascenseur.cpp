#include "ecran/widgets/ascenseur.h"

#include <cstdlib>

void DetruitAscenseur(Ascenseur *w, Fenetre *fenetre) {
    if (!w) return;
    Ascenseur *precedent = w->precedent;
    Ascenseur *suivant = w->suivant;
    if (fenetre->ascenseurs == w) fenetre->ascenseurs = suivant;
    else if (precedent) precedent->suivant = suivant;
    if (suivant) suivant->precedent = precedent;
    fenetre->nbAscenseurs = fenetre->nbAscenseurs - 1;
    free(w);
}
