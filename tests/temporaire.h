// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders for the test programs, gone when the program ends.
#pragma once

#include <string>

// A new empty folder under $TMPDIR (or /tmp) whose name starts with prefixe,
// removed with its contents when the process that made it exits; a death
// test's child, which shares it, leaves it alone. Empty when it cannot be made.
std::string DossierTemporaire(const char *prefixe);
