// SPDX-License-Identifier: GPL-3.0-or-later
// The display backend's short list: what the toolkit needs of a display
// server, a window system and a font renderer, over opaque handles.
// Only the implementation of this header may include SDL, SDL_ttf or
// fontconfig. Results are 0 on success or one of the result codes of
// resultats.h.
#pragma once

#include <cstdint>

struct ObjetAffichage;  // the display-server object of one window
struct FenetrePf;       // a platform window
struct Surface;         // pixels: a window surface, a back buffer, an image
struct Clipper;         // what keeps copies to a window inside it
struct PolicePf;        // a font opened at a pixel height

// A rectangle with right and bottom edges excluded.
struct RectanglePf {
    int32_t gauche, haut, droite, bas;
};

// Direct access to a surface's pixels, 0x00RRGGBB each, `pas` pixels a row.
struct AccesPixels {
    uint32_t *pixels;
    int32_t pas;
    int32_t largeur, hauteur;
};

// Platform messages, as the window procedure receives them.
enum TypeMessage {
    MSG_QUITTE = 1,            // the platform asks the program to end
    MSG_DETRUIT,               // a platform window is being destroyed
    MSG_DEPLACE,               // the window moved
    MSG_TAILLE,                // minimised (param1 = 1) or restored (0)
    MSG_PEINT,                 // part of the window needs repainting
    MSG_FERME,                 // close box or posted close request
    MSG_CHANGEMENT_AFFICHAGE,  // display mode changed; param2 = w | h << 16
    MSG_TOUCHE,                // key down; param1 = virtual-key code
    MSG_CARACTERE,             // character; param1 = Windows-1252 code
    MSG_SOURIS,                // pointer moved
    MSG_BOUTON_GAUCHE_BAS,     // left press
    MSG_BOUTON_GAUCHE_HAUT     // left release
};

// Button-state bits of param1 for the mouse messages.
enum { PF_MK_GAUCHE = 0x01, PF_MK_DROIT = 0x02, PF_MK_MAJ = 0x04, PF_MK_CTRL = 0x08, PF_MK_MILIEU = 0x10 };

// Mouse messages carry x | y << 16 (client coordinates) in param2.
struct Message {
    FenetrePf *fenetre;
    int32_t type;
    uint32_t param1;
    uint32_t param2;
};

// --- Start-up ---------------------------------------------------------
// Starts the platform's video layer once; later calls do nothing.
void PfInitialise();

// --- Windows ----------------------------------------------------------
// Shows every window made from now on `facteur` times larger (1 to 4): the
// window and its positions on the screen, its refreshes, nearest pixel;
// pointer positions come back divided. Windows keep their own sizes.
void PfFixeZoom(int facteur);
// The size of the display area windows may use; false when no display answers.
bool PfZoneUtile(int *largeur, int *hauteur);
// Creates a hidden window of that client size; null on failure.
FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int pleinEcran);
// Shows the window.
void PfMontreFenetre(FenetrePf *fenetre);
// Destroys the platform window; later messages naming it are dropped.
void PfDetruitFenetre(FenetrePf *fenetre);
// Stores and reads back one pointer kept with the window (the class's extra storage).
void PfAssocieDonnee(FenetrePf *fenetre, void *donnee);
void *PfDonnee(FenetrePf *fenetre);
// The client area in screen coordinates; false when the window is gone.
bool PfZoneClient(FenetrePf *fenetre, RectanglePf *zone);
// Asks for the whole window to be repainted (a paint message follows).
void PfInvalide(FenetrePf *fenetre);

// --- Messages ---------------------------------------------------------
// True when a message can be taken without waiting.
bool PfMessageEnAttente();
// Takes the next message, waiting for one without using the processor.
void PfPrendMessage(Message *message);
// Waits the same way until a message can be taken, and takes none.
void PfAttendMessage();
// Queues a message behind the waiting ones (posted close requests).
void PfPosteMessage(const Message &message);
// The translate step: queues the character a key press stands for, if any.
void PfTraduitMessage(const Message &message);

