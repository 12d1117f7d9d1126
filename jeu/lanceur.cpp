// SPDX-License-Identifier: GPL-3.0-or-later
// The flipora command: starts ok_fr or ok_en, whichever speaks the user's
// language, from its own folder so that a moved install still finds its
// programs, and hands it the command line. It replaces itself with the
// program, so the desktop sees one process.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "jeu/langue.h"

namespace {

// The shell's statuses for a command found but not runnable, and one not found.
const int statut_non_executable = 126;
const int statut_introuvable = 127;

// The folder of this executable, with its final slash; empty (errno set) when
// the system does not say.
std::string DossierDuLanceur() {
    char chemin[PATH_MAX];
    ssize_t longueur = readlink("/proc/self/exe", chemin, sizeof chemin);
    if (longueur <= 0 || size_t(longueur) == sizeof chemin) {
        if (longueur > 0)
            errno = ENAMETOOLONG;
        return "";
    }
    std::string dossier(chemin, size_t(longueur));
    return dossier.substr(0, dossier.rfind('/') + 1);
}

// Says what could not be had, and why, with the shell's status for it.
int Echoue(const char *quoi, const char *chemin, int erreur) {
    fprintf(stderr, "flipora : %s %s : %s\n", quoi, chemin, strerror(erreur));
    return erreur == ENOENT ? statut_introuvable : statut_non_executable;
}

}  // namespace

int main(int argc, char **argv) {
    std::string dossier = DossierDuLanceur();
    if (dossier.empty())
        return Echoue("dossier introuvable par", "/proc/self/exe", errno);
    std::string programme = dossier + ProgrammeDeLangue(LitEnvironnementLangue());
    std::vector<char *> arguments{&programme[0]};
    for (int i = 1; i < argc; i++)
        arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    execv(programme.c_str(), arguments.data());
    return Echoue("impossible de lancer", programme.c_str(), errno);
}
