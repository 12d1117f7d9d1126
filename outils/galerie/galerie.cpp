// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's gallery: every widget kind in one window, and buttons that
// open each dialog. Each widget reports what it holds on standard output,
// one line per change, so that a script can drive it and check the values.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ecran/dialogues/message.h"
#include "ecran/dialogues/palette.h"
#include "ecran/dialogues/selecteur.h"
#include "ecran/ecran.h"
#include "ecran/options.h"
#include "ecran/plateforme.h"
#include "ecran/widgets/ardoise.h"
#include "ecran/widgets/ascenseur.h"
#include "ecran/widgets/boitenombre.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"
#include "jeu/tables.h"

namespace {

enum { LARGEUR = 640, HAUTEUR = 480 };

const char *const LIGNES[] = {
    "Abricot", "Banane", "Cerise",   "Datte",     "Figue",  "Groseille",
    "Kiwi",    "Mangue", "Myrtille", "Nectarine", "Orange", "Pamplemousse rose de Floride",
    "Poire",   "Pomme",  "Prune",    "Raisin",
};
const int NB_LIGNES = sizeof LIGNES / sizeof LIGNES[0];

// The texture of the banner and of the dialogs' frames: the game's light paper,
// under which the gallery's dark ink reads (the setup panels' fabrics are dark,
// for light text).
const char *const TEXTURE = "cote.bmp";

// The gallery's window, font, colours and the widgets its callbacks read.
struct Galerie {
    Ecran ecran;
    Fenetre *fenetre;
    Police police;
    Couleur fond, encre, face;
    Frame *bandeau;
    Texte *saisie;
    ZoneTexte *liste;
    Ascenseur *horizontal, *vertical;
    Ardoise *ardoise;
    Couleur couleurArdoise;
};

Galerie galerie;

// The port's debugger channel, where the toolkit's own lines go.
void (*canalDebogage)(const char *texte) = nullptr;

// Shows one report line on standard output and in the window's banner.
void AfficheRapport(const char *ligne) {
    // Whatever drawing the banner says goes to the debugger channel, as usual.
    plateforme.EcritDiagnostic = canalDebogage;
    printf("%s\n", ligne);
    fflush(stdout);
    Frame *bandeau = galerie.bandeau;
    Fenetre *fenetre = galerie.fenetre;
    TraceFrame(bandeau, fenetre);
    EcritTexteCentre('h', 40, ligne, galerie.police, galerie.encre, bandeau->x1, bandeau->y1, bandeau->x2, bandeau->y2,
                     fenetre);
    Rafraichit(bandeau->x1, bandeau->y1, bandeau->x2 - bandeau->x1 + 1, bandeau->y2 - bandeau->y1 + 1, fenetre);
}

// Formats one report line with the toolkit's debugger writer, turned to the
// report for that line only: the toolkit's own lines still go to standard error.
template <typename... Valeurs>
void Rapporte(const char *format, Valeurs... valeurs) {
    canalDebogage = plateforme.EcritDiagnostic;
    plateforme.EcritDiagnostic = AfficheRapport;
    EcritDebogagef(format, valeurs...);
    plateforme.EcritDiagnostic = canalDebogage;
}

int AscenseurChange(void *, int id) {
    Ascenseur *ascenseur = id == 4 ? galerie.horizontal : galerie.vertical;
    Rapporte("ascenseur %d %d", id, ascenseur->valeur);
    return 1;
}

void NombreChange(void *, int valeur, int id) {
    Rapporte("nombre %d %d", id, valeur);
}

int TexteChange(void *, int) {
    char *copie = CopieTexte(galerie.saisie);
    Rapporte("texte %s", copie);
    free(copie);
    return 1;
}

int LigneChoisie(void *, int) {
    int k = galerie.liste->selection;
    Rapporte("ligne %d %s", k, LIGNES[k]);
    return 1;
}

// Paints the slate in its colour and leaves a dot wherever it is pressed.
int ArdoiseTouchee(void *, int, int x, int y, int genre, int boutons) {
    if (genre != GENRE_APPUI && boutons != 1)
        return 1;
    Fenetre *fenetre = galerie.fenetre;
    RemplitCercle(x, y, 3, galerie.encre, fenetre);
    Rafraichit(x - 4, y - 4, 9, 9, fenetre);
    if (genre == GENRE_APPUI)
        Rapporte("ardoise %d %d", x, y);
    return 1;
}

void PeintArdoise() {
    Ardoise *ardoise = galerie.ardoise;
    ardoise->couleur = galerie.couleurArdoise;
    TraceArdoise(ardoise, galerie.fenetre);
    Rafraichit(ardoise->x1, ardoise->y1, ardoise->x2 - ardoise->x1 + 1, ardoise->y2 - ardoise->y1 + 1, galerie.fenetre);
}

int OuvreMessage(void *, int) {
    AfficheMessage(galerie.fond, TEXTURE, galerie.face, nullptr, galerie.encre,
                   "Une boite de message, fermee par son bouton.", galerie.police, &galerie.ecran);
    Rapporte("message ferme");
    return 1;
}

int OuvreConfirmation(void *, int) {
    int reponse = DemandeConfirmation(galerie.fond, TEXTURE, galerie.face, nullptr, galerie.encre,
                                      "Voyez-vous la question?", galerie.police, &galerie.ecran);
    Rapporte("confirmation %d", reponse);
    return 1;
}

int OuvreSelecteur(void *, int) {
    FILE *flux = ChoisitFichier(galerie.fond, TEXTURE, galerie.face, nullptr, galerie.encre, "Choix d'un fichier", "r",
                                galerie.police, &galerie.ecran);
    if (flux == nullptr) {
        Rapporte("fichier aucun");
        return 1;
    }
    fseek(flux, 0, SEEK_END);
    Rapporte("fichier ouvert %ld octets", ftell(flux));
    fclose(flux);
    return 1;
}

int OuvrePalette(void *, int) {
    Couleur c = ChoisitCouleur(galerie.police, &galerie.ecran);
    galerie.couleurArdoise = c;
    PeintArdoise();
    Rapporte("couleur %d %d %d", c.r, c.g, c.b);
    return 1;
}

// The left column: a text entry, a number box, a list box and a horizontal bar.
void ConstruitGauche(Fenetre *fenetre) {
    CreeFrame(0, 60, 319, HAUTEUR - 1, nullptr, galerie.fond, fenetre);
    galerie.saisie = CreeTexte(1, 20, 80, 300, 120, "Texte modifiable", galerie.police, 40, galerie.encre, TexteChange,
                               nullptr, fenetre);
    CreeBoiteNombre(2, 20, 135, 300, 175, 5, galerie.police, 0, 99, galerie.face, NombreChange, nullptr, fenetre);
    galerie.liste = CreeZoneTexte(3, 20, 190, 300, 380, LIGNES, NB_LIGNES, galerie.police, galerie.encre, LigneChoisie,
                                  nullptr, fenetre);
    galerie.horizontal =
        CreeAscenseur(4, 'h', 20, 400, 300, 420, 50, 0, 100, galerie.face, AscenseurChange, nullptr, fenetre);
}

// The right column: a slate, a vertical bar and the buttons of the dialogs.
void ConstruitDroite(Fenetre *fenetre) {
    CreeFrame(320, 60, LARGEUR - 1, HAUTEUR - 1, nullptr, galerie.fond, fenetre);
    galerie.couleurArdoise = AlloueCouleur(255, 255, 255, fenetre);
    galerie.ardoise =
        CreeArdoise(5, 340, 80, 560, 230, nullptr, galerie.couleurArdoise, ArdoiseTouchee, nullptr, fenetre);
    galerie.vertical =
        CreeAscenseur(6, 'v', 590, 80, 610, 440, 0, 0, 20, galerie.face, AscenseurChange, nullptr, fenetre);
    struct {
        const char *texte;
        RappelBouton rappel;
        void *donnee;
    } boutons[] = {
        {"Message", OuvreMessage, nullptr},           {"Oui / Non", OuvreConfirmation, nullptr},
        {"Fichier", OuvreSelecteur, nullptr},         {"Palette", OuvrePalette, nullptr},
        {"Quitter", FermeToutRappel, &galerie.ecran},
    };
    // Two columns of buttons under the slate.
    for (int i = 0; i < 5; i++) {
        int x = 340 + (i % 2) * 115, y = 255 + (i / 2) * 60;
        CreeBouton(10 + i, x, y, x + 105, y + 40, boutons[i].texte, galerie.police, nullptr, galerie.face,
                   galerie.encre, boutons[i].rappel, boutons[i].donnee, fenetre);
    }
    // Beside "Quitter", the drawing primitives no widget uses: a circle and a filled ellipse.
    TraceCercle(480, 395, 18, galerie.encre, fenetre);
    RemplitEllipse(532, 395, 26, 14, AlloueCouleur(200, 110, 50, fenetre), fenetre);
}

}  // namespace

