// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "octets.h"

namespace {

void Etiquette(std::vector<uint8_t> &o, const char *quatre) {
    o.insert(o.end(), quatre, quatre + 4);
}

int16_t Echantillon(double v) {
    double borne = v < -1 ? -1 : v > 1 ? 1 : v;
    return static_cast<int16_t>(std::lround(borne * 32767));
}

}  // namespace

bool EcritWav(const std::vector<double> &echantillons, const std::string &chemin) {
    uint32_t donnees = static_cast<uint32_t>(echantillons.size()) * 2;
    std::vector<uint8_t> o;
    o.reserve(44 + donnees);
    Etiquette(o, "RIFF");
    Mot32(o, 36 + donnees);
    Etiquette(o, "WAVE");
    Etiquette(o, "fmt ");
    Mot32(o, 16);
    Mot16(o, 1);  // integer PCM
    Mot16(o, 1);  // mono
    Mot32(o, FREQUENCE_WAV);
    Mot32(o, FREQUENCE_WAV * 2);  // bytes a second
    Mot16(o, 2);                  // bytes a sample
    Mot16(o, 16);
    Etiquette(o, "data");
    Mot32(o, donnees);
    for (double v : echantillons)
        Mot16(o, static_cast<uint16_t>(Echantillon(v)));
    FILE *f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(o.data(), 1, o.size(), f) == o.size();
    return std::fclose(f) == 0 && ok;
}
