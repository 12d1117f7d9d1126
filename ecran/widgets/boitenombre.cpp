// SPDX-License-Identifier: GPL-3.0-or-later
// The number box: a text entry filtered to digits and kept within the
// range, between two arrow buttons that step the value.
#include "ecran/widgets/boitenombre.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"
#include "ecran/widgets/texte.h"

namespace {

// A decimal text as an int, saturated rather than overflowing.
int EntierDe(const char *texte) {
    long valeur = strtol(texte, nullptr, 10);
    if (valeur > INT_MAX)
        return INT_MAX;
    if (valeur < INT_MIN)
        return INT_MIN;
    return int(valeur);
}

// Puts the number into the entry. ChangeTexte leaves the cursor at the end
// of the new text, so a shorter replacement never strands it past the end.
void EcritNombre(Texte *saisie, int nombre, Fenetre *fenetre) {
    char texte[16];
    snprintf(texte, sizeof texte, "%d", nombre);
    ChangeTexte(saisie, texte, fenetre);
}

void Previent(BoiteNombre *boite) {
    RappelBoiteNombre rappel = boite->rappel;
    if (rappel != nullptr)
        rappel(boite->donneeRappel, LitBoiteNombre(boite), boite->id);
}

// Both arrows' callback: one step, undone when it would leave the range.
int ClicFlecheBoiteNombre(void *donnee, int pas) {
    BoiteNombre *boite = static_cast<BoiteNombre *>(donnee);
    Fenetre *fenetre = boite->fenetre;
    int valeur = boite->valeur + pas;
    if (valeur >= boite->minimum && valeur <= boite->maximum)
        boite->valeur = valeur;
    Texte *saisie = boite->saisie;
    EcritNombre(saisie, boite->valeur, fenetre);
    TraceTexte(saisie, fenetre);
    Rafraichit(saisie->x1, saisie->y1, saisie->x2 - saisie->x1, saisie->y2 - saisie->y1, fenetre);
    Previent(boite);
    return 1;
}

// Drops the character just typed (or just reached) before the cursor unless it is a digit.
void RetireNonChiffre(Texte *saisie) {
    int curseur = saisie->curseur;
    if (curseur == 0)
        return;
    char *texte = saisie->texte;
    char avant = texte[curseur - 1];
    if (avant >= '0' && avant <= '9')
        return;
    memmove(texte + curseur - 1, texte + curseur, strlen(texte + curseur) + 1);
    saisie->curseur = curseur - 1;
    if (saisie->debut > curseur - 1)
        saisie->debut = curseur - 1;
}

// The entry's callback after every edit key, before it redraws itself.
int ToucheBoiteNombre(void *donnee, int) {
    BoiteNombre *boite = static_cast<BoiteNombre *>(donnee);
    Fenetre *fenetre = boite->fenetre;
    Texte *saisie = boite->saisie;
    RetireNonChiffre(saisie);
    if (saisie->texte[0] == '\0')
        EcritNombre(saisie, boite->minimum, fenetre);
    int valeur = EntierDe(saisie->texte);
    if (valeur > boite->maximum) {
        valeur = boite->maximum;
        EcritNombre(saisie, valeur, fenetre);
    } else if (valeur < boite->minimum) {
        valeur = boite->minimum;
        EcritNombre(saisie, valeur, fenetre);
    }
    boite->valeur = valeur;
    Previent(boite);
    return 1;
}

}  // namespace

BoiteNombre *CreeBoiteNombre(int id, int x1, int y1, int x2, int y2, int valeur, Police police, int minimum,
                             int maximum, Couleur couleur, RappelBoiteNombre rappel, void *donneeRappel,
                             Fenetre *fenetre) {
    BoiteNombre *boite = NouveauWidget<BoiteNombre>(x1, y1, x2, y2, "Allocation d'une boite nombre", fenetre);
    boite->id = id;
    boite->couleur = couleur;
    boite->police = police;
    boite->minimum = minimum;
    boite->maximum = maximum;
    if (minimum > maximum) {
        fprintf(stderr, "%d n'est pas plus grand que %d dans le bnombre %d\n", maximum, minimum, id);
        exit(5);
    }
    boite->valeur = valeur;
    boite->rappel = rappel;
    boite->donneeRappel = donneeRappel;
    boite->actif = 1;

    char texte[16];
    int chiffres = snprintf(texte, sizeof texte, "%d", maximum);
    snprintf(texte, sizeof texte, "%d", valeur);
    Couleur noir = AlloueCouleur(0, 0, 0, fenetre);
    int m = (y2 - y1 - 20) / 2;
    boite->flecheMoins = CreeBouton(-1, x1, y1 + m, x1 + 20, y2 - m, nullptr, nullptr, iconesEcran[ICONE_GAUCHE],
                                    couleur, noir, ClicFlecheBoiteNombre, boite, fenetre);
    boite->saisie =
        CreeTexte(id, x1 + 25, y1, x2 - 25, y2, texte, police, chiffres, noir, ToucheBoiteNombre, boite, fenetre);
    boite->flechePlus = CreeBouton(1, x2 - 20, y1 + m, x2, y2 - m, nullptr, nullptr, iconesEcran[ICONE_DROITE], couleur,
                                   noir, ClicFlecheBoiteNombre, boite, fenetre);
    boite->fenetre = fenetre;
    TraceBoiteNombre(boite, fenetre);
    return boite;
}

int LitBoiteNombre(BoiteNombre *boite) {
    char *copie = CopieTexte(boite->saisie);
    int valeur = EntierDe(copie);
    free(copie);
    return valeur;
}

void TraceBoiteNombre(BoiteNombre *boite, Fenetre *fenetre) {
    TraceBouton(boite->flecheMoins, fenetre);
    TraceTexte(boite->saisie, fenetre);
    TraceBouton(boite->flechePlus, fenetre);
}

void DetruitBoiteNombre(BoiteNombre *boite, Fenetre *fenetre) {
    if (boite == nullptr)
        return;
    OublieFocus(boite, fenetre);
    fenetre->nbBoitesNombre = fenetre->nbBoitesNombre - 1;
    fenetre->boitesNombre = Delie(fenetre->boitesNombre, boite);
    free(boite);
}
