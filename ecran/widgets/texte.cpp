// SPDX-License-Identifier: GPL-3.0-or-later
// Text entries: one-line editable texts.
#include "ecran/widgets/texte.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/widgets/focus.h"
#include "ecran/widgets/listes.h"

namespace {

// The navigation keys as ToucheTexte receives them.
enum {
    TOUCHE_FIN = TOUCHE_NAVIGATION | 0x23,
    TOUCHE_DEBUT = TOUCHE_NAVIGATION | 0x24,
    TOUCHE_GAUCHE = TOUCHE_NAVIGATION | 0x25,
    TOUCHE_DROITE = TOUCHE_NAVIGATION | 0x27,
    TOUCHE_SUPPRIME = TOUCHE_NAVIGATION | 0x2E
};
enum { CARACTERE_EFFACE = 8, CARACTERE_ENTREE = 13 };

int LargeurTexte(const char *chaine, Police police, int *hauteur, Fenetre *fenetre) {
    int largeur = 0, h = 0;
    TailleTexte(chaine, police, &largeur, &h, fenetre);
    if (hauteur != nullptr)
        *hauteur = h;
    return largeur;
}

void TraceCadreTexte(const Texte &t, Fenetre *fenetre) {
    RemplitRectangle(t.x1 + 1, t.y1 + 1, t.x2 - 1, t.y2 - 1, AlloueCouleur(255, 255, 255, fenetre), fenetre);
    TraceRectangle(t.x1 + 4, t.y1 + 4, t.x2 - 4, t.y2 - 4, AlloueCouleur(10, 10, 10, fenetre), fenetre);
    TraceBiseau(t.x1, t.y1, t.x2, t.y2, 1, 3, t.couleurFond, EN_CREUX, COIN_EN_BAS, fenetre);
}

// The first character shown reaches back as far as the text from it still
// fits, so the end of the contents stays in view.
int PremierMontre(const Texte &t, Fenetre *fenetre) {
    // Copies: std::min takes references, and the record is packed.
    int debut = std::min(static_cast<int>(t.debut), static_cast<int>(t.curseur));
    const int place = abs(t.x2 - t.x1 - 16);
    while (debut > 0 && LargeurTexte(t.texte + debut, t.police, nullptr, fenetre) < place)
        debut--;
    return debut;
}

void RafraichitTexte(Texte *texte, Fenetre *fenetre) {
    const int x1 = texte->x1, y1 = texte->y1;
    Rafraichit(x1, y1, texte->x2 - x1, texte->y2 - y1, fenetre);
}

// Applies one code to the contents and the cursor; returns nothing to tell.
void AppliqueTouche(int code, Texte *texte) {
    char *contenu = texte->texte;  // a byte buffer: no alignment to respect
    const int n = static_cast<int>(strlen(contenu));
    int curseur = texte->curseur, debut = texte->debut;
    switch (code) {
    case CARACTERE_EFFACE:
        if (curseur > 0) {
            if (debut > 0)
                debut--;
            curseur--;
            memmove(contenu + curseur, contenu + curseur + 1, n - curseur);
        }
        break;
    case TOUCHE_FIN: curseur = n; break;
    case TOUCHE_DEBUT: curseur = 0; break;
    case TOUCHE_GAUCHE:
        if (curseur > 0)
            curseur--;
        break;
    case TOUCHE_DROITE:
        if (curseur < n)
            curseur++;
        break;
    case TOUCHE_SUPPRIME:
        if (curseur < n)
            memmove(contenu + curseur, contenu + curseur + 1, n - curseur);
        break;
    default:
        // A zero byte would cut the contents short; other navigation keys have no use here.
        if (code > 0 && code <= 0xFF && n < texte->longueurMax && n < TAILLE_CHAINE_WIDGET - 1) {
            memmove(contenu + curseur + 1, contenu + curseur, n - curseur + 1);
            contenu[curseur++] = static_cast<char>(code);
        }
        break;
    }
    texte->curseur = curseur;
    texte->debut = debut;
}

}  // namespace

Texte *CreeTexte(int id, int x1, int y1, int x2, int y2, const char *texteInitial, Police police, int longueurMax,
                 Couleur couleurTexte, RappelTexte rappel, void *donneeRappel, Fenetre *fenetre) {
    Texte *texte = NouveauWidget<Texte>(x1, y1, x2, y2, "Allocation d'un texte", fenetre);
    texte->id = id;
    texte->longueurMax = std::min(longueurMax, static_cast<int>(TAILLE_CHAINE_WIDGET));
    texte->couleurTexte = couleurTexte;
    texte->couleurFond = fenetre->fond;
    texte->police = police;
    texte->rappel = rappel;
    texte->donneeRappel = donneeRappel;
    texte->edition = 0;
    texte->actif = 1;
    ChangeTexte(texte, texteInitial, fenetre);
    return texte;
}

Texte *CreeTexteDansFrame(int id, char sens, int decalage, int largeur, int hauteur, const char *texteInitial,
                          Police police, int longueurMax, Couleur couleurTexte, RappelTexte rappel, void *donneeRappel,
                          Frame *frame, Fenetre *fenetre) {
    int x1, y1, x2, y2;
    PlaceDansFrame(frame, sens, decalage, largeur, hauteur, &x1, &y1, &x2, &y2);
    Texte *texte =
        CreeTexte(id, x1, y1, x2, y2, texteInitial, police, longueurMax, couleurTexte, rappel, donneeRappel, fenetre);
    texte->couleurFond = frame->couleur;
    TraceTexte(texte, fenetre);
    return texte;
}

