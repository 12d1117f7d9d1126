// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a canvas as a 24-bit uncompressed Windows bitmap file.
#pragma once

#include <string>

#include "toile.h"

// Writes t to the file: bottom-up rows, padded to 4 bytes, 40-byte information header.
// Returns false when the file cannot be written.
bool EcritBmp(const Toile &t, const std::string &chemin);
