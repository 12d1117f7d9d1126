// SPDX-License-Identifier: GPL-3.0-or-later
// ecran: the toolkit's chief header. Windows drawn into off-screen back
// buffers and copied to the screen by rectangle, the event state and the
// wait calls, colours, fonts, drawing primitives, pixmaps and refresh.
// Nothing here names the platform underneath: the toolkit reaches it only
// through the port's table (ecran/plateforme.h).
#pragma once

#include <cstdint>
#include <string>

#include "plateforme.h"

// The event code: callbacks and hit tests return it to end the current wait.
enum { CODE_EVENEMENT = -99, CODE_EVENEMENT_OCTET = 157 };

// Navigation keys reach a text entry as this bit plus their virtual-key code
// (End 0x23, Home 0x24, Left 0x25, Right 0x27, Delete 0x2E), so that they never
// collide with typed characters, which arrive as their own code 0..255.
enum { TOUCHE_NAVIGATION = 0x100 };

#pragma pack(push, 1)

// A colour by value: red, green, blue.
struct Couleur {
    uint8_t r, g, b;
};

// A rectangle of four signed values, right and bottom edges excluded.
struct Zone {
    int32_t gauche, haut, droite, bas;
};

struct Ecran;
struct Fenetre;
struct Frame;
struct Bouton;
struct Ascenseur;
struct Texte;
struct ZoneTexte;
struct BoiteNombre;
struct Ardoise;

// The window procedure every toolkit window shares.
typedef int (*ProcedureFenetre)(FenetrePf *fenetre, int message, uint32_t param1, uint32_t param2);

// The window class registered once for all toolkit windows.
struct ClasseFenetre {
    ProcedureFenetre procedure;
    int32_t octetsClasse;  // extra storage: the Ecran address
    char nom[4];           // "TWS"
};

// The display record: one per program.
struct Ecran {
    ClasseFenetre classe;
    uint8_t pleinEcran;
    int32_t police;  // only ever cleared
    Fenetre *premiereFenetre;
    int32_t nbFenetres;
};

// One top-level window with its surfaces and its seven widget lists.
struct Fenetre {
    Ecran *ecran;
    ObjetAffichage *directDraw;
    Surface *surfacePrimaire;
    Surface *arrierePlan;
    Clipper *clipper;
    Zone zoneEcran;
    FenetrePf *hwnd;
    Couleur fond;
    Ecran *policeEcran;  // the display whose police slot FermePolice clears
    Frame *frames;
    int32_t nbFrames;
    Bouton *boutons;
    int32_t nbBoutons;
    Ascenseur *ascenseurs;
    int32_t nbAscenseurs;
    Texte *textes;
    int32_t nbTextes;
    ZoneTexte *zonesTexte;
    int32_t nbZonesTexte;
    BoiteNombre *boitesNombre;
    int32_t nbBoitesNombre;
    Ardoise *ardoises;
    int32_t nbArdoises;
    Fenetre *precedente;
    Fenetre *suivante;
    int32_t largeur, hauteur;
};

// The toolkit's single event state.
struct Evenement {
    int32_t xClic, yClic;
    Texte *texteEnEdition;
    int32_t touche;
    Fenetre *fenetreCapturee;
    uint8_t enAttente;
    uint8_t modeTesteClic;
    uint8_t modeTesteTouche;
};

#pragma pack(pop)

typedef PolicePf *Police;
// A pixmap is an off-screen surface holding one image at its natural size.
typedef Surface Pixmap;

// The event state, zero at start but for `touche`.
extern Evenement evenement;

// --- Display record and windows -------------------------------------------
// Registers the window class, empties the window list, seeds the random generator.
void InitialiseEcran(Ecran *ecran);
// The same, then windows open full-screen when the byte is 1.
void InitialiseEcranPleinEcran(Ecran *ecran, uint8_t pleinEcran);
// Creates, shows and clears a window; null when the platform or the display fails.
Fenetre *CreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int r, int g, int b, Ecran *ecran);
// Destroys every widget of the window and repaints its background (no refresh).
void VideFenetre(Fenetre *fenetre);
// Destroys a window; also the record of one whose platform window is gone.
void DetruitFenetre(Fenetre *fenetre, Ecran *ecran);
// Takes a window whose platform window is gone out of the live list and the
// count; the record lives on, deaf and blind, until its owner destroys it.
void RetireFenetre(Fenetre *fenetre, Ecran *ecran);
// True while the window is in its display's list of live windows.
bool FenetreVivante(Fenetre *fenetre);
// Destroys every window and ends the program with status 0.
void FermeTout(Ecran *ecran);
// The same as a button callback (`donnee` is the Ecran address).
int FermeToutRappel(void *donnee, int id);

// --- Wait calls -------------------------------------------------------------
// Blocks until an event is pending; 0 on the platform's quit message.
int AttendEvenement(Ecran ecran, Fenetre *fenetre);
// Handles the waiting messages, every left press counting as an event.
int TesteClic(Ecran ecran, Fenetre *fenetre, int *x, int *y);
// TesteClic until it reports an event.
int AttendClic(Ecran ecran, Fenetre *fenetre, int *x, int *y);
// Handles the waiting messages, every key or character counting as an event.
int TesteTouche(Ecran ecran, Fenetre *fenetre, int *touche);
// The edit loop of a text entry: 1 when the edit ended, 157 when an event interrupted it.
int EditeTexte(Texte *texte, Fenetre *fenetre, Ecran ecran);

