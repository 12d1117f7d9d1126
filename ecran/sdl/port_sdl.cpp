// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL port's table: the toolkit runs on SDL2 (its audio too), SDL2_ttf and fontconfig.
#include "sdl_interne.h"

namespace {

Plateforme PortSdl() {
    Plateforme p = {};
    p.Initialise = PfInitialise;
    p.FixeZoom = PfFixeZoom;
    p.ZoneUtile = PfZoneUtile;
    p.CreeFenetre = PfCreeFenetre;
    p.MontreFenetre = PfMontreFenetre;
    p.DetruitFenetre = PfDetruitFenetre;
    p.AssocieDonnee = PfAssocieDonnee;
    p.Donnee = PfDonnee;
    p.ZoneClient = PfZoneClient;
    p.Invalide = PfInvalide;
    p.ActiveFenetre = PfActiveFenetre;
    p.BasculePleinEcran = PfBasculePleinEcran;
    p.MessageEnAttente = PfMessageEnAttente;
    p.PrendMessage = PfPrendMessage;
    p.AttendMessage = PfAttendMessage;
    p.PosteMessage = PfPosteMessage;
    p.TraduitMessage = PfTraduitMessage;
    p.CreeObjetAffichage = PfCreeObjetAffichage;
    p.NiveauCooperation = PfNiveauCooperation;
    p.SurfacePrimaire = PfSurfacePrimaire;
    p.CreeClipper = PfCreeClipper;
    p.ClipperFenetre = PfClipperFenetre;
    p.AttacheClipper = PfAttacheClipper;
    p.LibereClipper = PfLibereClipper;
    p.FormatPixels = PfFormatPixels;
    p.CreeSurface = PfCreeSurface;
    p.TesteCooperation = PfTesteCooperation;
    p.RestaureSurfaces = PfRestaureSurfaces;
    p.Restaure = PfRestaure;
    p.LibereSurface = PfLibereSurface;
    p.LibereObjetAffichage = PfLibereObjetAffichage;
    p.TailleSurface = PfTailleSurface;
    p.Copie = PfCopie;
    p.Accede = PfAccede;
    p.Relache = PfRelache;
    p.CleCouleur = PfCleCouleur;
    p.DecodeBitmap = PfDecodeBitmap;
    p.OuvrePolice = PfOuvrePolice;
    p.FermePolice = PfFermePolice;
    p.TailleTexte = PfTailleTexte;
    p.EcritTexte = PfEcritTexte;
    p.OuvreAudio = PfOuvreAudio;
    p.DecodeSon = PfDecodeSon;
    p.JoueSon = PfJoueSon;
    p.CoupeSons = PfCoupeSons;
    p.Dort = PfDort;
    p.EcritDiagnostic = PfEcritDiagnostic;
    return p;
}

}  // namespace

Plateforme plateforme = PortSdl();
