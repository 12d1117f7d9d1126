// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bar. Its track, thumb and arrows are ordinary widgets in their
// own lists; the record only ties them together and holds the value.
#include "ecran/widgets/ascenseur.h"

#include <cstdint>
#include <cstdlib>

#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

namespace {

const int PAS_PISTE = 10;  // a press in the track beside the thumb
const int LONGUEUR_POUCE = 17;

// Pixels the thumb's top (or left) edge can travel along the track.
int Course(const Ardoise *piste, char sens) {
    if (sens == 'v')
        return piste->y2 - piste->y1 - 22;
    return piste->x2 - piste->x1 - 22;
}

// Calls the owner's callback, when there is one.
void Previent(Ascenseur *ascenseur) {
    RappelAscenseur rappel = ascenseur->rappel;
    if (rappel != nullptr)
        rappel(ascenseur->donneeRappel, ascenseur->id);
}

// The arrows' callback: one step, undone when it would leave the range.
int ClicFlecheAscenseur(void *donnee, int pas) {
    Ascenseur *ascenseur = static_cast<Ascenseur *>(donnee);
    int valeur = ascenseur->valeur + pas;
    if (valeur >= ascenseur->minimum && valeur <= ascenseur->maximum)
        ascenseur->valeur = valeur;
    Previent(ascenseur);
    PlacePouceAscenseur(ascenseur);
    return 1;
}

// The thumb's callback. The same press then reaches the track, which
// records where the thumb was taken.
int SaisitPouceAscenseur(void *donnee, int) {
    static_cast<Ascenseur *>(donnee)->saisi = 1;
    return 1;
}

// A press in the track: a page step beside the thumb, or the grab offsets on it.
void AppuiPiste(Ascenseur *ascenseur, int x, int y) {
    const Bouton *pouce = ascenseur->pouce;
    bool vertical = ascenseur->sens == 'v';
    int valeur = ascenseur->valeur;
    if ((vertical && y < pouce->y1) || (!vertical && x < pouce->x1)) {
        valeur -= PAS_PISTE;
        if (valeur < ascenseur->minimum)
            valeur = ascenseur->minimum;
        ascenseur->valeur = valeur;
    } else if ((vertical && y > pouce->y2) || (!vertical && x > pouce->x2)) {
        valeur += PAS_PISTE;
        if (valeur > ascenseur->maximum)
            valeur = ascenseur->maximum;
        ascenseur->valeur = valeur;
    } else {
        ascenseur->priseX = x - pouce->x1;
        ascenseur->priseY = y - pouce->y1;
    }
}

// A move with the thumb held: the value in proportion to the thumb's place,
// kept only when it falls inside the range (so a drag past an end stops at
// the last value reached inside it).
void GlissePouce(Ascenseur *ascenseur, int x, int y) {
    const Ardoise *piste = ascenseur->piste;
    int course = Course(piste, ascenseur->sens);
    if (course <= 0)
        return;  // a bar too short to have a track: nothing to follow
    int position =
        ascenseur->sens == 'v' ? y - ascenseur->priseY - 3 - piste->y1 : x - ascenseur->priseX - 3 - piste->x1;
    int64_t etendue = int64_t(ascenseur->maximum) - ascenseur->minimum;
    int64_t valeur = position * etendue / course + ascenseur->minimum;
    if (valeur >= ascenseur->minimum && valeur <= ascenseur->maximum)
        ascenseur->valeur = int(valeur);
}

// The track's callback: presses step or grab, moves with a button held drag.
int ClicPisteAscenseur(void *donnee, int, int x, int y, int genre, int boutons) {
    Ascenseur *ascenseur = static_cast<Ascenseur *>(donnee);
    if (genre == GENRE_APPUI) {
        AppuiPiste(ascenseur, x, y);
    } else if (ascenseur->saisi == 1 && boutons > 0) {
        GlissePouce(ascenseur, x, y);
    } else {
        ascenseur->saisi = 0;
        return 1;
    }
    Previent(ascenseur);
    PlacePouceAscenseur(ascenseur);
    return 1;
}

// An arrow button: a 21-pixel square showing its icon.
Bouton *CreeFleche(int pas, int x1, int y1, const char *image, Ascenseur *ascenseur, Fenetre *fenetre) {
    return CreeBouton(pas, x1, y1, x1 + 20, y1 + 20, "", nullptr, image, ascenseur->couleur,
                      AlloueCouleur(0, 0, 0, fenetre), ClicFlecheAscenseur, ascenseur, fenetre);
}

}  // namespace