// --- Helpers ----------------------------------------------------------------
// Writes the message to the debugger output, destroys the platform window, returns 0.
int ErreurFenetre(FenetrePf *hwnd, const char *message);
// The C library's rand(), seeded by InitialiseEcran.
int Hasard();
// Packs two 32-bit values, `a` in the low half.
uint64_t Paire(int a, int b);
// Writes one line to the debugger output channel.
void EcritDebogage(const char *texte);
// Formats and writes one line to the debugger output channel.
void EcritDebogagef(const char *format, ...) __attribute__((format(printf, 1, 2)));
// The window record of a platform window, or null.
Fenetre *TrouveFenetre(Ecran *ecran, FenetrePf *hwnd);

// --- Colours, fonts and drawing ----------------------------------------------
Couleur AlloueCouleur(int r, int g, int b, Fenetre *fenetre);
// Scales each component in single precision, clamped at 255.
Couleur NuanceCouleur(Couleur couleur, float facteur, Fenetre *fenetre);
void TraceLigne(int x1, int y1, int x2, int y2, Couleur couleur, Fenetre *fenetre);
void TraceLignePointillee(int x1, int y1, int x2, int y2, Couleur couleur, Fenetre *fenetre);
void TracePoint(int x, int y, Couleur couleur, Fenetre *fenetre);
// Rectangles with both corners inclusive.
void TraceRectangle(int gauche, int haut, int droite, int bas, Couleur couleur, Fenetre *fenetre);
void RemplitRectangle(int gauche, int haut, int droite, int bas, Couleur couleur, Fenetre *fenetre);
// Ellipses inscribed in their box, right and bottom edges of the box excluded.
void TraceCercle(int cx, int cy, int rayon, Couleur couleur, Fenetre *fenetre);
void RemplitCercle(int cx, int cy, int rayon, Couleur couleur, Fenetre *fenetre);
void TraceEllipse(int cx, int cy, int rx, int ry, Couleur couleur, Fenetre *fenetre);
void RemplitEllipse(int cx, int cy, int rx, int ry, Couleur couleur, Fenetre *fenetre);
// Tiles the pixmap over columns gauche..droite-1 and rows haut..bas-1, anchored at (ox, oy).
void TraceRectangleMap(int gauche, int haut, int droite, int bas, int ox, int oy, Pixmap *pixmap, Fenetre *fenetre);
Police OuvrePolice(const char *nom, int hauteur, Fenetre *fenetre);
void FermePolice(Police police, Fenetre *fenetre);
void TailleTexte(const char *texte, Police police, int *largeur, int *hauteur, Fenetre *fenetre);
// One line centred vertically in the rows y - h .. y + h/2.
void EcritTexte(int x, int y, const char *texte, Police police, Couleur couleur, Fenetre *fenetre);
// Text broken at blanks, centred horizontally; a single line is centred vertically.
void EcritTexteDansRectangle(int gauche, int haut, int droite, int bas, const char *texte, Police police,
                             Couleur couleur, Fenetre *fenetre);
// Text centred along one axis ('h': horizontally) of a widget's rectangle.
void EcritTexteCentre(char sens, int decalage, const char *texte, Police police, Couleur couleur, int x1, int y1,
                      int x2, int y2, Fenetre *fenetre);

// --- Pixmaps, refresh and sleep -----------------------------------------------
// Loads a bitmap file, a relative name from the images' folder when one was
// found; the pixmap out is null on failure (the window is then destroyed).
void ChargePixmap(const char *nom, Pixmap **pixmap, int *largeur, int *hauteur, Fenetre *fenetre);
// Copies the whole pixmap, scaled, into the rectangle clamped to the window.
void AffichePixmap(Pixmap *pixmap, int x, int y, int largeur, int hauteur, Fenetre *fenetre);
// Loads the file and copies it at natural size; the pixmap is released once drawn.
void ChargeEtAffichePixmap(const char *nom, int x, int y, Fenetre *fenetre);
// Releases a pixmap (null is accepted).
void LiberePixmap(Pixmap *pixmap);
// Width and height of a pixmap.
void TaillePixmap(Pixmap *pixmap, int *largeur, int *hauteur);
// Copies that rectangle of the back buffer to the screen.
void Rafraichit(int x, int y, int largeur, int hauteur, Fenetre *fenetre);
// Sleeps duree / 1000 whole milliseconds when duree > 0.
void Dort(int duree);

// --- Where the images are -------------------------------------------------------
// The arrow icons of the scroll bars and number boxes: up, down, left, right.
enum { ICONE_HAUT, ICONE_BAS, ICONE_GAUCHE, ICONE_DROITE, NB_ICONES };
extern const char *const iconesEcran[NB_ICONES];
// The first non-empty folder holding every one of the files as a readable regular file, or null.
const char *DossierComplet(const char *const dossiers[], int nbDossiers, const char *const fichiers[], int nbFichiers);
// Finds the first folder holding every file: the working directory, the
// program's folder, then `ailleurs` (relative ones from the program's
// folder), and remembers it, absolute, for ChargePixmap to read relative
// names from. Null, and nothing remembered, when none has them all.
const char *RetientDossierImages(const char *const fichiers[], int nbFichiers, const char *const ailleurs[],
                                 int nbAilleurs);
// The folder RetientDossierImages found, "" when none (relative names then
// load from the working directory).
const char *DossierImagesEcran();
// Where a file of the image folder (an image, a sound) is read from: a
// relative name in the folder found, wherever the working directory has gone
// since; an absolute name, or any name when no folder was found, as it is.
std::string CheminImage(const char *nom);
