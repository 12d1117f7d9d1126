// SPDX-License-Identifier: GPL-3.0-or-later
// The test port: the SDL port with, in front of it, what only tests need:
// input queued as the window system would deliver it, failures armed for the
// next call of a display operation, and hooks on the debugger output, the
// sleeps and the boxes a program opens. Only the test programs link it.
#pragma once

#include <cstdint>

#include "ecran/plateforme.h"

struct Fenetre;

// Puts the test port in front of the platform's; called once by each test program.
void InstallePortEssai();

// Operations whose next call can be made to fail.
enum OperationPf {
    PF_OP_OBJET,
    PF_OP_COOPERATION,
    PF_OP_PRIMAIRE,
    PF_OP_CLIPPER,
    PF_OP_CLIPPER_FENETRE,
    PF_OP_ATTACHE_CLIPPER,
    PF_OP_FORMAT,
    PF_OP_SURFACE,
    PF_OP_COPIE,
    PF_OP_FENETRE,
    PF_OP_NOMBRE
};
// The next call of `operation` returns `code` (a null window for PF_OP_FENETRE).
void PfPanneSuivante(OperationPf operation, int code);

// Where debugger lines go instead of standard error, when set.
extern void (*sortieDebogage)(const char *texte);
// How the toolkit sleeps instead of sleeping, when set.
extern void (*sommeil)(int millisecondes);
// Called once with each window that opens over another (a box), when it is
// built and its wait is about to block: to queue a scripted user's answer.
extern void (*boiteConstruite)(Fenetre *boite);

// Queue platform input as the window system would deliver it.
void PfInjecteSouris(FenetrePf *fenetre, int type, int x, int y, uint32_t boutons);
// A key press and its release; `modificateurs` (PF_MK_MAJ, PF_MK_CTRL) are held meanwhile.
void PfInjecteTouche(FenetrePf *fenetre, int codeVirtuel, uint32_t modificateurs = 0);
void PfInjecteTexte(FenetrePf *fenetre, const char *utf8);
void PfInjecteFermeture(FenetrePf *fenetre);
void PfInjecteDeplacement(FenetrePf *fenetre, int x, int y);
void PfInjecteExposition(FenetrePf *fenetre);
// Drops every waiting message.
void PfVideMessages();
