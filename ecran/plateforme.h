// SPDX-License-Identifier: GPL-3.0-or-later
// The platform port: what the toolkit needs of a window system, a display
// server, a font renderer and an audio output, over opaque handles. A port
// fills one table `Plateforme` with its operations; the toolkit calls nothing
// else of the platform. Results are 0 on success or one of the display
// server's result codes below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

struct ObjetAffichage;  // the display-server object of one window
struct FenetrePf;       // a platform window
struct Surface;         // pixels: a window surface, a back buffer, an image
struct Clipper;         // what keeps copies to a window inside it
struct PolicePf;        // a font opened at a pixel height
struct SonPf;           // a sound decoded for the mixer

// The display server's published result codes, which ports return.
constexpr int32_t CodeDD(uint32_t n) {
    return static_cast<int32_t>(0x88760000u | n);
}
enum : int32_t {
    DD_OK = 0,
    DDERR_GENERIC = static_cast<int32_t>(0x80004005u),
    DDERR_OUTOFMEMORY = static_cast<int32_t>(0x8007000Eu),
    DDERR_UNSUPPORTED = static_cast<int32_t>(0x80004001u),
    DDERR_INVALIDPARAMS = static_cast<int32_t>(0x80070057u),
    DDERR_NOTINITIALIZED = static_cast<int32_t>(0x800401F0u),
    DDERR_INVALIDRECT = CodeDD(150),
    DDERR_NOEXCLUSIVEMODE = CodeDD(225),
    DDERR_SURFACELOST = CodeDD(450),
    DDERR_WASSTILLDRAWING = CodeDD(540),
    DDERR_EXCLUSIVEMODEALREADYSET = CodeDD(581),
    DDERR_CANTCREATEDC = CodeDD(585),
};

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
    MSG_TAILLE,                // minimised (param1 = 1), restored (0) or resized: param2 = w | h << 16
    MSG_PEINT,                 // part of the window needs repainting
    MSG_FERME,                 // close box or posted close request
    MSG_CHANGEMENT_AFFICHAGE,  // display mode changed; param2 = w | h << 16
    MSG_TOUCHE,                // key down; param1 = virtual-key code, param2 = PF_MK_MAJ | PF_MK_CTRL held
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

// What a port implements, one operation an entry.
struct Plateforme {
    // --- Start-up
    // Starts the platform's video layer once; later calls do nothing.
    void (*Initialise)();

    // --- Windows
    // Makes every window from now on `facteur` times larger (1 to 4) than the
    // picture it shows. A window shows its picture at the largest size that
    // fits, centred: nearest pixel at whole factors, smooth otherwise; pointer
    // positions are brought back to the picture's pixels.
    void (*FixeZoom)(int facteur);
    // The size of the display area windows may use; false when no display answers.
    bool (*ZoneUtile)(int *largeur, int *hauteur);
    // Creates a hidden window showing a picture of that size; null on failure.
    // The first window may be resized by the desktop; a window made while
    // another lives opens above that one, at the scale and place relative to
    // its picture that (x, y) gives relative to that one's own (x, y).
    FenetrePf *(*CreeFenetre)(int x, int y, int largeur, int hauteur, const char *titre);
    // Shows the window.
    void (*MontreFenetre)(FenetrePf *fenetre);
    // Destroys the platform window; later messages naming it are dropped.
    void (*DetruitFenetre)(FenetrePf *fenetre);
    // Keeps one pointer with the window (the window class's extra storage).
    void (*AssocieDonnee)(FenetrePf *fenetre, void *donnee);
    // The pointer kept with the window, or null.
    void *(*Donnee)(FenetrePf *fenetre);
    // Where the window's picture lies on the screen; false when the window is gone.
    bool (*ZoneClient)(FenetrePf *fenetre, RectanglePf *zone);
    // Asks for the whole window to be repainted (a paint message follows).
    void (*Invalide)(FenetrePf *fenetre);
    // Raises the window and gives it the keyboard, with or without a window manager.
    void (*ActiveFenetre)(FenetrePf *fenetre);
    // Puts the first window in full screen at the desktop's own resolution,
    // or back where it was; other windows stay as they are.
    void (*BasculePleinEcran)(FenetrePf *fenetre);

    // --- Messages
    // True when a message can be taken without waiting.
    bool (*MessageEnAttente)();
    // Takes the next message, waiting for one without using the processor.
    void (*PrendMessage)(Message *message);
    // Waits the same way until a message can be taken, and takes none.
    void (*AttendMessage)();
    // Queues a message behind the waiting ones (posted close requests).
    void (*PosteMessage)(const Message &message);
    // The translate step: queues the character a key press stands for, if any.
    void (*TraduitMessage)(const Message &message);

