// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian fields of a BMP file's headers.
#pragma once

#include <cstdint>

inline uint32_t Lit32(const unsigned char *p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline int Lit16(const unsigned char *p) {
    return p[0] | (p[1] << 8);
}
