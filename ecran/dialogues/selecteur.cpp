// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser. The lists show the real directory; the name entry is
// what counts: "OK" hands its contents to the checked opening, and a refused
// name brings the user back to the chooser.
#include "ecran/dialogues/selecteur.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ecran/dialogues/message.h"
#include "ecran/widgets/bouton.h"
#include "ecran/widgets/focus.h"
#include "ecran/widgets/frame.h"
#include "ecran/widgets/texte.h"
#include "ecran/widgets/zonetexte.h"

namespace {

enum { LARGEUR = 350, HAUTEUR = 300, TAILLE_CHEMIN = 256 };

// A heap array of heap copies of the names (room for one at least); a
// failed allocation ends the program with the message given.
char **CopieNoms(const std::vector<std::string> &noms, const char *message) {
    char **tableau = static_cast<char **>(malloc(std::max<size_t>(noms.size(), 1) * sizeof(char *)));
    if (tableau == nullptr) {
        perror(message);
        exit(1);
    }
    for (size_t i = 0; i < noms.size(); i++) {
        tableau[i] = strdup(noms[i].c_str());
        if (tableau[i] == nullptr) {
            perror(message);
            exit(1);
        }
    }
    return tableau;
}

void LibereNoms(char **noms, int nombre) {
    if (noms == nullptr)
        return;
    for (int i = 0; i < nombre; i++)
        free(noms[i]);
    free(noms);
}

// Joins a directory and a name, without doubling the slash after "/";
// false when the result would not fit in `taille` bytes.
bool Joint(const char *repertoire, const char *nom, char *resultat, size_t taille) {
    size_t n = strlen(repertoire);
    const char *separateur = (n > 0 && repertoire[n - 1] == '/') ? "" : "/";
    int ecrit = snprintf(resultat, taille, "%s%s%s", repertoire, separateur, nom);
    return ecrit >= 0 && size_t(ecrit) < taille;
}

// Reads the entries of `chemin` into the two sorted name lists; false when
// the directory cannot be read.
bool LitEntrees(const char *chemin, std::vector<std::string> &repertoires, std::vector<std::string> &fichiers) {
    DIR *dossier = opendir(chemin);
    if (dossier == nullptr)
        return false;
    while (dirent *entree = readdir(dossier)) {
        const char *nom = entree->d_name;
        struct stat etat;
        if (fstatat(dirfd(dossier), nom, &etat, 0) != 0)
            continue;  // a dangling link: nothing to open
        if (S_ISDIR(etat.st_mode)) {
            if (nom[0] != '.')
                repertoires.push_back(nom);
        } else if (S_ISREG(etat.st_mode)) {
            fichiers.push_back(nom);
        }
    }
    closedir(dossier);
    std::sort(repertoires.begin(), repertoires.end());
    std::sort(fichiers.begin(), fichiers.end());
    repertoires.insert(repertoires.begin(), "..");
    return true;
}

// Shows the state's current arrays in both lists, nothing picked, and refreshes.
void MontreListes(Selecteur *selecteur) {
    Fenetre *fenetre = selecteur->fenetre;
    ZoneTexte *zones[2] = {selecteur->zoneRepertoires, selecteur->zoneFichiers};
    for (ZoneTexte *zone : zones)
        zone->selection = -1;
    ChangeLignesZoneTexte(zones[0], selecteur->repertoires, selecteur->nbRepertoires);
    TraceZoneTexte(zones[0], fenetre);
    ChangeLignesZoneTexte(zones[1], selecteur->fichiers, selecteur->nbFichiers);
    TraceZoneTexte(zones[1], fenetre);
    Rafraichit(0, 0, LARGEUR, HAUTEUR, fenetre);
}

// A directory line picked: list that directory.
int RepertoireChoisi(void *donnee, int) {
    Selecteur *selecteur = static_cast<Selecteur *>(donnee);
    int ligne = selecteur->zoneRepertoires->selection;
    if (ligne < 0 || ligne >= selecteur->nbRepertoires)
        return 1;
    char cible[TAILLE_CHEMIN];
    // Build the target before LitRepertoire frees the name it comes from.
    if (Joint(selecteur->chemin, selecteur->repertoires[ligne], cible, sizeof cible))
        LitRepertoire(cible, selecteur);
    MontreListes(selecteur);
    return 1;
}

// A file line picked: its full path goes into the name entry. A path that
// would not fit is left out rather than cut into another file's name.
int FichierChoisi(void *donnee, int) {
    Selecteur *selecteur = static_cast<Selecteur *>(donnee);
    int ligne = selecteur->zoneFichiers->selection;
    if (ligne < 0 || ligne >= selecteur->nbFichiers)
        return 1;
    char nom[TAILLE_CHEMIN];
    if (!Joint(selecteur->chemin, selecteur->fichiers[ligne], nom, sizeof nom))
        return 1;
    ChangeTexte(selecteur->saisie, nom, selecteur->fenetre);
    Rafraichit(0, 0, LARGEUR, HAUTEUR, selecteur->fenetre);
    return 1;
}

int Annule(void *donnee, int) {
    static_cast<Selecteur *>(donnee)->choix = nullptr;
    return CODE_EVENEMENT;
}

int Accepte(void *donnee, int) {
    Selecteur *selecteur = static_cast<Selecteur *>(donnee);
    selecteur->choix = CopieTexte(selecteur->saisie);
    return CODE_EVENEMENT;
}

// Builds the chooser's widgets on its fresh window, listing the working directory.
void ConstruitSelecteur(Selecteur *selecteur, Couleur fond, const char *image, Couleur couleurBouton,
                        const char *imageBouton, Couleur couleurTexte, Police police) {
    Fenetre *fenetre = selecteur->fenetre;
    Frame *haut = CreeFrame(0, 0, LARGEUR, 70, image, fond, fenetre);
    selecteur->saisie =
        CreeTexteDansFrame(10, 'v', 30, 290, 40, "", police, 255, couleurTexte, nullptr, nullptr, haut, fenetre);
    DonneFocus(selecteur->saisie, fenetre);
    LitRepertoire(".", selecteur);
    CreeFrame(0, 70, LARGEUR, HAUTEUR, image, fond, fenetre);
    selecteur->zoneRepertoires = CreeZoneTexte(0, 20, 90, 170, 230, selecteur->repertoires, selecteur->nbRepertoires,
                                               police, couleurTexte, RepertoireChoisi, selecteur, fenetre);
    selecteur->zoneFichiers = CreeZoneTexte(0, 180, 90, 330, 230, selecteur->fichiers, selecteur->nbFichiers, police,
                                            couleurTexte, FichierChoisi, selecteur, fenetre);
    CreeBouton(10, 50, 250, 150, 280, "Annuler", police, imageBouton, couleurBouton, couleurTexte, Annule, selecteur,
               fenetre);
    CreeBouton(20, 200, 250, 300, 280, "OK", police, imageBouton, couleurBouton, couleurTexte, Accepte, selecteur,
               fenetre);
    Rafraichit(0, 0, LARGEUR, HAUTEUR, fenetre);
}

}  // namespace

