// SPDX-License-Identifier: GPL-3.0-or-later
// The colour palette. Picking a cell only changes the preview; the buttons
// end the dialog.
#include "ecran/dialogues/palette.h"

#include "ecran/dialogues/message.h"
#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/frame.h"

namespace {

enum { LARGEUR = 350, HAUTEUR = 200 };

// The colour that "Annuler" leaves as the answer.
const Couleur ANNULEE = {44, 44, 44};

// Which of full (v), half (h) or no intensity each hue gives red, green and blue.
enum Part { RIEN, MOITIE, PLEIN };
const Part TEINTES[LIGNES_PALETTE][3] = {
    {RIEN, PLEIN, RIEN},     {RIEN, RIEN, PLEIN},     {PLEIN, RIEN, RIEN},    {PLEIN, PLEIN, RIEN},
    {PLEIN, MOITIE, RIEN},   {MOITIE, PLEIN, RIEN},   {PLEIN, RIEN, PLEIN},   {PLEIN, RIEN, MOITIE},
    {MOITIE, RIEN, PLEIN},   {RIEN, PLEIN, PLEIN},    {RIEN, PLEIN, MOITIE},  {RIEN, MOITIE, PLEIN},
    {PLEIN, PLEIN, MOITIE},  {PLEIN, MOITIE, PLEIN},  {MOITIE, PLEIN, PLEIN}, {MOITIE, PLEIN, MOITIE},
    {MOITIE, MOITIE, PLEIN}, {PLEIN, MOITIE, MOITIE}, {PLEIN, PLEIN, PLEIN},
};

uint8_t Composante(Part part, int v) {
    return uint8_t(part == PLEIN ? v : part == MOITIE ? v / 2 : 0);
}

// Shows the chosen colour in the preview and refreshes the dialog.
void MontreChoix(PaletteCouleur *palette) {
    Fenetre *fenetre = palette->fenetre;
    RemplitRectangle(280, 60, 310, 90, palette->choisie, fenetre);
    Rafraichit(0, 0, LARGEUR, HAUTEUR, fenetre);
}

// Draws every cell of the grid and the preview's outline.
void TraceGrille(PaletteCouleur *palette) {
    Fenetre *fenetre = palette->fenetre;
    for (int r = 0; r < LIGNES_PALETTE; r++)
        for (int c = 0; c < COLONNES_PALETTE; c++)
            RemplitRectangle(5 + 10 * c, 5 + 10 * r, 15 + 10 * c, 15 + 10 * r, palette->table[r][c], fenetre);
    TraceRectangle(279, 59, 310, 90, AlloueCouleur(0, 0, 0, fenetre), fenetre);
}

// The grid slate's callback; called with identifier, x and y all -1 to draw
// the whole grid.
int ClicPalette(void *donnee, int id, int x, int y, int genre, int) {
    PaletteCouleur *palette = static_cast<PaletteCouleur *>(donnee);
    if (id == -1 && x == -1 && y == -1) {
        TraceGrille(palette);
    } else if (genre != GENRE_APPUI) {
        return 1;
    } else if (x > 5 && x < 235 && y > 5 && y < 195) {
        palette->choisie = palette->table[(y - 5) / 10][(x - 5) / 10];
    }
    MontreChoix(palette);
    return 1;
}

int Confirme(void *, int) {
    return CODE_EVENEMENT;
}

int Annule(void *donnee, int) {
    static_cast<PaletteCouleur *>(donnee)->choisie = ANNULEE;
    return CODE_EVENEMENT;
}

// Row r, column c: the r-th hue at intensity 30 + 10c.
void RemplitTablePalette(PaletteCouleur *palette) {
    for (int c = 0; c < COLONNES_PALETTE; c++) {
        int v = 30 + 10 * c;
        for (int r = 0; r < LIGNES_PALETTE; r++) {
            const Part *teinte = TEINTES[r];
            palette->table[r][c] =
                Couleur{Composante(teinte[0], v), Composante(teinte[1], v), Composante(teinte[2], v)};
        }
    }
}

}  // namespace

Couleur ChoisitCouleur(Police police, Ecran *ecran) {
    Fenetre *fenetre = CreeFenetre(100, 100, LARGEUR, HAUTEUR, "Palette de Couleur", 0, 100, 200, ecran);
    if (fenetre == nullptr)
        return ANNULEE;  // nothing could be shown, so nothing was chosen
    PaletteCouleur palette = {};
    palette.fenetre = fenetre;
    palette.choisie = AlloueCouleur(0, 0, 0, fenetre);
    RemplitTablePalette(&palette);

    Couleur bleu = AlloueCouleur(0, 100, 200, fenetre);
    Couleur etiquette = AlloueCouleur(200, 200, 200, fenetre);
    Couleur face = AlloueCouleur(100, 0, 100, fenetre);
    Couleur blanc = AlloueCouleur(255, 255, 255, fenetre);
    Frame *panneau = CreeFrame(240, 0, LARGEUR, HAUTEUR, nullptr, bleu, fenetre);
    int x1 = panneau->x1, y1 = panneau->y1, x2 = panneau->x2, y2 = panneau->y2;
    EcritTexteCentre('h', 25, "Couleur", police, etiquette, x1, y1, x2, y2, fenetre);
    EcritTexteCentre('h', 45, "Choisie", police, etiquette, x1, y1, x2, y2, fenetre);
    Bouton *ok = CreeBoutonDansFrame(0, 'h', 115, 80, 30, "Ok", police, nullptr, face, blanc, Confirme, &palette,
                                     panneau, fenetre);
    DonneFocus(ok, fenetre);
    CreeBoutonDansFrame(0, 'h', 155, 80, 30, "Annuler", police, nullptr, face, blanc, Annule, &palette, panneau,
                        fenetre);
    CreeArdoise(1, 0, 0, 239, HAUTEUR, nullptr, bleu, ClicPalette, &palette, fenetre);
    ClicPalette(&palette, -1, -1, -1, 0, 0);

    AttendEvenement(*ecran, fenetre);
    DetruitFenetre(fenetre, ecran);
    return palette.choisie;
}