    // --- Display-server objects
    // The display-server object of one window.
    int (*CreeObjetAffichage)(ObjetAffichage **objet);
    // Normal (0) or full-screen (1) use of the display by the window, with no
    // change of display mode; DDERR_EXCLUSIVEMODEALREADYSET for a window that
    // opens above another, or when the display cannot say its size.
    int (*NiveauCooperation)(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran);
    // The surface that stands for the window on the screen.
    int (*SurfacePrimaire)(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface);
    // A clipper, which keeps copies inside the window it is bound to.
    int (*CreeClipper)(ObjetAffichage *objet, Clipper **clipper);
    // Binds the clipper to a window.
    int (*ClipperFenetre)(Clipper *clipper, FenetrePf *fenetre);
    // Attaches the clipper to a surface, which then owns it.
    int (*AttacheClipper)(Surface *surface, Clipper *clipper);
    // Frees a clipper no surface took (null is accepted).
    void (*LibereClipper)(Clipper *clipper);
    // Bits per pixel of a surface.
    int (*FormatPixels)(Surface *surface, int *bits);
    // An off-screen surface of the display's pixel format.
    int (*CreeSurface)(ObjetAffichage *objet, int largeur, int hauteur, Surface **surface);
    // Detects a lost exclusive mode; 0 when nothing changed.
    int (*TesteCooperation)(ObjetAffichage *objet);
    // Re-allocates the lost surfaces of the display (the window surface after a change).
    int (*RestaureSurfaces)(ObjetAffichage *objet);
    // Re-allocates one surface if its memory was lost.
    int (*Restaure)(Surface *surface);
    // Frees a surface (null is accepted).
    void (*LibereSurface)(Surface *surface);
    // Frees a display-server object (null is accepted).
    void (*LibereObjetAffichage)(ObjetAffichage *objet);

    // --- Surfaces
    // Width and height of a surface.
    int (*TailleSurface)(Surface *surface, int *largeur, int *hauteur);
    // Copies source (whole surface when null) to destination (whole when null),
    // scaling when the two differ in size. A copy to a window's primary surface
    // is clipped to the window and reaches the screen at once.
    int (*Copie)(Surface *destination, const RectanglePf *rectDestination, Surface *source,
                 const RectanglePf *rectSource);
    // Pixel access for the drawing primitives; pair each success with Relache.
    int (*Accede)(Surface *surface, AccesPixels *acces);
    // Ends a pixel access.
    void (*Relache)(Surface *surface);
    // Sets the source colour key (a raw pixel value).
    int (*CleCouleur)(Surface *surface, uint32_t valeur);
    // Decodes a BMP file that the toolkit has opened and checked into a
    // 32-bit surface of its own size; closes the file in every case.
    int (*DecodeBitmap)(FILE *fichier, Surface **surface);

    // --- Fonts
    // Opens the closest fixed-pitch face to the name at the size whose line
    // height is `hauteur` pixels; null when no font can be had.
    PolicePf *(*OuvrePolice)(const char *nom, int hauteur);
    // Closes a font (null is accepted).
    void (*FermePolice)(PolicePf *police);
    // Size of a Windows-1252 text drawn as one line.
    void (*TailleTexte)(PolicePf *police, const char *texte, int *largeur, int *hauteur);
    // Blends the text's glyphs onto the surface with (x, y) its top-left
    // corner, inside the clip rectangle.
    int (*EcritTexte)(Surface *surface, PolicePf *police, int x, int y, const char *texte, uint32_t rgb,
                      const RectanglePf &clip);

    // --- Sound
    // Makes the audio output ready; true when a device answers. Without one
    // it is false, and nothing is written about it anywhere; later calls give
    // the first call's answer. The output runs only while sounds play or have
    // just played, so that an idle program uses no processor for it.
    bool (*OuvreAudio)();
    // Decodes the bytes of a WAV file for the mixer; null when they are not a
    // WAV file it can read, hold no sound or last more than 30 seconds.
    SonPf *(*DecodeSon)(const void *octets, size_t taille);
    // Starts the sound on a free voice of the mixer and returns at once. A
    // sound started again less than 25 ms after its last start waits until
    // then, so that a quick series stays a run of distinct sounds. Nothing
    // when the output is not open or every voice is taken.
    void (*JoueSon)(SonPf *son);
    // Stops every sound, playing or waiting to start.
    void (*CoupeSons)();

    // --- Time and diagnostics
    // Sleeps; then ends the program with status 0 if the platform asked it to
    // quit or to close its only window meanwhile.
    void (*Dort)(int millisecondes);
    // Writes one Windows-1252 diagnostic line to the debugger output channel.
    void (*EcritDiagnostic)(const char *texte);
};

// The port the toolkit runs on.
extern Plateforme plateforme;
