// SPDX-License-Identifier: GPL-3.0-or-later
// What the SDL port's files share: the records behind the platform's opaque
// handles, the window list and the message queue, the conversions between
// SDL's terms and the toolkit's, and the operations the port's table names.
// Only ecran/sdl includes it.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <deque>
#include <string>
#include <vector>

#include "ecran/plateforme.h"

// Kept after its SDL window is gone, so that the records still naming it
// (a primary surface, a window record) see a dead window, not freed memory.
struct FenetrePf {
    SDL_Window *sdl;  // null once destroyed
    uint32_t id;
    void *donnee;
    int zoom;  // screen pixels a window pixel takes on each axis, 1 to 4
};

struct ObjetAffichage {
    FenetrePf *fenetre;  // the window whose primary surface this object made
};

struct Surface {
    SDL_Surface *sdl;    // null for a primary surface: SDL owns the window's
    FenetrePf *fenetre;  // the window of a primary surface
    Clipper *clipper;
};

struct Clipper {
    FenetrePf *fenetre;
};

struct PolicePf {
    TTF_Font *ttf;
};

// How many screen pixels a window pixel of the windows to come takes on each axis.
extern int zoomSuivant;

// The live platform windows.
extern std::vector<FenetrePf *> fenetres;
// Posted and translated messages, taken before SDL's.
extern std::deque<Message> postes;

// Makes the X server's harmless complaints about SDL's own messages to a
// window just destroyed harmless to the program too; nothing off X11.
void PrepareServeurX();

// The live window SDL knows by that id, or null.
FenetrePf *FenetreDeId(uint32_t id);

// Turns an SDL event into a message; false when the toolkit has no use for it.
bool Traduit(const SDL_Event &e, Message *m);
// The virtual-key code of an SDL key, 0 for none; and back, for injected keys.
int VirtuelDeTouche(const SDL_Keysym &touche);
SDL_Keysym ToucheDeVirtuel(int virtuel);

// Windows-1252 text as UTF-8, and UTF-8 as the Windows-1252 codes it has.
std::string Utf8De1252(const char *texte);
std::vector<int> CodesDeUtf8(const char *texte);

// The pixels behind a surface: SDL's current window surface for a primary one.
SDL_Surface *Pixels(Surface *surface);
// A 32-bit XRGB surface that copies without blending.
SDL_Surface *NouvelleSurface(int largeur, int hauteur);

// --- The port's operations (the table's entries; see ecran/plateforme.h) ---
void PfInitialise();
void PfFixeZoom(int facteur);
bool PfZoneUtile(int *largeur, int *hauteur);
FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int pleinEcran);
void PfMontreFenetre(FenetrePf *fenetre);
void PfDetruitFenetre(FenetrePf *fenetre);
void PfAssocieDonnee(FenetrePf *fenetre, void *donnee);
void *PfDonnee(FenetrePf *fenetre);
bool PfZoneClient(FenetrePf *fenetre, RectanglePf *zone);
void PfInvalide(FenetrePf *fenetre);
void PfActiveFenetre(FenetrePf *fenetre);
bool PfMessageEnAttente();
void PfPrendMessage(Message *message);
void PfAttendMessage();
void PfPosteMessage(const Message &message);
void PfTraduitMessage(const Message &message);
int PfCreeObjetAffichage(ObjetAffichage **objet);
int PfNiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran);
int PfModeAffichage(ObjetAffichage *objet, int largeur, int hauteur, int bits);
int PfSurfacePrimaire(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface);
int PfCreeClipper(ObjetAffichage *objet, Clipper **clipper);
int PfClipperFenetre(Clipper *clipper, FenetrePf *fenetre);
int PfAttacheClipper(Surface *surface, Clipper *clipper);
void PfLibereClipper(Clipper *clipper);
int PfFormatPixels(Surface *surface, int *bits);
int PfCreeSurface(ObjetAffichage *objet, int largeur, int hauteur, Surface **surface);
int PfTesteCooperation(ObjetAffichage *objet);
int PfRestaureSurfaces(ObjetAffichage *objet);
int PfRestaure(Surface *surface);
void PfLibereSurface(Surface *surface);
void PfLibereObjetAffichage(ObjetAffichage *objet);
int PfTailleSurface(Surface *surface, int *largeur, int *hauteur);
int PfCopie(Surface *destination, const RectanglePf *rectDestination, Surface *source, const RectanglePf *rectSource);
int PfAccede(Surface *surface, AccesPixels *acces);
void PfRelache(Surface *surface);
int PfCleCouleur(Surface *surface, uint32_t valeur);
int PfDecodeBitmap(FILE *fichier, Surface **surface);
PolicePf *PfOuvrePolice(const char *nom, int hauteur);
void PfFermePolice(PolicePf *police);
void PfTailleTexte(PolicePf *police, const char *texte, int *largeur, int *hauteur);
int PfEcritTexte(Surface *surface, PolicePf *police, int x, int y, const char *texte, uint32_t rgb,
                 const RectanglePf &clip);
bool PfOuvreAudio();
SonPf *PfDecodeSon(const void *octets, size_t taille);
void PfJoueSon(SonPf *son);
void PfCoupeSons();
void PfDort(int millisecondes);
void PfEcritDiagnostic(const char *texte);
