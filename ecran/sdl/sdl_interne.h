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

// Where a window's picture lies on its window surface: the largest size
// that fits with its aspect kept, centred; and, for a smooth copy, which
// picture pixels each column and row of the surface blends.
struct Echantillon {
    int32_t source;  // the first of the two picture pixels blended
    int32_t poids;   // the second one's weight, 0 to 255
};
struct Cadrage {
    int largeurSurface, hauteurSurface;  // the window surface it was computed for; 0 before
    int num, den;                        // the scale, num / den, reduced
    SDL_Rect image;                      // the picture's rectangle on the window surface
    std::vector<Echantillon> colonnes, lignes;
};

// Kept after its SDL window is gone, so that the records still naming it
// (a primary surface, a window record) see a dead window, not freed memory.
struct FenetrePf {
    SDL_Window *sdl;  // null once destroyed
    uint32_t id;
    void *donnee;
    int x, y;              // where the program asked for it, in its own pixels
    int largeur, hauteur;  // the picture's size, in the program's pixels
    SDL_Surface *vue;      // the picture as last brought to the screen; null before
    Cadrage cadrage;
    bool aRepeindre;           // exposed or resized since it was last painted whole
    bool pleinEcran;           // full screen, by the desktop or by hand
    bool pleinEcranManuel;     // made full screen by hand: no window manager to ask
    SDL_Rect avantPleinEcran;  // where it was before, for going back
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
// The window the boxes open above: the oldest live one, or null.
FenetrePf *FenetrePrincipale();

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

// --- The picture on the window surface (echelle_sdl.cpp)
// Brings the window's mapping to its current size; true when it changed,
// and the whole window then waits to be painted again.
bool Recadre(FenetrePf *fenetre);
// A pixel of the window surface as the picture pixel it shows, on one axis.
int PointImage(const FenetrePf *fenetre, int position, bool vertical);
// Copies a rectangle between surfaces of one format, each pixel `facteur`
// times wider and taller, (x, y) the destination's corner; false when it cannot.
bool CopieAgrandie(SDL_Surface *s, const SDL_Rect &rs, SDL_Surface *d, int x, int y, int facteur);
// Brings a rectangle of the window's view to the screen at the window's scale.
int MontreImage(FenetrePf *fenetre, SDL_Surface *d, const SDL_Rect &zone);
// Paints the whole window again from its view, margins included.
void RepeintFenetre(FenetrePf *fenetre);
// Paints again every window exposed or resized since it was last painted.
void RepeintFenetres();

// --- Full screen (plein_ecran_sdl.cpp)
// Puts the window in full screen or back; false when the display cannot say its size.
bool MetPleinEcran(FenetrePf *fenetre, bool plein);
// After a change of the display: a window made full screen by hand covers
// the display again, and every window is painted again.
void SuitAffichage();
// True when the desktop itself puts windows in full screen: on X11, a window
// manager that says it can; false where no window manager runs.
bool PleinEcranDuBureau(SDL_Window *fenetre);
// True when the desktop shows the window in its full-screen state now.
bool EstPleinEcranDuBureau(SDL_Window *fenetre);

// --- The port's operations (the table's entries; see ecran/plateforme.h) ---
void PfInitialise();
void PfFixeZoom(int facteur);
bool PfZoneUtile(int *largeur, int *hauteur);
FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre);
void PfMontreFenetre(FenetrePf *fenetre);
void PfDetruitFenetre(FenetrePf *fenetre);
void PfAssocieDonnee(FenetrePf *fenetre, void *donnee);
void *PfDonnee(FenetrePf *fenetre);
bool PfZoneClient(FenetrePf *fenetre, RectanglePf *zone);
void PfInvalide(FenetrePf *fenetre);
void PfActiveFenetre(FenetrePf *fenetre);
void PfBasculePleinEcran(FenetrePf *fenetre);
bool PfMessageEnAttente();
void PfPrendMessage(Message *message);
void PfAttendMessage();
void PfPosteMessage(const Message &message);
void PfTraduitMessage(const Message &message);
int PfCreeObjetAffichage(ObjetAffichage **objet);
int PfNiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran);
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
// True for the audio's own event that says its sounds may be over; the main
// thread then closes the output if they are, so that idle means no processor.
bool EstSilence(const SDL_Event &e);
void FermeSiSilence();
SonPf *PfDecodeSon(const void *octets, size_t taille);
void PfJoueSon(SonPf *son);
void PfCoupeSons();
void PfDort(int millisecondes);
void PfEcritDiagnostic(const char *texte);
