// SPDX-License-Identifier: GPL-3.0-or-later
// What the toolkit's tests share: one display record, windows that clean up
// after themselves, pixel reads and captured debugger lines.
#pragma once

#include <string>
#include <vector>

#include "ecran/ecran.h"
#include "pixels.h"
#include "port/port_essai.h"

// The display record of the test program, initialised once.
Ecran &EcranDeTest();
// A window of the test display.
Fenetre *NouvelleFenetre(int largeur = 200, int hauteur = 150, int r = 10, int g = 20, int b = 30);
// Destroys every window of the test display and lets the platform remove them.
void FermeFenetres();
// The back-buffer pixel at (x, y) as 0xRRGGBB.
uint32_t PixelA(Fenetre *fenetre, int x, int y);
// Captures the debugger lines while alive.
struct Journal {
    Journal();
    ~Journal();
    std::string tout() const;
};
extern std::vector<std::string> lignesDebogage;
// Dispatches every waiting message without a wait call (so nothing is grabbed).
void VideFile();
// Writes a file of bytes, returns its path in the test's temporary folder.
std::string EcritFichier(const std::string &nom, const std::vector<unsigned char> &octets);
