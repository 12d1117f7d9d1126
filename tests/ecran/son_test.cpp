// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files: a file that cannot be had is one diagnostic line naming it,
// never a program blocked or ended.
#include "ecran/son.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "banc.h"

namespace {

void Ajoute32(std::vector<unsigned char> &o, uint32_t v) {
    for (int i = 0; i < 4; i++)
        o.push_back((v >> (8 * i)) & 0xFF);
}

// A 16-bit mono PCM WAV file at 44100 Hz of that many samples of a square wave.
std::vector<unsigned char> Wav(uint32_t echantillons) {
    std::vector<unsigned char> o = {'R', 'I', 'F', 'F'};
    Ajoute32(o, 36 + 2 * echantillons);
    for (unsigned char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        o.push_back(c);
    Ajoute32(o, 16);
    Ajoute32(o, 1 | 1 << 16);  // PCM, one channel
    Ajoute32(o, 44100);
    Ajoute32(o, 88200);
    Ajoute32(o, 2 | 16 << 16);  // two bytes a sample, 16 bits
    o.insert(o.end(), {'d', 'a', 't', 'a'});
    Ajoute32(o, 2 * echantillons);
    for (uint32_t i = 0; i < echantillons; i++)
        o.insert(o.end(), {0, static_cast<unsigned char>(i / 50 % 2 ? 0x10 : 0xF0)});
    return o;
}

// The sound a test loads lives on, as the programs' sounds do.
Son *sonGarde = nullptr;

TEST(Sons, UnFichierRefuseEstUneLigneQuiLeNommeSansBloquer) {
    std::vector<unsigned char> bon = Wav(400), abime = bon, coupe(bon.begin(), bon.begin() + 60);
    abime[20] = 0x77;  // an encoding nobody knows
    std::string fifo = EcritFichier("attente.wav", {});
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Twelve seconds of sound, a sound the mixer would take, but two bytes over the bound.
    uint32_t trop = static_cast<uint32_t>((OCTETS_MAX_SON - 44) / 2 + 1);
    const std::pair<std::string, std::string> refus[] = {
        {fifo, "pas un fichier ordinaire"},
        {EcritFichier("abime.wav", abime), "son endommage"},
        {EcritFichier("coupe.wav", coupe), "son endommage"},
        {EcritFichier("gros.wav", Wav(trop)), "son trop grand (" + std::to_string(OCTETS_MAX_SON + 2) + " octets)"},
        {EcritFichier("image.wav", {'B', 'M', 0, 0}), "pas un fichier WAV"},
    };
    for (const auto &[nom, raison] : refus) {
        Journal journal;
        EXPECT_EQ(ChargeSon(nom.c_str()), nullptr) << nom;
        EXPECT_EQ(journal.tout(), "Peut pas charger le son " + nom + " : " + raison + "\n");
    }
    Journal journal;
    sonGarde = ChargeSon(EcritFichier("bon.wav", bon).c_str());
    EXPECT_NE(sonGarde, nullptr);
    EXPECT_EQ(journal.tout(), "") << "a sound that loads says nothing";
    JoueSon(sonGarde);
    unlink(fifo.c_str());
}

}  // namespace
