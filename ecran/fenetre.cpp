// SPDX-License-Identifier: GPL-3.0-or-later
// The display record, windows, and the helpers every module shares.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "directdraw/directdraw.h"
#include "directdraw/procedure.h"
#include "ecran.h"
#include "widgets/focus.h"

Evenement evenement = {0, 0, nullptr, -1, nullptr, 0, 0, 0};

namespace {

// Records whose platform window is gone, kept until their owners destroy
// them; held from a pointer that outlives exit, so they stay reachable.
std::vector<Fenetre *> &retirees = *new std::vector<Fenetre *>;

void LieFenetre(Fenetre *fenetre, Ecran *ecran) {
    fenetre->suivante = ecran->premiereFenetre;
    fenetre->precedente = nullptr;
    if (ecran->premiereFenetre)
        ecran->premiereFenetre->precedente = fenetre;
    ecran->premiereFenetre = fenetre;
}

void DelieFenetre(Fenetre *fenetre, Ecran *ecran) {
    Fenetre *suivante = fenetre->suivante, *precedente = fenetre->precedente;
    if (ecran->premiereFenetre == fenetre)
        ecran->premiereFenetre = suivante;
    else if (precedente)
        precedente->suivante = suivante;
    if (suivante)
        suivante->precedente = precedente;
}

// Releases the display objects a window holds (all of them: dialogs come and
// go, and a back buffer is the size of the window).
void LibereAffichage(Fenetre *fenetre) {
    plateforme.LibereSurface(fenetre->surfacePrimaire);
    plateforme.LibereSurface(fenetre->arrierePlan);
    plateforme.LibereObjetAffichage(fenetre->directDraw);
    plateforme.LibereClipper(fenetre->clipper);
    fenetre->clipper = nullptr;
    fenetre->surfacePrimaire = fenetre->arrierePlan = nullptr;
    fenetre->directDraw = nullptr;
}

// A window whose creation failed leaves neither a record in the list nor objects.
Fenetre *AbandonneFenetre(Fenetre *fenetre, Ecran *ecran) {
    DelieFenetre(fenetre, ecran);
    LibereAffichage(fenetre);
    free(fenetre);
    return nullptr;
}

}  // namespace

void InitialiseEcran(Ecran *ecran) {
    plateforme.Initialise();
    ecran->classe = ClasseFenetre{TraiteMessage, 4, {'T', 'W', 'S', 0}};
    ecran->nbFenetres = 0;
    ecran->premiereFenetre = nullptr;
    ecran->police = 0;
    srand(static_cast<unsigned>(time(nullptr)));
    ecran->pleinEcran = 0;
}

void InitialiseEcranPleinEcran(Ecran *ecran, uint8_t pleinEcran) {
    InitialiseEcran(ecran);
    ecran->pleinEcran = pleinEcran;
}

Fenetre *CreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int r, int g, int b, Ecran *ecran) {
    Fenetre *fenetre = static_cast<Fenetre *>(calloc(1, sizeof(Fenetre)));
    if (!fenetre) {
        perror("Allocation d'une fenetre");
        exit(1);
    }
    fenetre->largeur = largeur;
    fenetre->hauteur = hauteur;
    LieFenetre(fenetre, ecran);
    fenetre->ecran = ecran;
    // SDL creates the window with exactly this client size: nothing to resize.
    fenetre->hwnd = plateforme.CreeFenetre(x, y, largeur, hauteur, titre, ecran->pleinEcran);
    if (!fenetre->hwnd)
        return AbandonneFenetre(fenetre, ecran);
    plateforme.AssocieDonnee(fenetre->hwnd, ecran);
    fenetreEnCreation = fenetre;
    int affichage = InitialiseDirectDraw(fenetre);
    fenetreEnCreation = nullptr;
    if (!affichage)
        return AbandonneFenetre(fenetre, ecran);
    plateforme.MontreFenetre(fenetre->hwnd);
    RectanglePf zone;
    if (plateforme.ZoneClient(fenetre->hwnd, &zone))
        fenetre->zoneEcran = Zone{zone.gauche, zone.haut, zone.droite, zone.bas};
    fenetre->fond = AlloueCouleur(r, g, b, fenetre);
    RemplitRectangle(0, 0, largeur, hauteur, fenetre->fond, fenetre);
    fenetre->policeEcran = ecran;
    ecran->nbFenetres++;
    return fenetre;
}

void DetruitFenetre(Fenetre *fenetre, Ecran *ecran) {
    VideFenetre(fenetre);
    OublieFocusFenetre(fenetre);
    LibereAffichage(fenetre);
    // A window the platform has already destroyed left the list and the count then.
    auto retiree = std::find(retirees.begin(), retirees.end(), fenetre);
    if (retiree != retirees.end()) {
        retirees.erase(retiree);
    } else {
        ecran->nbFenetres--;
        DelieFenetre(fenetre, ecran);
    }
    // The platform window goes when a wait call handles this request: the
    // procedure no longer finds the record and leaves it to the platform.
    plateforme.PosteMessage(Message{fenetre->hwnd, MSG_FERME, 0, 0});
    if (evenement.fenetreCapturee == fenetre)
        evenement.fenetreCapturee = nullptr;
    free(fenetre);
}

void RetireFenetre(Fenetre *fenetre, Ecran *ecran) {
    ecran->nbFenetres--;
    DelieFenetre(fenetre, ecran);
    fenetre->suivante = fenetre->precedente = nullptr;
    retirees.push_back(fenetre);
}

bool FenetreVivante(Fenetre *fenetre) {
    for (Fenetre *f = fenetre->ecran->premiereFenetre; f; f = f->suivante)
        if (f == fenetre)
            return true;
    return false;
}

void FermeTout(Ecran *ecran) {
    while (ecran->premiereFenetre)
        DetruitFenetre(ecran->premiereFenetre, ecran);
    exit(0);
}

int FermeToutRappel(void *donnee, int) {
    FermeTout(static_cast<Ecran *>(donnee));
    return 1;
}

Fenetre *TrouveFenetre(Ecran *ecran, FenetrePf *hwnd) {
    for (Fenetre *f = ecran->premiereFenetre; f; f = f->suivante)
        if (f->hwnd == hwnd)
            return f;
    return nullptr;
}

int ErreurFenetre(FenetrePf *hwnd, const char *message) {
    EcritDebogage(message);
    destructionSurErreur = true;
    DetruitFenetrePlateforme(hwnd);
    destructionSurErreur = false;
    return 0;
}

int Hasard() {
    return rand();
}

uint64_t Paire(int a, int b) {
    return static_cast<uint64_t>(static_cast<uint32_t>(a)) | (static_cast<uint64_t>(static_cast<uint32_t>(b)) << 32);
}

void EcritDebogage(const char *texte) {
    plateforme.EcritDiagnostic(texte);
}

void EcritDebogagef(const char *format, ...) {
    char ligne[512];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(ligne, sizeof ligne, format, arguments);
    va_end(arguments);
    EcritDebogage(ligne);
}
