// SPDX-License-Identifier: GPL-3.0-or-later
// The message box, the yes/no box and the checked opening of a file.
#include "ecran/dialogues/message.h"

#include <sys/stat.h>

#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/frame.h"

namespace {

// What both boxes are made of, in the order their callers give it.
struct Apparence {
    Couleur fond;
    const char *image;
    Couleur couleurBouton;
    const char *imageBouton;
    Couleur couleurTexte;
    Police police;
};

enum { NON = 0, OUI = 1 };

int RappelContinue(void * /*donnee*/, int /*id*/) {
    return CODE_EVENEMENT;
}

// Keeps the identifier of the button pressed as the box's answer.
int RappelReponse(void *donnee, int id) {
    *static_cast<int *>(donnee) = id;
    return CODE_EVENEMENT;
}

Fenetre *OuvreBoite(const Apparence &a, Ecran *ecran) {
    return CreeFenetre(100, 100, 250, 150, "", a.fond.r, a.fond.g, a.fond.b, ecran);
}

Bouton *BoutonDeBoite(int id, int decalage, int largeur, const char *legende, RappelBouton rappel, void *donnee,
                      const Apparence &a, Frame *frame, Fenetre *boite) {
    return CreeBoutonDansFrame(id, 'v', decalage, largeur, 30, legende, a.police, a.imageBouton, a.couleurBouton,
                               a.couleurTexte, rappel, donnee, frame, boite);
}

// Shows the built box, waits for its answer, then destroys it.
void AttendBoite(Fenetre *boite, Ecran *ecran) {
    Rafraichit(0, 0, boite->largeur, boite->hauteur, boite);
    // A box that lost its window while being built (an image that failed)
    // is nobody's to answer: its wait ends at once.
    AttendEvenement(*ecran, boite);
    DetruitFenetre(boite, ecran);
}

void Dit(const Apparence &a, const char *message, Ecran *ecran) {
    AfficheMessage(a.fond, a.image, a.couleurBouton, a.imageBouton, a.couleurTexte, message, a.police, ecran);
}

// A stream in the mode asked for, or the box that says it cannot be had.
FILE *OuvreOuDit(const Apparence &a, const char *nomFichier, const char *mode, Ecran *ecran) {
    FILE *flux = fopen(nomFichier, mode);
    if (flux == nullptr)
        Dit(a, "Le fichier ne peut etre utilise", ecran);
    return flux;
}

}  // namespace

void AfficheMessage(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                    Couleur couleurTexte, const char *message, Police police, Ecran *ecran) {
    const Apparence a = {fond, image, couleurBouton, imageBouton, couleurTexte, police};
    Fenetre *boite = OuvreBoite(a, ecran);
    if (boite == nullptr)
        return;
    CreeFrame(0, 0, 250, 90, image, fond, boite);
    EcritTexteDansRectangle(10, 10, 240, 90, message, police, couleurTexte, boite);
    Frame *bas = CreeFrame(65, 91, 185, 150, image, fond, boite);
    DonneFocus(BoutonDeBoite(0, 15, 90, "Continue", RappelContinue, nullptr, a, bas, boite), boite);
    AttendBoite(boite, ecran);
}

int DemandeConfirmation(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                        Couleur couleurTexte, const char *message, Police police, Ecran *ecran) {
    const Apparence a = {fond, image, couleurBouton, imageBouton, couleurTexte, police};
    // A box closed without a button pressed answers "Non".
    int reponse = NON;
    Fenetre *boite = OuvreBoite(a, ecran);
    if (boite == nullptr)
        return reponse;
    CreeFrame(0, 0, 250, 90, image, fond, boite);
    EcritTexteDansRectangle(10, 10, 240, 80, message, police, couleurTexte, boite);
    Frame *gauche = CreeFrame(0, 91, 125, 150, image, fond, boite);
    Frame *droite = CreeFrame(126, 91, 250, 150, image, fond, boite);
    // The first button holds the keys: Return answers no, which changes nothing.
    DonneFocus(BoutonDeBoite(NON, 32, 60, "Non", RappelReponse, &reponse, a, gauche, boite), boite);
    BoutonDeBoite(OUI, 32, 60, "Oui", RappelReponse, &reponse, a, droite, boite);
    AttendBoite(boite, ecran);
    return reponse;
}

FILE *OuvreFichierVerifie(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                          Couleur couleurTexte, const char *nomFichier, const char *mode, Police police, Ecran *ecran) {
    if (nomFichier == nullptr || mode == nullptr)
        return nullptr;
    const Apparence a = {fond, image, couleurBouton, imageBouton, couleurTexte, police};
    struct stat etat = {};
    const bool existe = stat(nomFichier, &etat) == 0;
    // A directory opens for reading, and a FIFO would block the program (a
    // socket never opens): none is a file here. Devices such as /dev/null are.
    const mode_t genre = etat.st_mode;
    const bool utilisable = existe && !S_ISDIR(genre) && !S_ISFIFO(genre) && !S_ISSOCK(genre);
    FILE *lecture = utilisable ? fopen(nomFichier, "r") : nullptr;
    if (mode[0] == 'r') {
        if (lecture == nullptr) {
            Dit(a, "Le fichier n'existe pas ou vous n'avez pas les droits", ecran);
            return nullptr;
        }
        if (mode[1] == '\0')
            return lecture;
        // "r+" or "rb" must give the stream asked for, not a plain reading one.
        fclose(lecture);
        return OuvreOuDit(a, nomFichier, mode, ecran);
    }
    if (lecture != nullptr)
        fclose(lecture);
    if (existe && !utilisable) {
        Dit(a, "Le fichier ne peut etre utilise", ecran);
        return nullptr;
    }
    // Any existing file is worth the question, even one this user cannot read.
    if (mode[0] == 'w' && existe &&
        !DemandeConfirmation(fond, image, couleurBouton, imageBouton, couleurTexte,
                             "Confirmez-vous l'utilisation de ce fichier?", police, ecran)) {
        return nullptr;
    }
    return OuvreOuDit(a, nomFichier, mode, ecran);
}
