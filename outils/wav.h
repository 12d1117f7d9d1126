// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a sound as a 16-bit mono PCM WAV file.
#pragma once

#include <string>
#include <vector>

// The generator's sample rate, samples a second.
enum { FREQUENCE_WAV = 44100 };

// Writes samples from -1 to 1, taken at FREQUENCE_WAV, rounded to 16 bits and
// clamped. Returns false when the file cannot be written.
bool EcritWav(const std::vector<double> &echantillons, const std::string &chemin);