const TextesOptions textesOptions = {
    "galerie",
    "1.0",
    "galerie [--zoom=N] [--plein-ecran] [--muet] [--help] [--version]",
    "Chaque widget et chaque dialogue de la boite a outils ecran, a essayer.\n"
    "\n"
    "  --zoom=N, --zoom N  montre les fenetres N fois plus grandes (N de 1 a 4)\n"
    "  --plein-ecran       ouvre la fenetre en plein ecran ; F11 l'y met et l'en sort\n"
    "  --muet              commence sans le son\n"
    "  --help              montre cette aide et termine\n"
    "  --version           montre la version et termine\n",
    "option inconnue",
    "zoom invalide (1 a 4)",
    "valeur manquante apres"};

int main(int argc, char **argv) {
    int pleinEcran = LitLigneDeCommande(argc, argv, textesOptions, LARGEUR, HAUTEUR);
    const char *const images[] = {TEXTURE, iconesEcran[ICONE_HAUT], iconesEcran[ICONE_BAS], iconesEcran[ICONE_GAUCHE],
                                  iconesEcran[ICONE_DROITE]};
    // The game's folders: a packaged gallery would find the images where the game does.
    RetientDossierImages(images, 5, dossiers_donnees, NB_DOSSIERS_DONNEES);
    InitialiseEcranPleinEcran(&galerie.ecran, static_cast<uint8_t>(pleinEcran));
    Fenetre *fenetre = CreeFenetre(0, 0, LARGEUR, HAUTEUR, "Galerie ecran", 190, 190, 200, &galerie.ecran);
    if (fenetre == nullptr) {
        fprintf(stderr, "galerie: pas de fenetre\n");
        return 1;
    }
    galerie.fenetre = fenetre;
    galerie.police = OuvrePolice("lucidasans-18", 18, fenetre);
    galerie.fond = AlloueCouleur(190, 190, 200, fenetre);
    galerie.encre = AlloueCouleur(20, 20, 60, fenetre);
    galerie.face = AlloueCouleur(170, 180, 210, fenetre);
    galerie.bandeau = CreeFrame(0, 0, LARGEUR - 1, 59, TEXTURE, galerie.fond, fenetre);
    ConstruitGauche(fenetre);
    ConstruitDroite(fenetre);
    Rapporte("galerie prete");
    Rafraichit(0, 0, LARGEUR, HAUTEUR, fenetre);
    for (;;)
        AttendEvenement(galerie.ecran, fenetre);
}
