// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the toolkit's own images, in a file of their own: the image
// generator links it to draw exactly these files.
#include "ecran.h"

const char *const iconesEcran[NB_ICONES] = {"icones/haut.bmp", "icones/bas.bmp", "icones/gauche.bmp",
                                            "icones/droite.bmp"};