// --- Display-server objects -------------------------------------------
int PfCreeObjetAffichage(ObjetAffichage **objet);
int PfNiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran);
int PfModeAffichage(ObjetAffichage *objet, int largeur, int hauteur, int bits);
// The window's own surface stands for the primary surface.
int PfSurfacePrimaire(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface);
int PfCreeClipper(ObjetAffichage *objet, Clipper **clipper);
int PfClipperFenetre(Clipper *clipper, FenetrePf *fenetre);
int PfAttacheClipper(Surface *surface, Clipper *clipper);
// Frees a clipper no surface took (an attached one goes with its surface).
void PfLibereClipper(Clipper *clipper);
// Bits per pixel of a surface.
int PfFormatPixels(Surface *surface, int *bits);
// An off-screen surface of the display's pixel format.
int PfCreeSurface(ObjetAffichage *objet, int largeur, int hauteur, Surface **surface);
// Detects a lost exclusive mode; 0 when nothing changed.
int PfTesteCooperation(ObjetAffichage *objet);
// Re-allocates lost surfaces of the display (the window surface after a change).
int PfRestaureSurfaces(ObjetAffichage *objet);
int PfRestaure(Surface *surface);
void PfLibereSurface(Surface *surface);
void PfLibereObjetAffichage(ObjetAffichage *objet);

// --- Surfaces ---------------------------------------------------------
int PfTailleSurface(Surface *surface, int *largeur, int *hauteur);
// Copies source (whole surface when null) to destination (whole when null),
// scaling when the two differ in size. A copy to a window's primary surface
// is clipped to the window and reaches the screen at once.
int PfCopie(Surface *destination, const RectanglePf *rectDestination, Surface *source, const RectanglePf *rectSource);
// Pixel access for the drawing primitives; pair each success with PfRelache.
int PfAccede(Surface *surface, AccesPixels *acces);
void PfRelache(Surface *surface);
// Sets the source colour key (a raw pixel value).
int PfCleCouleur(Surface *surface, uint32_t valeur);
// Loads a BMP file into a 32-bit surface of its own size. Anything but a
// regular file, damaged files and images of more than 16 Mi pixels are refused.
int PfChargeBitmap(const char *nom, Surface **surface);
// Why the last PfChargeBitmap refused its file, in a few words; "" after a success.
const char *PfRaisonBitmap();

// --- Fonts ------------------------------------------------------------
// Finds the closest fixed-pitch face to the name and opens it at the size
// whose line height is `hauteur` pixels; null when no font can be had.
PolicePf *PfOuvrePolice(const char *nom, int hauteur);
void PfFermePolice(PolicePf *police);
// Size of a Windows-1252 text drawn as one line.
void PfTailleTexte(PolicePf *police, const char *texte, int *largeur, int *hauteur);
// Blends the text's glyphs onto the surface with (x, y) its top-left corner,
// inside the clip rectangle.
int PfEcritTexte(Surface *surface, PolicePf *police, int x, int y, const char *texte, uint32_t rgb,
                 const RectanglePf &clip);

// --- Time and diagnostics ---------------------------------------------
// Sleeps; then ends the program with status 0 if the platform asked it to
// quit or to close its only window meanwhile.
void PfDort(int millisecondes);
// Writes one Windows-1252 diagnostic to standard error, converted to UTF-8.
void PfEcritDiagnostic(const char *texte);

// --- Test seams ---------------------------------------------------------
// Operations whose next call can be made to fail.
enum OperationPf {
    PF_OP_OBJET,
    PF_OP_COOPERATION,
    PF_OP_MODE,
    PF_OP_PRIMAIRE,
    PF_OP_CLIPPER,
    PF_OP_CLIPPER_FENETRE,
    PF_OP_ATTACHE_CLIPPER,
    PF_OP_FORMAT,
    PF_OP_SURFACE,
    PF_OP_COPIE,
    PF_OP_ACCEDE,
    PF_OP_BITMAP,
    PF_OP_FENETRE,
    PF_OP_POLICE,
    PF_OP_NOMBRE
};
// The next call of `operation` returns `code` (a null result for PF_OP_FENETRE
// and PF_OP_POLICE).
void PfPanneSuivante(OperationPf operation, int code);
// Queue platform input as the window system would deliver it.
void PfInjecteSouris(FenetrePf *fenetre, int type, int x, int y, uint32_t boutons);
void PfInjecteTouche(FenetrePf *fenetre, int codeVirtuel);
void PfInjecteTexte(FenetrePf *fenetre, const char *utf8);
void PfInjecteFermeture(FenetrePf *fenetre);
void PfInjecteDeplacement(FenetrePf *fenetre, int x, int y);
void PfInjecteExposition(FenetrePf *fenetre);
// Drops every waiting message.
void PfVideMessages();
