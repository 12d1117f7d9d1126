// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian fields of the files the generator writes (BMP, WAV).
#pragma once

#include <cstdint>
#include <vector>

// Appends the low 16 bits of v, low byte first.
inline void Mot16(std::vector<uint8_t> &o, uint32_t v) {
    o.push_back(v & 0xFF);
    o.push_back((v >> 8) & 0xFF);
}

// Appends v, low byte first.
inline void Mot32(std::vector<uint8_t> &o, uint32_t v) {
    Mot16(o, v & 0xFFFF);
    Mot16(o, v >> 16);
}
