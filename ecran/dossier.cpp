// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program finds its images: the working directory, the program's
// own folder, then the folders its caller names (relative ones from the
// program's folder, as an installed tree is laid out). The folder found is
// remembered, not moved to: the working directory stays the user's (the
// file chooser lists it), and the images (and the sounds beside them) load
// from the folder wherever the working directory goes.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

#include "ecran.h"

namespace {

// Absolute, or empty when no folder holds the images.
std::string dossierImages;

bool FichierLisible(const std::string &chemin) {
    struct stat etat;
    return stat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode) && access(chemin.c_str(), R_OK) == 0;
}

bool Complet(const char *dossier, const char *const fichiers[], int nombre) {
    for (int i = 0; i < nombre; i++)
        if (!FichierLisible(std::string(dossier) + "/" + fichiers[i]))
            return false;
    return true;
}

// The folder the running program was started from, or "" when unknown.
std::string DossierProgramme() {
    char chemin[PATH_MAX];
    ssize_t longueur = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    if (longueur <= 0)
        return "";
    std::string programme(chemin, longueur);
    size_t barre = programme.rfind('/');
    return barre == std::string::npos ? "" : programme.substr(0, barre);
}

// The working directory, or "" when it cannot be named (it was removed).
std::string DossierCourant() {
    char chemin[PATH_MAX];
    return getcwd(chemin, sizeof chemin) != nullptr ? chemin : "";
}

}  // namespace

const char *DossierComplet(const char *const dossiers[], int nbDossiers, const char *const fichiers[], int nbFichiers) {
    for (int i = 0; i < nbDossiers; i++)
        if (dossiers[i][0] != '\0' && Complet(dossiers[i], fichiers, nbFichiers))
            return dossiers[i];
    return nullptr;
}

const char *RetientDossierImages(const char *const fichiers[], int nbFichiers, const char *const ailleurs[],
                                 int nbAilleurs) {
    std::string programme = DossierProgramme();
    std::vector<std::string> chemins = {DossierCourant(), programme};
    for (int i = 0; i < nbAilleurs; i++)
        chemins.push_back(ailleurs[i][0] == '/' ? ailleurs[i] : programme.empty() ? "" : programme + "/" + ailleurs[i]);
    std::vector<const char *> dossiers;
    for (const std::string &chemin : chemins)
        dossiers.push_back(chemin.c_str());
    // Without any, relative names load from the working directory, and the
    // first image load reports the missing file and ends the program.
    const char *dossier = DossierComplet(dossiers.data(), int(dossiers.size()), fichiers, nbFichiers);
    dossierImages = dossier != nullptr ? dossier : "";
    return dossier != nullptr ? dossierImages.c_str() : nullptr;
}

const char *DossierImagesEcran() {
    return dossierImages.c_str();
}

std::string CheminImage(const char *nom) {
    const char *dossier = DossierImagesEcran();
    if (nom[0] == '\0' || nom[0] == '/' || dossier[0] == '\0')
        return nom;
    return std::string(dossier) + "/" + nom;
}
