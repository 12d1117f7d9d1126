// SPDX-License-Identifier: GPL-3.0-or-later
// Heap bytes in use, for the tests that check that memory stays flat.
#pragma once

#include <cstddef>

// Bytes the program has allocated and not freed. Resident size would not do:
// the address sanitizer holds freed blocks in quarantine.
size_t OctetsAlloues();
