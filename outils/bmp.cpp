// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "octets.h"

namespace {

uint8_t Octet(float v) {
    return static_cast<uint8_t>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v));
}

}  // namespace

bool EcritBmp(const Toile &t, const std::string &chemin) {
    uint32_t ligne = (static_cast<uint32_t>(t.largeur) * 3 + 3) & ~3u;
    uint32_t taillePixels = ligne * static_cast<uint32_t>(t.hauteur);
    std::vector<uint8_t> o;
    o.reserve(54 + taillePixels);
    o.push_back('B');
    o.push_back('M');
    Mot32(o, 54 + taillePixels);
    Mot32(o, 0);
    Mot32(o, 54);
    Mot32(o, 40);
    Mot32(o, static_cast<uint32_t>(t.largeur));
    Mot32(o, static_cast<uint32_t>(t.hauteur));  // positive height: rows run bottom-up
    Mot16(o, 1);
    Mot16(o, 24);
    Mot32(o, 0);  // no compression
    Mot32(o, taillePixels);
    Mot32(o, 2835);  // 72 dots per inch
    Mot32(o, 2835);
    Mot32(o, 0);
    Mot32(o, 0);
    for (int y = t.hauteur - 1; y >= 0; y--) {
        for (int x = 0; x < t.largeur; x++) {
            Rvb c = LitPixel(t, x, y);
            o.push_back(Octet(c.b));
            o.push_back(Octet(c.g));
            o.push_back(Octet(c.r));
        }
        for (uint32_t p = static_cast<uint32_t>(t.largeur) * 3; p < ligne; p++)
            o.push_back(0);
    }
    FILE *f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(o.data(), 1, o.size(), f) == o.size();
    return std::fclose(f) == 0 && ok;
}
