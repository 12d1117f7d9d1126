// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/presentation.h"

#include "jeu/tables.h"

namespace {

// The same line in every build: the game's name stands as its own credit.
const char *const texte_credit = "Flipora";
const char *const texte_version = "Version 1.0";

// Each text is drawn twice, the second layer one pixel off the first, so a
// thin edge of the first colour shows along two of its sides.
void EcritTextes(Fenetre *fenetre) {
    const char *cliquez = textes_jeu[TEXTE_CLIQUEZ];
    EcritTexteDansRectangle(629, 541, 790, 581, cliquez, police_jeu, blanc, fenetre);
    EcritTexteDansRectangle(630, 540, 791, 580, cliquez, police_jeu, noir, fenetre);
    EcritTexteDansRectangle(0, 556, 295, 596, texte_credit, police_jeu, bleu_fonce, fenetre);
    EcritTexteDansRectangle(1, 555, 294, 595, texte_credit, police_jeu, blanc, fenetre);
    EcritTexteDansRectangle(330, 180, 530, 220, texte_version, police_jeu, bleu_fonce, fenetre);
    EcritTexteDansRectangle(331, 181, 529, 221, texte_version, police_jeu, blanc, fenetre);
}

}  // namespace

void AffichePresentation(Fenetre *fenetre) {
    ChargeEtAffichePixmap(fichiers_images[FICHIER_FOND], 0, 0, fenetre);
    EcritTextes(fenetre);
    Rafraichit(0, 0, 800, 600, fenetre);
    // The images and sounds come after the picture is on the screen, so a click
    // made during the loading waits in the queue and ends the title screen at once.
    for (int i = 1; i <= NB_PIXMAPS_JEU; i++) {
        Pixmap *image = nullptr;
        ChargePixmap(fichiers_images[i], &image, nullptr, nullptr, fenetre);
        pixmaps_jeu[i - 1] = image;
    }
    for (int i = 0; i < NB_SONS; i++)
        sons_jeu[i] = ChargeSon(fichiers_sons[i]);
}