int LitRepertoire(const char *chemin, Selecteur *selecteur) {
    std::vector<std::string> repertoires, fichiers;
    char complet[PATH_MAX];
    bool lu = false;
    if (realpath(chemin, complet) != nullptr && strlen(complet) < TAILLE_CHEMIN) {
        memcpy(selecteur->chemin, complet, strlen(complet) + 1);
        lu = LitEntrees(complet, repertoires, fichiers);
    }
    // A directory that cannot be read still leads back where the user came from.
    if (!lu)
        repertoires = {".."};
    LibereListesSelecteur(selecteur);
    selecteur->repertoires = CopieNoms(repertoires, "Creation de la list de repertoire");
    selecteur->nbRepertoires = int(repertoires.size());
    selecteur->fichiers = CopieNoms(fichiers, "Creation de la list de fichier");
    selecteur->nbFichiers = int(fichiers.size());
    return lu ? 1 : 0;
}

void LibereListesSelecteur(Selecteur *selecteur) {
    LibereNoms(selecteur->repertoires, selecteur->nbRepertoires);
    LibereNoms(selecteur->fichiers, selecteur->nbFichiers);
    selecteur->repertoires = nullptr;
    selecteur->fichiers = nullptr;
    selecteur->nbRepertoires = 0;
    selecteur->nbFichiers = 0;
}

FILE *ChoisitFichier(Couleur fond, const char *image, Couleur couleurBouton, const char *imageBouton,
                     Couleur couleurTexte, const char *titre, const char *mode, Police police, Ecran *ecran) {
    Fenetre *fenetre = CreeFenetre(100, 100, LARGEUR, HAUTEUR, titre, fond.r, fond.g, fond.b, ecran);
    if (fenetre == nullptr)
        return nullptr;
    Selecteur selecteur = {};
    selecteur.fenetre = fenetre;
    ConstruitSelecteur(&selecteur, fond, image, couleurBouton, imageBouton, couleurTexte, police);
    FILE *flux = nullptr;
    while (flux == nullptr) {
        // Cleared before each wait: a window closed by the platform takes no name.
        selecteur.choix = nullptr;
        AttendEvenement(*ecran, fenetre);
        char *choix = selecteur.choix;
        if (choix == nullptr)
            break;
        flux = OuvreFichierVerifie(fond, image, couleurBouton, imageBouton, couleurTexte, choix, mode, police, ecran);
        free(choix);
    }
    LibereListesSelecteur(&selecteur);
    DetruitFenetre(fenetre, ecran);
    return flux;
}
