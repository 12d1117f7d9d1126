// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program finds its images: the working directory, the program's
// own folder, then the folders its caller names (relative ones from the
// program's folder, as an installed tree is laid out).
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "ecran.h"

namespace {

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

}  // namespace

const char *DossierComplet(const char *const dossiers[], int nbDossiers, const char *const fichiers[], int nbFichiers) {
    for (int i = 0; i < nbDossiers; i++)
        if (dossiers[i][0] != '\0' && Complet(dossiers[i], fichiers, nbFichiers))
            return dossiers[i];
    return nullptr;
}

void RejointDossierImages(const char *const fichiers[], int nbFichiers, const char *const ailleurs[], int nbAilleurs) {
    std::string programme = DossierProgramme();
    std::vector<std::string> chemins = {".", programme};
    for (int i = 0; i < nbAilleurs; i++)
        chemins.push_back(ailleurs[i][0] == '/' ? ailleurs[i] : programme.empty() ? "" : programme + "/" + ailleurs[i]);
    std::vector<const char *> dossiers;
    for (const std::string &chemin : chemins)
        dossiers.push_back(chemin.c_str());
    const char *dossier = DossierComplet(dossiers.data(), int(dossiers.size()), fichiers, nbFichiers);
    // Without any, the first image load reports the missing file and ends the program.
    if (dossier != nullptr && chdir(dossier) != 0)
        perror(dossier);
}