Ascenseur *CreeAscenseur(int id, char sens, int x1, int y1, int x2, int y2, int valeur, int minimum, int maximum,
                         Couleur couleur, RappelAscenseur rappel, void *donneeRappel, Fenetre *fenetre) {
    Ascenseur *ascenseur = NouveauWidget<Ascenseur>(x1, y1, x2, y2, "Allocation d'un ascenseur", fenetre);
    ascenseur->id = id;
    ascenseur->couleur = couleur;
    ascenseur->rappel = rappel;
    ascenseur->donneeRappel = donneeRappel;
    ChangeBornesAscenseur(ascenseur, valeur, minimum, maximum);
    ascenseur->actif = 1;
    ascenseur->saisi = 0;
    ascenseur->fenetre = fenetre;

    bool vertical = sens == 'v';
    Couleur gris = AlloueCouleur(100, 100, 100, fenetre);
    ascenseur->piste =
        vertical ? CreeArdoise(0, x1, y1 + 21, x2, y2 - 21, nullptr, gris, ClicPisteAscenseur, ascenseur, fenetre)
                 : CreeArdoise(0, x1 + 21, y2 - 20, x2 - 21, y2, nullptr, gris, ClicPisteAscenseur, ascenseur, fenetre);
    ascenseur->pouce = CreeBouton(0, x1, y1, x1 + 20, y1 + 20, "", nullptr, nullptr, couleur,
                                  AlloueCouleur(0, 0, 0, fenetre), SaisitPouceAscenseur, ascenseur, fenetre);
    ascenseur->flecheMoins =
        CreeFleche(-1, x1, y1, iconesEcran[vertical ? ICONE_HAUT : ICONE_GAUCHE], ascenseur, fenetre);
    ascenseur->sens = sens;
    ascenseur->flechePlus =
        CreeFleche(1, x2 - 20, y2 - 20, iconesEcran[vertical ? ICONE_BAS : ICONE_DROITE], ascenseur, fenetre);
    PlacePouceAscenseur(ascenseur);
    return ascenseur;
}

void ChangeBornesAscenseur(Ascenseur *ascenseur, int valeur, int minimum, int maximum) {
    ascenseur->valeur = valeur;
    ascenseur->minimum = minimum;
    ascenseur->maximum = maximum < minimum ? minimum : maximum;
}

void TraceAscenseur(Ascenseur *ascenseur, Fenetre *fenetre) {
    TraceBouton(ascenseur->flecheMoins, fenetre);
    PlacePouceAscenseur(ascenseur);
    TraceBouton(ascenseur->flechePlus, fenetre);
}

void PlacePouceAscenseur(Ascenseur *ascenseur) {
    Fenetre *fenetre = ascenseur->fenetre;
    Ardoise *piste = ascenseur->piste;
    TraceArdoise(piste, fenetre);
    int course = Course(piste, ascenseur->sens);
    int64_t etendue = int64_t(ascenseur->maximum) - ascenseur->minimum;
    int64_t decalage = etendue == 0 ? 0 : (int64_t(ascenseur->valeur) - ascenseur->minimum) * course / etendue;
    // A value stored outside the range must not push the thumb over the arrows.
    if (decalage > course)
        decalage = course;
    if (decalage < 0)
        decalage = 0;
    int o = int(decalage);
    int fin = LONGUEUR_POUCE - 1;
    if (ascenseur->sens == 'v')
        DeplaceBouton(ascenseur->pouce, piste->x1 + 3, piste->y1 + 3 + o, piste->x2 - 3, piste->y1 + 3 + o + fin,
                      fenetre);
    else
        DeplaceBouton(ascenseur->pouce, piste->x1 + 3 + o, piste->y1 + 3, piste->x1 + 3 + o + fin, piste->y2 - 4,
                      fenetre);
    AnneauFocus(ascenseur, fenetre);
    Rafraichit(piste->x1, piste->y1, piste->x2 - piste->x1, piste->y2 - piste->y1, fenetre);
}

void DetruitAscenseur(Ascenseur *ascenseur, Fenetre *fenetre) {
    if (ascenseur == nullptr)
        return;
    OublieFocus(ascenseur, fenetre);
    fenetre->nbAscenseurs = fenetre->nbAscenseurs - 1;
    fenetre->ascenseurs = Delie(fenetre->ascenseurs, ascenseur);
    free(ascenseur);
}
