// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds, synthesised from struck partials and a breath of noise:
// no recorded sample goes into them. Each starts and ends at silence, with a
// soft attack and a fade, and peaks well under full scale.
#pragma once

#include <string>
#include <vector>

// One sound to write: its name in the data folder and its samples, from -1
// to 1 at FREQUENCE_WAV.
struct SonGenere {
    std::string nom;
    std::vector<double> echantillons;
};

// Every sound the game's tables name, in their order. The names that
// nothing here makes go to `orphelins`.
std::vector<SonGenere> SonsDuJeu(std::vector<std::string> *orphelins);
