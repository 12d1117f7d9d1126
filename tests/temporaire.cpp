// SPDX-License-Identifier: GPL-3.0-or-later
#include "temporaire.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Folders this process made; emptied at its exit.
struct Dossiers {
    pid_t createur = getpid();
    std::vector<std::string> chemins;

    ~Dossiers() {
        if (getpid() != createur)
            return;
        std::error_code ignore;
        for (const std::string &chemin : chemins)
            std::filesystem::remove_all(chemin, ignore);
    }
};

Dossiers &dossiers() {
    static Dossiers tous;
    return tous;
}

}  // namespace

std::string DossierTemporaire(const char *prefixe) {
    const char *racine = getenv("TMPDIR");
    std::string modele = std::string(racine != nullptr && *racine != '\0' ? racine : "/tmp") + "/" + prefixe + "XXXXXX";
    if (mkdtemp(modele.data()) == nullptr)
        return "";
    dossiers().chemins.push_back(modele);
    return modele;
}
