// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include "temporaire.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

std::vector<std::string> lignesDebogage;

namespace {

void Capture(const char *texte) {
    lignesDebogage.push_back(texte);
}

}  // namespace

Ecran &EcranDeTest() {
    static Ecran ecran;
    static bool pret = false;
    if (!pret) {
        InitialiseEcran(&ecran);
        pret = true;
    }
    return ecran;
}

Fenetre *NouvelleFenetre(int largeur, int hauteur, int r, int g, int b) {
    return CreeFenetre(0, 0, largeur, hauteur, "Essai", r, g, b, &EcranDeTest());
}

void VideFile() {
    Ecran &ecran = EcranDeTest();
    while (plateforme.MessageEnAttente()) {
        Message m;
        plateforme.PrendMessage(&m);
        plateforme.TraduitMessage(m);
        ecran.classe.procedure(m.fenetre, m.type, m.param1, m.param2);
    }
    evenement.enAttente = 0;
}

void FermeFenetres() {
    Ecran &ecran = EcranDeTest();
    while (ecran.premiereFenetre)
        DetruitFenetre(ecran.premiereFenetre, &ecran);
    VideFile();
    evenement = Evenement{0, 0, nullptr, -1, nullptr, 0, 0, 0};
}

uint32_t PixelA(Fenetre *fenetre, int x, int y) {
    return PixelSurface(fenetre->arrierePlan, x, y);
}

Journal::Journal() {
    lignesDebogage.clear();
    sortieDebogage = Capture;
}

Journal::~Journal() {
    sortieDebogage = nullptr;
}

std::string Journal::tout() const {
    std::string s;
    for (const std::string &l : lignesDebogage)
        s += l;
    return s;
}

std::string EcritFichier(const std::string &nom, const std::vector<unsigned char> &octets) {
    static std::string dossier;
    if (dossier.empty())
        dossier = DossierTemporaire("ecran-essai");
    std::string chemin = dossier + "/" + nom;
    FILE *f = fopen(chemin.c_str(), "wb");
    if (f) {
        if (!octets.empty())
            fwrite(octets.data(), 1, octets.size(), f);
        fclose(f);
    }
    return chemin;
}
