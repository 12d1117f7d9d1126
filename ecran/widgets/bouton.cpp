// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons: bevelled faces that show a press, then call back.
#include "ecran/widgets/bouton.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

namespace {

// Draws the caption centred, cut from its end until it fits the face; the
// stored caption stays whole, so a wider button shows more of it.
void TraceLegende(const Bouton &b, Fenetre *fenetre) {
    char legende[TAILLE_CHAINE_WIDGET];
    snprintf(legende, sizeof legende, "%s", b.texte);
    size_t n = strlen(legende);
    const int place = abs(b.x2 - b.x1 - 6);
    int largeur = 0, hauteur = 0;
    TailleTexte(legende, b.police, &largeur, &hauteur, fenetre);
    while (largeur > place && n > 0) {
        legende[--n] = '\0';
        TailleTexte(legende, b.police, &largeur, &hauteur, fenetre);
    }
    const int dx = (b.x2 - b.x1 - largeur) / 2;
    const int dy = (hauteur / 2 + (b.y2 - b.y1)) / 2;
    EcritTexte(b.x1 + dx, b.y1 + dy, legende, b.police, b.couleurTexte, fenetre);
}

}  // namespace

Bouton *CreeBouton(int id, int x1, int y1, int x2, int y2, const char *texte, Police police, const char *nomImage,
                   Couleur couleurFond, Couleur couleurTexte, RappelBouton rappel, void *donneeRappel,
                   Fenetre *fenetre) {
    Bouton *bouton = NouveauWidget<Bouton>(x1, y1, x2, y2, "Allocation d'un bouton", fenetre);
    bouton->id = id;
    bouton->couleurTexte = couleurTexte;
    bouton->couleurFond = couleurFond;
    if (texte == nullptr) {
        bouton->police = nullptr;
    } else {
        bouton->police = police;
        // A caption too long for the record is cut, not refused.
        snprintf(bouton->texte, TAILLE_CHAINE_WIDGET, "%s", texte);
    }
    bouton->rappel = rappel;
    bouton->donneeRappel = donneeRappel;
    bouton->releve = 1;
    bouton->actif = 1;
    ChangeImageBouton(bouton, nomImage, fenetre);
    return bouton;
}

Bouton *CreeBoutonDansFrame(int id, char sens, int decalage, int largeur, int hauteur, const char *texte, Police police,
                            const char *nomImage, Couleur couleurFond, Couleur couleurTexte, RappelBouton rappel,
                            void *donneeRappel, Frame *frame, Fenetre *fenetre) {
    int x1, y1, x2, y2;
    PlaceDansFrame(frame, sens, decalage, largeur, hauteur, &x1, &y1, &x2, &y2);
    return CreeBouton(id, x1, y1, x2, y2, texte, police, nomImage, couleurFond, couleurTexte, rappel, donneeRappel,
                      fenetre);
}

void DetruitBouton(Bouton *bouton, Fenetre *fenetre) {
    if (bouton == nullptr)
        return;
    OublieFocus(bouton, fenetre);
    fenetre->nbBoutons = fenetre->nbBoutons - 1;
    fenetre->boutons = Delie(fenetre->boutons, bouton);
    LiberePixmap(bouton->image);
    free(bouton);
}

void ActiveBouton(Bouton *bouton) {
    bouton->actif = 1;
}

void DesactiveBouton(Bouton *bouton) {
    bouton->actif = 0;
}

void ChangeImageBouton(Bouton *bouton, const char *nomImage, Fenetre *fenetre) {
    // The previous image belongs to this button alone.
    LiberePixmap(bouton->image);
    int largeur = 0, hauteur = 0;
    bouton->image = ChargeImageWidget(bouton->nomImage, nomImage, &largeur, &hauteur, fenetre);
    bouton->largeurImage = largeur;
    bouton->hauteurImage = hauteur;
    TraceBouton(bouton, fenetre);
}

void ChangeTexteBouton(Bouton *bouton, const char *texte, Fenetre *fenetre) {
    if (texte == nullptr)
        texte = "";
    if (strlen(texte) + 1 >= TAILLE_CHAINE_WIDGET)
        TexteTropLong("text: %s trop long", texte);
    snprintf(bouton->texte, TAILLE_CHAINE_WIDGET, "%s", texte);
    TraceBouton(bouton, fenetre);
}

void DeplaceBouton(Bouton *bouton, int x1, int y1, int x2, int y2, Fenetre *fenetre) {
    bouton->x1 = x1;
    bouton->y1 = y1;
    bouton->x2 = x2;
    bouton->y2 = y2;
    TraceBouton(bouton, fenetre);
}

void ChangeCouleursBouton(Bouton *bouton, Couleur couleurTexte, Couleur couleurFond, Fenetre *fenetre) {
    bouton->couleurTexte = couleurTexte;
    bouton->couleurFond = couleurFond;
    TraceBouton(bouton, fenetre);
}

void TraceBouton(Bouton *bouton, Fenetre *fenetre) {
    const Bouton b = *bouton;
    TraceRectangle(b.x1, b.y1, b.x2, b.y2, AlloueCouleur(10, 10, 10, fenetre), fenetre);
    RemplitRectangle(b.x1 + 1, b.y1 + 1, b.x2 - 1, b.y2 - 1, b.couleurFond, fenetre);
    const Relief relief = b.releve != 0 ? EN_RELIEF : EN_CREUX;
    TraceBiseau(b.x1, b.y1, b.x2, b.y2, 1, 3, b.couleurFond, relief, COIN_EN_BAS, fenetre);
    if (b.nomImage[0] != '\0' && b.image != nullptr) {
        AffichePixmap(b.image, b.x1 + 3, b.y1 + 3, b.largeurImage, b.hauteurImage, fenetre);
    }
    if (b.police != nullptr)
        TraceLegende(b, fenetre);
    AnneauFocus(bouton, fenetre);
}

signed char ClicBouton(Bouton *bouton, int x, int y, Fenetre *fenetre) {
    if (!AtteintWidget(bouton, x, y))
        return 0;
    // The pressed look lives on a copy: the stored record stays raised.
    Bouton copie = *bouton;
    copie.releve = 0;
    TraceBouton(&copie, fenetre);
    Rafraichit(copie.x1, copie.y1, copie.x2 - copie.x1, copie.y2 - copie.y1, fenetre);
    Dort(5000);
    copie.releve = 1;
    TraceBouton(&copie, fenetre);
    Rafraichit(copie.x1, copie.y1, copie.x2 - copie.x1, copie.y2 - copie.y1, fenetre);
    if (copie.rappel == nullptr)
        return 1;
    return static_cast<signed char>(copie.rappel(copie.donneeRappel, copie.id));
}

signed char ClicBoutons(Bouton *tete, int x, int y, Fenetre *fenetre) {
    int position = 0;
    for (Bouton *bouton = tete; bouton != nullptr; position++) {
        // Read before the callback runs: a callback that took the press may
        // have destroyed its own button.
        Bouton *suivant = bouton->suivant;
        const signed char r = ClicBouton(bouton, x, y, fenetre);
        if (r == 1)
            return static_cast<signed char>(position);
        if (r != 0)
            return r;
        bouton = suivant;
    }
    return -1;
}
