#include "ecran/widgets/boitenombre.h"

#include <cstdlib>

void DetruitBoiteNombre(BoiteNombre *w, Fenetre *fenetre) {
    if (!w) return;
    BoiteNombre *precedent = w->precedent;
    BoiteNombre *suivant = w->suivant;
    if (fenetre->boitesNombre == w) fenetre->boitesNombre = suivant;
    else if (precedent) precedent->suivant = suivant;
    if (suivant) suivant->precedent = precedent;
    fenetre->nbBoitesNombre = fenetre->nbBoitesNombre - 1;
    free(w);
}
