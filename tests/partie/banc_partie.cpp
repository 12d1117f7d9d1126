// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc_partie.h"

#include <cstring>

#include "ecran/dialogues/message.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/frame.h"
#include "jeu/coup.h"
#include "jeu/ecrans.h"

namespace banc_partie {

Application application;
std::vector<int> sommeils;
std::vector<std::vector<uint32_t>> boites;

namespace {

void EnregistreSommeil(int millisecondes) {
    sommeils.push_back(millisecondes);
}

// The player reads the box, then presses "Continue" (its centre in the box).
void RepondBoite(Fenetre *boite) {
    boites.push_back(Pixels(boite, 0, 0, 249, 89));
    PfInjecteSouris(boite->hwnd, MSG_BOUTON_GAUCHE_BAS, 125, 120, PF_MK_GAUCHE);
    PfInjecteSouris(boite->hwnd, MSG_BOUTON_GAUCHE_HAUT, 125, 120, 0);
}

}  // namespace

void DemarreProgramme() {
    sommeils.clear();
    boites.clear();
    sommeil = EnregistreSommeil;
    boiteConstruite = RepondBoite;
    PfVideMessages();
    evenement = Evenement{};
    evenement.touche = -1;
    CacheFocus(&application.ecran);  // no keyboard used yet in this run
    memset(static_cast<void *>(&application), 0, sizeof application);
    OuvreJeu(&application);
    ASSERT_NE(application.fenetre, nullptr);
    Clique(400, 300);
    QuittePresentation(&application);
}

void ArreteProgramme() {
    PrendPartieLancee();
    if (application.ecran.nbFenetres > 0) {
        FermePolice(police_jeu, application.fenetre);
        DetruitFenetre(application.fenetre, &application.ecran);
    }
    PfVideMessages();
    for (Pixmap *&image : pixmaps_jeu) {
        LiberePixmap(image);
        image = nullptr;
    }
    LiberePixmap(application.partie.images[1][0]);
    police_jeu = nullptr;
    sommeil = nullptr;
    boiteConstruite = nullptr;
}

void Clique(int x, int y) {
    PfInjecteSouris(application.fenetre->hwnd, MSG_BOUTON_GAUCHE_BAS, x, y, PF_MK_GAUCHE);
    PfInjecteSouris(application.fenetre->hwnd, MSG_BOUTON_GAUCHE_HAUT, x, y, 0);
}

void Traite() {
    while (TesteClic(application.ecran, nullptr, nullptr, nullptr) != 0) {}
}

void CliqueEtTraite(int x, int y) {
    Clique(x, y);
    Traite();
}

void Lance() {
    Clique(X_DROITE, Y_QUITTER_JOUER);
    AttendPartie(&application);
}

void ChoisitJoueur(int cote, int niveau) {
    int x = cote < 0 ? X_GAUCHE : X_DROITE;
    if (niveau == 0)
        CliqueEtTraite(x, Y_HUMAIN);
    else
        CliqueEtTraite(x - 40 + 40 * (niveau - 1), cote < 0 ? 365 : 370);
}

void ChoisitTaille(int taille) {
    int k = (taille - 6) / 2;
    CliqueEtTraite(377 + 45 * (k % 2), 345 + 40 * (k / 2));
}

void JoueCase(int x, int y) {
    int origine = application.partie.origine;
    CliqueEtTraite(origine + TAILLE_CASE * x + 25, origine + TAILLE_CASE * y + 25);
}

uint32_t Pixel(Fenetre *fenetre, int x, int y) {
    return Pixels(fenetre, x, y, x, y)[0];
}

uint32_t Valeur(Couleur c) {
    return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}

std::vector<uint32_t> Pixels(Fenetre *fenetre, int x1, int y1, int x2, int y2) {
    std::vector<uint32_t> pixels;
    AccesPixels acces;
    if (plateforme.Accede(fenetre->arrierePlan, &acces) != 0) {
        ADD_FAILURE() << "pixels unreadable";
        return pixels;
    }
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            pixels.push_back(acces.pixels[y * acces.pas + x] & 0xFFFFFF);
    plateforme.Relache(fenetre->arrierePlan);
    return pixels;
}

int CompteCouleur(Fenetre *fenetre, int x1, int y1, int x2, int y2, Couleur couleur) {
    int nombre = 0;
    for (uint32_t pixel : Pixels(fenetre, x1, y1, x2, y2))
        nombre += pixel == Valeur(couleur);
    return nombre;
}

std::vector<uint32_t> BoiteAttendue(const char *texte) {
    Fenetre *essai = CreeFenetre(100, 100, 250, 150, "", bleu_clair.r, bleu_clair.g, bleu_clair.b, &application.ecran);
    CreeFrame(0, 0, 250, 90, fichiers_images[PIXMAP_MOQUETTE + 1], bleu_clair, essai);
    EcritTexteDansRectangle(10, 10, 240, 90, texte, police_jeu, noir, essai);
    std::vector<uint32_t> pixels = Pixels(essai, 0, 0, 249, 89);
    DetruitFenetre(essai, &application.ecran);
    return pixels;
}

int Pions(int cote) {
    int nombre = 0, n = application.partie.taille;
    for (int x = 0; x < n; x++)
        for (int y = 0; y < n; y++)
            nombre += plateau[x][y] == cote;
    return nombre;
}

}  // namespace banc_partie
