// SPDX-License-Identifier: GPL-3.0-or-later
// The test port's table: the platform's own operations, each wrapped where a
// test needs to see or steer it.
#include "port_essai.h"

#include <vector>

#include "ecran/ecran.h"

void (*sortieDebogage)(const char *texte) = nullptr;
void (*sommeil)(int millisecondes) = nullptr;
void (*boiteConstruite)(Fenetre *boite) = nullptr;

namespace {

// The platform's own table, which the wrappers hand on to.
Plateforme reel;

int pannes[PF_OP_NOMBRE];

int Panne(OperationPf operation) {
    int code = pannes[operation];
    pannes[operation] = 0;
    return code;
}

int CreeObjetAffichage(ObjetAffichage **objet) {
    if (int code = Panne(PF_OP_OBJET))
        return code;
    return reel.CreeObjetAffichage(objet);
}

int NiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran) {
    if (int code = Panne(PF_OP_COOPERATION))
        return code;
    return reel.NiveauCooperation(objet, fenetre, pleinEcran);
}

int SurfacePrimaire(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface) {
    if (int code = Panne(PF_OP_PRIMAIRE))
        return code;
    return reel.SurfacePrimaire(objet, fenetre, surface);
}

int CreeClipper(ObjetAffichage *objet, Clipper **clipper) {
    if (int code = Panne(PF_OP_CLIPPER))
        return code;
    return reel.CreeClipper(objet, clipper);
}

int ClipperFenetre(Clipper *clipper, FenetrePf *fenetre) {
    if (int code = Panne(PF_OP_CLIPPER_FENETRE))
        return code;
    return reel.ClipperFenetre(clipper, fenetre);
}

int AttacheClipper(Surface *surface, Clipper *clipper) {
    if (int code = Panne(PF_OP_ATTACHE_CLIPPER))
        return code;
    return reel.AttacheClipper(surface, clipper);
}

int FormatPixels(Surface *surface, int *bits) {
    if (int code = Panne(PF_OP_FORMAT))
        return code;
    return reel.FormatPixels(surface, bits);
}

int CreeSurface(ObjetAffichage *objet, int largeur, int hauteur, Surface **surface) {
    if (int code = Panne(PF_OP_SURFACE))
        return code;
    return reel.CreeSurface(objet, largeur, hauteur, surface);
}

int Copie(Surface *destination, const RectanglePf *rectDestination, Surface *source, const RectanglePf *rectSource) {
    if (int code = Panne(PF_OP_COPIE))
        return code;
    return reel.Copie(destination, rectDestination, source, rectSource);
}

// Windows shown since, not yet handed to `boiteConstruite`. Platform handles
// are never freed, so a new window never takes an old one's place here.
std::vector<FenetrePf *> montrees;

FenetrePf *CreeFenetre(int x, int y, int largeur, int hauteur, const char *titre) {
    if (Panne(PF_OP_FENETRE))
        return nullptr;
    return reel.CreeFenetre(x, y, largeur, hauteur, titre);
}

void MontreFenetre(FenetrePf *fenetre) {
    montrees.push_back(fenetre);
    reel.MontreFenetre(fenetre);
}

// The record of the newest window shown over another, still alive, or null.
Fenetre *BoiteMontree() {
    while (!montrees.empty()) {
        FenetrePf *hwnd = montrees.back();
        montrees.pop_back();
        Ecran *ecran = static_cast<Ecran *>(reel.Donnee(hwnd));
        Fenetre *fenetre = ecran ? TrouveFenetre(ecran, hwnd) : nullptr;
        if (fenetre && fenetre->suivante)
            return fenetre;
    }
    return nullptr;
}

// A program about to block with nothing to take: the box it just built waits
// for its user, whom the test plays.
void AvantAttente() {
    if (boiteConstruite == nullptr || reel.MessageEnAttente())
        return;
    if (Fenetre *boite = BoiteMontree())
        boiteConstruite(boite);
}

void PrendMessage(Message *message) {
    AvantAttente();
    reel.PrendMessage(message);
}

void AttendMessage() {
    AvantAttente();
    reel.AttendMessage();
}

void DortOuNote(int millisecondes) {
    if (sommeil)
        sommeil(millisecondes);
    else
        reel.Dort(millisecondes);
}

void EcritDiagnostic(const char *texte) {
    if (sortieDebogage)
        sortieDebogage(texte);
    else
        reel.EcritDiagnostic(texte);
}

}  // namespace

void PfPanneSuivante(OperationPf operation, int code) {
    pannes[operation] = code;
}

void InstallePortEssai() {
    reel = plateforme;
    plateforme.CreeObjetAffichage = CreeObjetAffichage;
    plateforme.NiveauCooperation = NiveauCooperation;
    plateforme.SurfacePrimaire = SurfacePrimaire;
    plateforme.CreeClipper = CreeClipper;
    plateforme.ClipperFenetre = ClipperFenetre;
    plateforme.AttacheClipper = AttacheClipper;
    plateforme.FormatPixels = FormatPixels;
    plateforme.CreeSurface = CreeSurface;
    plateforme.Copie = Copie;
    plateforme.CreeFenetre = CreeFenetre;
    plateforme.MontreFenetre = MontreFenetre;
    plateforme.PrendMessage = PrendMessage;
    plateforme.AttendMessage = AttendMessage;
    plateforme.Dort = DortOuNote;
    plateforme.EcritDiagnostic = EcritDiagnostic;
}
