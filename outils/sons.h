// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds, synthesised from struck partials and a breath of noise:
// no recorded sample goes into them. Each starts and ends at silence, with a
// soft attack and a fade, and peaks well under full scale.
#pragma once

#include <vector>

// One sound: its file name and how it is made, as samples from -1 to 1 at FREQUENCE_WAV.
struct SonGenere {
    const char *nom;
    std::vector<double> (*synthetise)();
};

enum { NB_SONS_GENERES = 5 };

// A pawn placed, a pawn turned, a pass, a win, a draw.
extern const SonGenere sons_generes[NB_SONS_GENERES];
