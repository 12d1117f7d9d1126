// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "plateforme.h"
#include "son.h"

namespace {

const char prefixeZoom[] = "--zoom=";

// The integer scale factor the desktop publishes for its programs, or 0.
int EchelleBureau() {
    for (const char *variable : {"GDK_SCALE", "QT_SCALE_FACTOR"}) {
        const char *valeur = getenv(variable);
        char *fin = nullptr;
        long echelle = valeur ? strtol(valeur, &fin, 10) : 0;
        if (valeur && fin != valeur && (*fin == '\0' || *fin == '.') && echelle > 0)
            return static_cast<int>(echelle);
    }
    return 0;
}

[[noreturn]] void ErreurUsage(const TextesOptions &t, const char *raison, const char *fautive) {
    fprintf(stderr, "%s: %s '%s' (usage: %s)\n", t.programme, raison, fautive, t.usage);
    exit(STATUT_USAGE);
}

}  // namespace

int LitZoom(const char *texte) {
    return texte && texte[0] >= '1' && texte[0] <= '4' && texte[1] == '\0' ? texte[0] - '0' : 0;
}

DemandeOptions AnalyseOptions(int argc, char **argv, Options *options, const char **fautive) {
    *options = Options{0, false, false};
    for (int i = 1; i < argc; i++) {
        const char *argument = argv[i];
        *fautive = argument;
        if (strcmp(argument, "--help") == 0)
            return OPTIONS_AIDE;
        if (strcmp(argument, "--version") == 0)
            return OPTIONS_VERSION;
        if (strcmp(argument, "--plein-ecran") == 0) {
            options->pleinEcran = true;
            continue;
        }
        if (strcmp(argument, "--muet") == 0) {
            options->muet = true;
            continue;
        }
        const char *valeur = nullptr;
        if (strncmp(argument, prefixeZoom, sizeof prefixeZoom - 1) == 0)
            valeur = argument + sizeof prefixeZoom - 1;
        else if (strcmp(argument, "--zoom") == 0 && i + 1 < argc)
            valeur = argv[++i];
        else
            return strcmp(argument, "--zoom") == 0 ? OPTIONS_MANQUANTE : OPTIONS_INCONNUE;
        options->zoom = LitZoom(valeur);
        if (options->zoom == 0) {
            if (valeur[0] != '\0')
                *fautive = valeur;
            return OPTIONS_INVALIDE;
        }
    }
    return OPTIONS_JEU;
}

int ZoomAutomatique(int largeurUtile, int hauteurUtile, int largeur, int hauteur, int echelleBureau) {
    int zoom = 1;
    int plafond = echelleBureau > 0 ? (echelleBureau < 4 ? echelleBureau : 4) : 1;
    while (zoom < plafond && 10 * (zoom + 1) * largeur <= 9 * largeurUtile &&
           10 * (zoom + 1) * hauteur <= 9 * hauteurUtile)
        zoom++;
    return zoom;
}

int LitLigneDeCommande(int argc, char **argv, const TextesOptions &t, int largeur, int hauteur) {
    Options options;
    const char *fautive = nullptr;
    switch (AnalyseOptions(argc, argv, &options, &fautive)) {
    case OPTIONS_AIDE: printf("Usage: %s\n%s", t.usage, t.aide); exit(0);
    case OPTIONS_VERSION: printf("%s %s\n", t.programme, t.version); exit(0);
    case OPTIONS_INCONNUE: ErreurUsage(t, t.inconnue, fautive);
    case OPTIONS_INVALIDE: ErreurUsage(t, t.invalide, fautive);
    case OPTIONS_MANQUANTE: ErreurUsage(t, t.manquante, fautive);
    case OPTIONS_JEU: break;
    }
    int zoom = options.zoom;
    if (zoom == 0 && getenv("FLIPORA_ZOOM") != nullptr) {
        zoom = LitZoom(getenv("FLIPORA_ZOOM"));
        if (zoom == 0)
            ErreurUsage(t, t.invalide, (std::string("FLIPORA_ZOOM=") + getenv("FLIPORA_ZOOM")).c_str());
    }
    int largeurUtile = 0, hauteurUtile = 0;
    int echelle = EchelleBureau();
    // Without a scale published the automatic zoom is 1: no need to ask the display.
    if (zoom == 0)
        zoom = echelle > 1 && plateforme.ZoneUtile(&largeurUtile, &hauteurUtile)
                   ? ZoomAutomatique(largeurUtile, hauteurUtile, largeur, hauteur, echelle)
                   : 1;
    plateforme.FixeZoom(zoom);
    ActiveSon(!options.muet);
    return options.pleinEcran ? 1 : 0;
}
