// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files are checked as image files are before any decoder sees them:
// only a regular file is opened (a FIFO named like a sound never blocks), of
// bounded size, that says it is a WAV file.
#include "son.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "directdraw/fichier_bmp.h"
#include "ecran.h"

namespace {

bool sonActif = true;
// Whether a sound was loaded: a program that has none needs no audio output.
bool sonCharge = false;

// A RIFF file whose form is WAVE.
bool EnteteWav(const std::vector<unsigned char> &octets) {
    return octets.size() >= 12 && memcmp(octets.data(), "RIFF", 4) == 0 && memcmp(octets.data() + 8, "WAVE", 4) == 0;
}

// The whole file if it passes the checks; empty, with the reason, if not.
std::vector<unsigned char> LitWav(const char *nom, std::string *raison) {
    int64_t taille = 0;
    const char *refus = nullptr;
    FILE *fichier = OuvreFichierOrdinaire(nom, &taille, &refus);
    if (fichier == nullptr) {
        *raison = refus;
        return {};
    }
    std::vector<unsigned char> octets;
    if (taille > OCTETS_MAX_SON) {
        *raison = "son trop grand (" + std::to_string(taille) + " octets)";
    } else {
        octets.resize(size_t(taille));
        if (fread(octets.data(), 1, octets.size(), fichier) != octets.size())
            *raison = "fichier illisible";
        else if (!EnteteWav(octets))
            *raison = "pas un fichier WAV";
        if (!raison->empty())
            octets.clear();
    }
    fclose(fichier);
    return octets;
}

}  // namespace

Son *ChargeSon(const char *nom) {
    std::string chemin = CheminImage(nom), raison;
    std::vector<unsigned char> octets = LitWav(chemin.c_str(), &raison);
    Son *son = octets.empty() ? nullptr : plateforme.DecodeSon(octets.data(), octets.size());
    if (son == nullptr) {
        EcritDebogagef("Peut pas charger le son %s : %s\n", chemin.c_str(),
                       raison.empty() ? "son endommage" : raison.c_str());
        return nullptr;
    }
    sonCharge = true;
    if (sonActif)
        plateforme.OuvreAudio();
    return son;
}

void JoueSon(Son *son) {
    if (sonActif && son != nullptr)
        plateforme.JoueSon(son);
}

void ActiveSon(bool actif) {
    sonActif = actif;
    if (actif && sonCharge)
        plateforme.OuvreAudio();
    else
        plateforme.CoupeSons();
}

void BasculeSon() {
    ActiveSon(!sonActif);
}

bool SonActif() {
    return sonActif;
}