void ChangeTexte(Texte *texte, const char *contenu, Fenetre *fenetre) {
    if (contenu == nullptr)
        contenu = "";
    const size_t longueur = strlen(contenu);
    if (longueur + 1 >= TAILLE_CHAINE_WIDGET)
        TexteTropLong("Texte initial: %s trop long", contenu);
    snprintf(texte->texte, TAILLE_CHAINE_WIDGET, "%s", contenu);
    texte->longueur = static_cast<int32_t>(longueur);
    texte->curseur = static_cast<int32_t>(longueur);
    texte->debut = 0;
    TraceTexte(texte, fenetre);
}

char *CopieTexte(Texte *texte) {
    const size_t taille = strlen(texte->texte) + 1;
    char *copie = static_cast<char *>(AlloueWidget(taille, "Allocation d'un texte"));
    memcpy(copie, texte->texte, taille);
    return copie;
}

void TraceTexte(Texte *texte, Fenetre *fenetre) {
    Texte t = *texte;
    TraceCadreTexte(t, fenetre);
    t.debut = PremierMontre(t, fenetre);
    // The shown string, with the cursor mark while editing.
    char montre[TAILLE_CHAINE_WIDGET + 2];
    const int marque = t.curseur - t.debut;
    if (t.edition == 1) {
        snprintf(montre, sizeof montre, "%.*s|%s", marque, t.texte + t.debut, t.texte + t.curseur);
    } else {
        snprintf(montre, sizeof montre, "%s", t.texte + t.debut);
    }
    // Too wide: cut from the right while characters follow the cursor, then from the left.
    const int place = abs(t.x2 - t.x1 - 6);
    int longueur = static_cast<int>(strlen(montre));
    int k = 0, largeur = 0, hauteur = 0;
    while ((largeur = LargeurTexte(montre + k, t.police, &hauteur, fenetre)) > place && k < longueur) {
        if (longueur - k - 1 > marque - k) {
            montre[--longueur] = '\0';
        } else {
            k++;
        }
    }
    const int dx = (t.x2 - t.x1 - largeur) / 2;
    const int dy = (hauteur / 2 + (t.y2 - t.y1)) / 2;
    EcritTexte(t.x1 + dx, t.y1 + dy, montre + k, t.police, t.couleurTexte, fenetre);
    // A field too narrow for even the cursor mark must not leave debut past the cursor.
    texte->debut = std::min(t.debut + k, static_cast<int>(t.curseur));
    AnneauFocus(texte, fenetre);
}

void PlaceCurseurTexte(Texte *texte, int x, int /*y*/, Fenetre *fenetre) {
    const Texte &t = *texte;
    const int debut = t.debut;
    const int n = static_cast<int>(strlen(t.texte + debut));
    const int largeur = LargeurTexte(t.texte + debut, t.police, nullptr, fenetre);
    int c = 0;
    if (n > 0 && largeur > 0) {
        // As if every character were equally wide.
        const int place = t.x2 - t.x1 - 16;
        const int gauche = largeur < place ? t.x1 + 8 + (place - largeur) / 2 : t.x1 + 8;
        c = std::clamp(n * (x - gauche) / largeur, 0, n);
    }
    texte->curseur = debut + c;
    TraceTexte(texte, fenetre);
}

signed char ClicTexte(Texte *texte, int x, int y, Fenetre *fenetre, Ecran ecran) {
    if (!AtteintWidget(texte, x, y))
        return 0;
    // A press inside the entry already edited only moves the cursor: the
    // edit loop that runs it is still waiting below this press.
    const bool dejaEdite = evenement.texteEnEdition == texte && texte->edition == 1;
    texte->edition = 1;
    PlaceCurseurTexte(texte, x, y, fenetre);
    RafraichitTexte(texte, fenetre);
    if (dejaEdite)
        return 1;
    evenement.texteEnEdition = texte;
    return static_cast<signed char>(EditeTexte(texte, fenetre, ecran));
}

signed char ClicTextes(Texte *tete, int x, int y, Fenetre *fenetre, Ecran ecran) {
    int position = 0;
    for (Texte *texte = tete; texte != nullptr; position++) {
        Texte *suivant = texte->suivant;
        const signed char r = ClicTexte(texte, x, y, fenetre, ecran);
        if (r == 1)
            return static_cast<signed char>(position);
        if (r == CODE_EVENEMENT)
            return CODE_EVENEMENT;
        texte = suivant;
    }
    return -1;
}

int ToucheTexte(int code, Texte *texte, Fenetre *fenetre) {
    if (code == CARACTERE_ENTREE)
        return CODE_EVENEMENT;
    AppliqueTouche(code, texte);
    const RappelTexte rappel = texte->rappel;
    if (rappel != nullptr)
        rappel(texte->donneeRappel, texte->id);
    TraceTexte(texte, fenetre);
    RafraichitTexte(texte, fenetre);
    return 1;
}

void DetruitTexte(Texte *texte, Fenetre *fenetre) {
    if (texte == nullptr)
        return;
    // The event state must never point at a freed entry.
    if (evenement.texteEnEdition == texte)
        evenement.texteEnEdition = nullptr;
    texte->edition = 0;
    OublieFocus(texte, fenetre);
    fenetre->nbTextes = fenetre->nbTextes - 1;
    fenetre->textes = Delie(fenetre->textes, texte);
    free(texte);
}
