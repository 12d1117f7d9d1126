#include "ecran/widgets/zonetexte.h"

#include <cstdlib>

void DetruitZoneTexte(ZoneTexte *w, Fenetre *fenetre) {
    if (!w) return;
    ZoneTexte *precedent = w->precedent;
    ZoneTexte *suivant = w->suivant;
    if (fenetre->zonesTexte == w) fenetre->zonesTexte = suivant;
    else if (precedent) precedent->suivant = suivant;
    if (suivant) suivant->precedent = precedent;
    fenetre->nbZonesTexte = fenetre->nbZonesTexte - 1;
    free(w);
}
