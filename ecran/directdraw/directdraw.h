// SPDX-License-Identifier: GPL-3.0-or-later
// Display set-up of a window and the result check through which every
// display-server call of the toolkit is reported.
#pragma once

#include <cstdint>

#include "ecran/plateforme.h"

struct Fenetre;

// Creates the display objects of a window whose platform window and size are
// set; 1 on success, 0 after reporting the failed step.
int InitialiseDirectDraw(Fenetre *fenetre);
// True for the success code; otherwise writes the code's name to the debugger output.
bool VerifieDD(int32_t code);
// The text VerifieDD writes for a code (null for success).
const char *TexteResultatDD(int32_t code, char *tampon, int taille);
