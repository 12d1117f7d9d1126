// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/tables.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#ifndef FLIPORA_DONNEES
#define FLIPORA_DONNEES "/usr/local/share/games/flipora"
#endif
#ifndef FLIPORA_DONNEES_VOISINES
#define FLIPORA_DONNEES_VOISINES "../share/games/flipora"
#endif

Couleur violet, bleu_clair, noir, blanc, bleu_moyen, bleu_fonce, jaune;

Police police_jeu;

const char *const fichiers_images[NB_FICHIERS_IMAGES] = {
    "fond.bmp", "moquette.bmp", "plateau.bmp", "fleche.bmp", "cote.bmp",   "t2.bmp",
    "lap.bmp",  "eb.bmp",       "er.bmp",      "rob.bmp",    "ror.bmp",    "vov.bmp",
    "vor.bmp",  "prop.bmp",     "aide.bmp",    "frame1.bmp", "frame2.bmp", "frame3.bmp"};

Pixmap *pixmaps_jeu[NB_PIXMAPS_JEU];

const char *const fichiers_pions[NB_JEUX_PIONS][NB_TRAMES] = {
    {"t21.bmp", "t22.bmp", "pion3.bmp", "t23.bmp", "t24.bmp"},
    {"lap1.bmp", "lap2.bmp", "pion3.bmp", "lap3.bmp", "lap4.bmp"},
    {"eb1.bmp", "eb2.bmp", "pion3.bmp", "eb3.bmp", "eb4.bmp"},
    {"er1.bmp", "er2.bmp", "pion3.bmp", "er3.bmp", "er4.bmp"},
    {"rob1.bmp", "rob2.bmp", "pion3.bmp", "rob3.bmp", "rob4.bmp"},
    {"ror1.bmp", "ror2.bmp", "pion3.bmp", "ror3.bmp", "ror4.bmp"},
    {"vov1.bmp", "vov2.bmp", "pion3.bmp", "vov3.bmp", "vov4.bmp"},
    {"vor1.bmp", "vor2.bmp", "pion3.bmp", "vor3.bmp", "vor4.bmp"}};

const char *const fichiers_sons[NB_SONS] = {"pose.wav", "retourne.wav", "passe.wav", "victoire.wav", "nul.wav"};

Son *sons_jeu[NB_SONS];

// An installed tree may be moved or installed under another prefix: its data
// folder sits beside bin/ before it sits where the build put it.
const char *const dossiers_donnees[NB_DOSSIERS_DONNEES] = {FLIPORA_DONNEES_VOISINES, FLIPORA_DONNEES};

std::vector<const char *> FichiersDuJeu() {
    std::vector<const char *> fichiers(std::begin(fichiers_images), std::end(fichiers_images));
    for (const auto &jeu : fichiers_pions)
        for (const char *trame : jeu)
            if (std::find_if(fichiers.begin(), fichiers.end(),
                             [trame](const char *f) { return strcmp(f, trame) == 0; }) == fichiers.end())
                fichiers.push_back(trame);
    return fichiers;
}
