// SPDX-License-Identifier: GPL-3.0-or-later
#include "bruit.h"

#include <cmath>

namespace {

int Modulo(int a, int n) {
    return ((a % n) + n) % n;
}

double Lisse(double t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

double Hachage(int32_t x, int32_t y, uint32_t graine) {
    uint32_t h = graine * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double BruitPeriodique(double u, double v, int cellules, uint32_t graine) {
    double x = u * cellules, y = v * cellules;
    double fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = Lisse(x - fx), ty = Lisse(y - fy);
    int x0 = Modulo(ix, cellules), x1 = Modulo(ix + 1, cellules);
    int y0 = Modulo(iy, cellules), y1 = Modulo(iy + 1, cellules);
    double haut = Hachage(x0, y0, graine) + (Hachage(x1, y0, graine) - Hachage(x0, y0, graine)) * tx;
    double bas = Hachage(x0, y1, graine) + (Hachage(x1, y1, graine) - Hachage(x0, y1, graine)) * tx;
    return haut + (bas - haut) * ty;
}

double BruitFractal(double u, double v, int cellules, int octaves, uint32_t graine) {
    double somme = 0, poids = 0, amplitude = 1;
    for (int o = 0; o < octaves; o++) {
        somme += amplitude * BruitPeriodique(u, v, cellules << o, graine + o);
        poids += amplitude;
        amplitude /= 2;
    }
    return somme / poids;
}
