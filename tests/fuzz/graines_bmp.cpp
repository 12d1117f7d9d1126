// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz target's seed corpus: one small file of every BMP kind the loader
// accepts, so that the fuzzer starts from each decoder path instead of
// having to find it by chance.
//
// Usage: graines_bmp FOLDER
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<unsigned char>;

void Ajoute16(Octets &o, uint32_t v) {
    o.push_back(static_cast<unsigned char>(v));
    o.push_back(static_cast<unsigned char>(v >> 8));
}

void Ajoute32(Octets &o, uint32_t v) {
    Ajoute16(o, v & 0xFFFF);
    Ajoute16(o, v >> 16);
}

// Every image is 5 x 3: rows of odd length, so that padding matters.
constexpr int L = 5, H = 3;

// What follows the file header: an information header of `entete` bytes
// (40, 108 or 124; the colour masks go inside from 108 on), or the 12-byte
// OS/2 one.
Octets Entete(int entete, int32_t h, int bits, int compression, int couleurs, const std::vector<uint32_t> &masques) {
    Octets o;
    Ajoute32(o, static_cast<uint32_t>(entete));
    if (entete == 12) {
        Ajoute16(o, L);
        Ajoute16(o, static_cast<uint32_t>(h));
        Ajoute16(o, 1);
        Ajoute16(o, static_cast<uint32_t>(bits));
        return o;
    }
    for (uint32_t v : {uint32_t{L}, static_cast<uint32_t>(h), 1u | (static_cast<uint32_t>(bits) << 16),
                       static_cast<uint32_t>(compression), 0u, 2835u, 2835u, static_cast<uint32_t>(couleurs), 0u})
        Ajoute32(o, v);
    for (uint32_t m : masques)
        Ajoute32(o, m);
    if (entete > 40)
        Ajoute32(o, 0x73524742);  // 'sRGB'
    o.resize(entete + (entete == 40 ? 4 * masques.size() : 0), 0);
    return o;
}

// A colour table of `n` greys and primaries, 4 bytes an entry (3 after an OS/2 header).
Octets Table(int n, int octets) {
    Octets o;
    for (int i = 0; i < n; i++) {
        uint32_t c = i % 4 == 0 ? (i * 0x010101u) & 0xFFFFFF : 0xFFu << (8 * (i % 4 - 1));
        for (int k = 0; k < octets; k++)
            o.push_back(k < 3 ? static_cast<unsigned char>(c >> (8 * k)) : 0);
    }
    return o;
}

// Uncompressed rows, padded to 4 bytes: colour indexes packed from the high
// bit at 8 bits or fewer, a byte pattern above.
Octets Lignes(int bits, int couleurs) {
    Octets o;
    int pas = (L * bits + 31) / 32 * 4;
    for (int y = 0; y < H; y++) {
        Octets ligne(pas, 0);
        for (int x = 0; x < L; x++) {
            if (bits <= 8) {
                int bit = x * bits, indice = (x + y) % couleurs;
                ligne[bit / 8] |= static_cast<unsigned char>(indice << (8 - bits - bit % 8));
            } else {
                for (int k = 0; k < bits / 8; k++)
                    ligne[x * bits / 8 + k] = static_cast<unsigned char>(37 * x + 91 * y + 53 * k);
            }
        }
        o.insert(o.end(), ligne.begin(), ligne.end());
    }
    return o;
}

// Runs, a literal stretch, a row end, a skip and the image end, in 8 bits a pixel.
const Octets rle8 = {2, 1, 0, 3, 2, 3, 0, 0, 0, 0, 5, 2, 0, 0, 0, 2, 1, 0, 4, 3, 0, 1};
// The same in 4 bits: two colours a byte, alternating along a run.
const Octets rle4 = {5, 0x12, 0, 0, 0, 5, 0x01, 0x23, 0x30, 0, 0, 0, 0, 2, 2, 0, 3, 0x31, 0, 1};

