// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of a program built on the toolkit, Linux fashion: the
// zoom of its windows, full screen, sound, --help and --version, and usage errors.
#pragma once

// Status of a usage error (EX_USAGE): the toolkit's own statuses are 1 to 5.
enum { STATUT_USAGE = 64 };

// What a program says on its command line, in its own language; one line
// each but for the help.
struct TextesOptions {
    const char *programme;  // its name, e.g. "ok_fr"
    const char *version;    // e.g. "1.0"
    const char *usage;      // the synopsis, e.g. "ok_fr [--zoom=N] [--plein-ecran] [--help] [--version]"
    const char *aide;       // what --help prints after the synopsis
    const char *inconnue;   // said of an unknown option
    const char *invalide;   // said of a zoom that is not 1 to 4
    const char *manquante;  // said of an option whose value is missing
};

// What the arguments ask for.
enum DemandeOptions {
    OPTIONS_JEU,
    OPTIONS_AIDE,
    OPTIONS_VERSION,
    OPTIONS_INCONNUE,
    OPTIONS_INVALIDE,
    OPTIONS_MANQUANTE
};

// The settings the command line gives.
struct Options {
    int zoom;         // 1 to 4; 0 unless given
    bool pleinEcran;  // the main window opens full screen
    bool muet;        // the program starts without sound
};

// Reads --zoom=N, --zoom N, --plein-ecran, --muet, --help and --version. On
// an error `fautive` names the argument at fault.
DemandeOptions AnalyseOptions(int argc, char **argv, Options *options, const char **fautive);
// 1 to 4 for the text of one of them, else 0.
int LitZoom(const char *texte);
// The largest zoom at which a window of that size takes at most 90 % of the
// usable display area each way, bounded by the desktop's own integer scale
// (0 when it publishes none, which bounds it to 1); 1 at least.
int ZoomAutomatique(int largeurUtile, int hauteurUtile, int largeur, int hauteur, int echelleBureau);
// The whole command line: --help and --version answer and end the program
// with status 0, errors with one line on standard error and STATUT_USAGE.
// Otherwise sets the zoom of the windows to come, for a main window of that
// size: the option, else FLIPORA_ZOOM, else automatic; starts with sound off
// under --muet; and returns 1 when the main window is to open full screen,
// for InitialiseEcranPleinEcran.
int LitLigneDeCommande(int argc, char **argv, const TextesOptions &textes, int largeur, int hauteur);
