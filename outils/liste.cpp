// SPDX-License-Identifier: GPL-3.0-or-later
#include "liste.h"

#include "ecran/ecran.h"
#include "jeu/tables.h"

namespace {

// The picture of every place in the tables. A file several places name (the
// edge-on pawn of every set) takes the picture of the first.
std::vector<Commande> Places() {
    // Slot k of the loaded images holds file k + 1 of the table.
    const char *const *f = fichiers_images;
    std::vector<Commande> places = {
        {f[FICHIER_FOND], SUJET_FOND, 0, 0, 0, 0},
        {f[PIXMAP_MOQUETTE + 1], SUJET_MOQUETTE, 0, 0, 0, 0},
        {f[PIXMAP_PLATEAU + 1], SUJET_PLATEAU, 0, 0, 0, 0},
        {f[PIXMAP_FLECHE + 1], SUJET_FLECHE, 0, 0, 0, 0},
        {f[PIXMAP_COTE + 1], SUJET_COTE, 0, 0, 0, 0},
        {f[PIXMAP_PROP + 1], SUJET_PROPOSITION, 0, 0, 0, 0},
        {f[FICHIER_AIDE], SUJET_AIDE, 0, 0, 0, 0},
        {f[FICHIER_FRAME1], SUJET_CADRE, 1, 0, 0, 0},
        {f[FICHIER_FRAME2], SUJET_CADRE, 2, 0, 0, 0},
        {f[FICHIER_FRAME3], SUJET_CADRE, 3, 0, 0, 0},
        {iconesEcran[ICONE_HAUT], SUJET_ICONE, 0, 0, 0, -1},
        {iconesEcran[ICONE_BAS], SUJET_ICONE, 0, 0, 0, 1},
        {iconesEcran[ICONE_GAUCHE], SUJET_ICONE, 0, 0, -1, 0},
        {iconesEcran[ICONE_DROITE], SUJET_ICONE, 0, 0, 1, 0},
    };
    for (int rang = 0; rang < NB_JEUX_PIONS; rang++) {
        places.push_back({f[PREMIER_JEU_PIONS + rang + 1], SUJET_PION, rang, 0, 0, 0});
        for (int vue = 0; vue < NB_TRAMES; vue++)
            places.push_back({fichiers_pions[rang][vue], SUJET_TRAME, rang, vue, 0, 0});
    }
    return places;
}

}  // namespace

std::vector<Commande> Commandes(std::vector<std::string> *orphelins) {
    std::vector<Commande> places = Places(), commandes;
    std::vector<const char *> noms = FichiersDuJeu();
    noms.insert(noms.end(), iconesEcran, iconesEcran + NB_ICONES);
    for (const char *nom : noms) {
        size_t i = 0;
        while (i < places.size() && places[i].nom != nom)
            i++;
        if (i < places.size())
            commandes.push_back(places[i]);
        else
            orphelins->push_back(nom);
    }
    return commandes;
}