// One seed file: the file header, then the rest.
bool Ecrit(const std::string &dossier, const char *nom, const Octets &entete, const Octets &table,
           const Octets &donnees) {
    Octets o = {'B', 'M'};
    uint32_t debut = static_cast<uint32_t>(14 + entete.size() + table.size());
    Ajoute32(o, debut + static_cast<uint32_t>(donnees.size()));
    Ajoute32(o, 0);
    Ajoute32(o, debut);
    for (const Octets *partie : {&entete, &table, &donnees})
        o.insert(o.end(), partie->begin(), partie->end());
    FILE *f = fopen((dossier + "/" + nom).c_str(), "wb");
    bool ecrit = f && fwrite(o.data(), 1, o.size(), f) == o.size();
    return f && fclose(f) == 0 && ecrit;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage : graines_bmp DOSSIER\n");
        return 64;
    }
    std::string d = argv[1];
    const std::vector<uint32_t> m565 = {0xF800, 0x07E0, 0x001F}, m888 = {0xFF0000, 0xFF00, 0xFF};
    const std::vector<uint32_t> m555 = {0x7C00, 0x03E0, 0x001F, 0}, m8888 = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    bool ok = Ecrit(d, "bits1.bmp", Entete(40, H, 1, 0, 2, {}), Table(2, 4), Lignes(1, 2)) &&
              Ecrit(d, "bits4.bmp", Entete(40, H, 4, 0, 16, {}), Table(16, 4), Lignes(4, 16)) &&
              Ecrit(d, "bits8.bmp", Entete(40, H, 8, 0, 6, {}), Table(6, 4), Lignes(8, 6)) &&
              Ecrit(d, "bits16.bmp", Entete(40, H, 16, 0, 0, {}), {}, Lignes(16, 0)) &&
              Ecrit(d, "bits24.bmp", Entete(40, H, 24, 0, 0, {}), {}, Lignes(24, 0)) &&
              Ecrit(d, "bits32.bmp", Entete(40, H, 32, 0, 0, {}), {}, Lignes(32, 0)) &&
              Ecrit(d, "rle8.bmp", Entete(40, H, 8, 1, 4, {}), Table(4, 4), rle8) &&
              Ecrit(d, "rle4.bmp", Entete(40, H, 4, 2, 4, {}), Table(4, 4), rle4) &&
              Ecrit(d, "champs16.bmp", Entete(40, H, 16, 3, 0, m565), {}, Lignes(16, 0)) &&
              Ecrit(d, "champs32.bmp", Entete(40, H, 32, 3, 0, m888), {}, Lignes(32, 0)) &&
              Ecrit(d, "v4_champs32_alpha.bmp", Entete(108, H, 32, 3, 0, m8888), {}, Lignes(32, 0)) &&
              Ecrit(d, "v5_champs16.bmp", Entete(124, H, 16, 3, 0, m555), {}, Lignes(16, 0)) &&
              Ecrit(d, "os2_bits1.bmp", Entete(12, H, 1, 0, 0, {}), Table(2, 3), Lignes(1, 2)) &&
              Ecrit(d, "os2_bits8.bmp", Entete(12, H, 8, 0, 0, {}), Table(256, 3), Lignes(8, 256)) &&
              Ecrit(d, "os2_bits24.bmp", Entete(12, H, 24, 0, 0, {}), {}, Lignes(24, 0)) &&
              Ecrit(d, "haut_bas8.bmp", Entete(40, -H, 8, 0, 6, {}), Table(6, 4), Lignes(8, 6)) &&
              Ecrit(d, "haut_bas24.bmp", Entete(40, -H, 24, 0, 0, {}), {}, Lignes(24, 0)) &&
              Ecrit(d, "haut_bas_champs32.bmp", Entete(40, -H, 32, 3, 0, m888), {}, Lignes(32, 0));
    if (!ok)
        perror(argv[1]);
    return ok ? 0 : 1;
}
