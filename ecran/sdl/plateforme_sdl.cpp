// The display backend on SDL2, SDL2_ttf and fontconfig. SDL events become
// the toolkit's platform messages; surfaces are 32-bit XRGB so the toolkit's
// own drawing code can write pixels directly.
#include "plateforme.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "directdraw.h"

// Kept after its SDL window is gone, so that the records still naming it
// (a primary surface, a window record) see a dead window, not freed memory.
struct FenetrePf {
    SDL_Window *sdl;  // null once destroyed
    uint32_t id;
    void *donnee;
};

struct ObjetAffichage {
    FenetrePf *fenetre;  // the window whose primary surface this object made
};

struct Surface {
    SDL_Surface *sdl;      // null for a primary surface: SDL owns the window's
    FenetrePf *fenetre;    // the window of a primary surface
    Clipper *clipper;
};

struct Clipper {
    FenetrePf *fenetre;
};

struct PolicePf {
    TTF_Font *ttf;
};

namespace {

std::vector<FenetrePf *> fenetres;
// Every handle ever made. A destroyed window's handle stays valid (and
// answers as gone) because the toolkit's records may still name it; held
// from a pointer that outlives exit, so the handles are never freed early.
std::vector<FenetrePf *> *const poignees = new std::vector<FenetrePf *>;
std::deque<Message> postes;  // posted and translated messages, taken before SDL's
uint32_t etatBoutons;        // button bits as the window system last reported them
int pannes[PF_OP_NOMBRE];

// A failure armed by a test for the next call of an operation, or 0.
int Panne(OperationPf operation) {
    int code = pannes[operation];
    pannes[operation] = 0;
    return code;
}

FenetrePf *FenetreDeId(uint32_t id) {
    for (FenetrePf *f : fenetres)
        if (f->id == id)
            return f;
    return nullptr;
}

// Windows-1252 codes 0x80..0x9F; the rest of the code page is Latin-1.
const uint16_t cp1252[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// The Windows-1252 code of a code point, or -1 when it has none.
int Vers1252(uint32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
        return static_cast<int>(point);
    for (int i = 0; i < 32; i++)
        if (cp1252[i] == point && point != 0)
            return 0x80 + i;
    return -1;
}

void AjouteUtf8(std::string &sortie, uint32_t point) {
    if (point < 0x80) {
        sortie += static_cast<char>(point);
    } else if (point < 0x800) {
        sortie += static_cast<char>(0xC0 | (point >> 6));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (point >> 12));
        sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    }
}

std::string Utf8De1252(const char *texte) {
    std::string sortie;
    for (const unsigned char *c = reinterpret_cast<const unsigned char *>(texte); *c; c++) {
        uint32_t point = *c;
        if (point >= 0x80 && point < 0xA0)
            point = cp1252[point - 0x80] ? cp1252[point - 0x80] : '?';
        AjouteUtf8(sortie, point);
    }
    return sortie;
}

// Decodes UTF-8 into Windows-1252 codes, dropping what the code page lacks.
std::vector<int> CodesDeUtf8(const char *texte) {
    std::vector<int> codes;
    const unsigned char *c = reinterpret_cast<const unsigned char *>(texte);
    while (*c) {
        uint32_t point = *c;
        int suite = 0;
        if (point >= 0xF0) {
            point &= 0x07;
            suite = 3;
        } else if (point >= 0xE0) {
            point &= 0x0F;
            suite = 2;
        } else if (point >= 0xC0) {
            point &= 0x1F;
            suite = 1;
        }
        c++;
        for (; suite > 0 && (*c & 0xC0) == 0x80; suite--, c++)
            point = (point << 6) | (*c & 0x3F);
        int code = suite == 0 ? Vers1252(point) : -1;
        if (code > 0)
            codes.push_back(code);
    }
    return codes;
}

// Virtual-key codes of the keys the toolkit knows by name.
const struct {
    SDL_Keycode sdl;
    int virtuel;
} touches[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},   {SDLK_KP_ENTER, 0x0D},
    {SDLK_ESCAPE, 0x1B},    {SDLK_SPACE, 0x20},    {SDLK_PAGEUP, 0x21},   {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},       {SDLK_HOME, 0x24},     {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},
    {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},     {SDLK_INSERT, 0x2D},   {SDLK_DELETE, 0x2E},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},
};

int VirtuelDeTouche(SDL_Keycode touche) {
    if (touche >= SDLK_a && touche <= SDLK_z)
        return 'A' + (touche - SDLK_a);
    if (touche >= SDLK_0 && touche <= SDLK_9)
        return '0' + (touche - SDLK_0);
    if (touche >= SDLK_F1 && touche <= SDLK_F12)
        return 0x70 + (touche - SDLK_F1);
    for (const auto &t : touches)
        if (t.sdl == touche)
            return t.virtuel;
    return 0;
}

SDL_Keycode ToucheDeVirtuel(int virtuel) {
    if (virtuel >= 'A' && virtuel <= 'Z')
        return SDLK_a + (virtuel - 'A');
    if (virtuel >= '0' && virtuel <= '9')
        return SDLK_0 + (virtuel - '0');
    for (const auto &t : touches)
        if (t.virtuel == virtuel)
            return t.sdl;
    return SDLK_UNKNOWN;
}

uint32_t Modificateurs() {
    SDL_Keymod mod = SDL_GetModState();
    return ((mod & KMOD_SHIFT) ? PF_MK_MAJ : 0) | ((mod & KMOD_CTRL) ? PF_MK_CTRL : 0);
}

uint32_t BitBouton(uint8_t bouton) {
    switch (bouton) {
    case SDL_BUTTON_LEFT: return PF_MK_GAUCHE;
    case SDL_BUTTON_MIDDLE: return PF_MK_MILIEU;
    case SDL_BUTTON_RIGHT: return PF_MK_DROIT;
    default: return 0;
    }
}

uint32_t Position(int x, int y) {
    return (static_cast<uint32_t>(x) & 0xFFFF) | (static_cast<uint32_t>(y) << 16);
}

// Queues one message per live window (display changes concern them all).
void PosteATous(int type, uint32_t param2) {
    for (FenetrePf *f : fenetres)
        postes.push_back(Message{f, type, 0, param2});
}

bool TraduitFenetre(const SDL_WindowEvent &e, FenetrePf *f, Message *m) {
    m->fenetre = f;
    m->param1 = m->param2 = 0;
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: m->type = MSG_FERME; return true;
    case SDL_WINDOWEVENT_MOVED: m->type = MSG_DEPLACE; return true;
    case SDL_WINDOWEVENT_EXPOSED: m->type = MSG_PEINT; return true;
    case SDL_WINDOWEVENT_MINIMIZED: m->type = MSG_TAILLE; m->param1 = 1; return true;
    case SDL_WINDOWEVENT_RESTORED: m->type = MSG_TAILLE; return true;
    default: return false;
    }
}

bool TraduitSouris(const SDL_Event &e, FenetrePf *f, Message *m) {
    m->fenetre = f;
    if (e.type == SDL_MOUSEMOTION) {
        uint32_t etat = 0;
        for (uint8_t b = SDL_BUTTON_LEFT; b <= SDL_BUTTON_RIGHT; b++)
            if (e.motion.state & SDL_BUTTON(b))
                etat |= BitBouton(b);
        m->type = MSG_SOURIS;
        m->param1 = etat | Modificateurs();
        m->param2 = Position(e.motion.x, e.motion.y);
        return true;
    }
    uint32_t bit = BitBouton(e.button.button);
    if (e.type == SDL_MOUSEBUTTONDOWN)
        etatBoutons |= bit;
    else
        etatBoutons &= ~bit;
    if (bit != PF_MK_GAUCHE)
        return false;
    m->type = e.type == SDL_MOUSEBUTTONDOWN ? MSG_BOUTON_GAUCHE_BAS : MSG_BOUTON_GAUCHE_HAUT;
    m->param1 = etatBoutons | Modificateurs();
    m->param2 = Position(e.button.x, e.button.y);
    return true;
}

// Turns an SDL event into a message; false when the toolkit has no use for it.
bool Traduit(const SDL_Event &e, Message *m) {
    switch (e.type) {
    case SDL_WINDOWEVENT: {
        FenetrePf *f = FenetreDeId(e.window.windowID);
        return f && TraduitFenetre(e.window, f, m);
    }
    case SDL_DISPLAYEVENT: {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
            PosteATous(MSG_CHANGEMENT_AFFICHAGE, Position(mode.w, mode.h));
        return false;
    }
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        FenetrePf *f = FenetreDeId(e.type == SDL_MOUSEMOTION ? e.motion.windowID : e.button.windowID);
        return f && TraduitSouris(e, f, m);
    }
    case SDL_KEYDOWN: {
        FenetrePf *f = FenetreDeId(e.key.windowID);
        int virtuel = VirtuelDeTouche(e.key.keysym.sym);
        if (!f || virtuel == 0)
            return false;
        *m = Message{f, MSG_TOUCHE, static_cast<uint32_t>(virtuel), 0};
        return true;
    }
    case SDL_TEXTINPUT: {
        FenetrePf *f = FenetreDeId(e.text.windowID);
        if (!f)
            return false;
        for (int code : CodesDeUtf8(e.text.text))
            postes.push_back(Message{f, MSG_CARACTERE, static_cast<uint32_t>(code), 0});
        return false;
    }
    case SDL_QUIT: *m = Message{nullptr, MSG_QUITTE, 0, 0}; return true;
    default: return false;
    }
}

SDL_Surface *NouvelleSurface(int largeur, int hauteur) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, largeur, hauteur, 32, SDL_PIXELFORMAT_RGB888);
    if (s)
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
    return s;
}

// The pixels behind a surface: SDL's current window surface for a primary one.
SDL_Surface *Pixels(Surface *surface) {
    if (surface->sdl)
        return surface->sdl;
    SDL_Window *w = surface->fenetre ? surface->fenetre->sdl : nullptr;
    return w ? SDL_GetWindowSurface(w) : nullptr;
}

SDL_Rect RectSdl(const RectanglePf &r) {
    return SDL_Rect{r.gauche, r.haut, r.droite - r.gauche, r.bas - r.haut};
}

bool Contient(SDL_Surface *s, const RectanglePf &r) {
    return r.gauche >= 0 && r.haut >= 0 && r.gauche <= r.droite && r.haut <= r.bas && r.droite <= s->w &&
           r.bas <= s->h;
}

// Clips a rectangle to the surface, as the window's clipper does for a primary surface.
RectanglePf Coupe(SDL_Surface *s, RectanglePf r) {
    r.gauche = SDL_max(r.gauche, 0);
    r.haut = SDL_max(r.haut, 0);
    r.droite = SDL_min(r.droite, s->w);
    r.bas = SDL_min(r.bas, s->h);
    return r;
}

// The face file fontconfig matches to a name, asking for fixed pitch.
std::string FichierPolice(const char *nom, int *index) {
    std::string fichier;
    if (!FcInit())
        return fichier;
    FcPattern *motif = FcNameParse(reinterpret_cast<const FcChar8 *>(nom));
    if (!motif)
        return fichier;
    FcPatternDel(motif, FC_SIZE);
    FcPatternAddInteger(motif, FC_SPACING, FC_MONO);
    FcPatternAddInteger(motif, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(motif, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(motif, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat;
    FcPattern *trouve = FcFontMatch(nullptr, motif, &resultat);
    FcChar8 *chemin = nullptr;
    if (trouve && FcPatternGetString(trouve, FC_FILE, 0, &chemin) == FcResultMatch) {
        fichier = reinterpret_cast<const char *>(chemin);
        if (FcPatternGetInteger(trouve, FC_INDEX, 0, index) != FcResultMatch)
            *index = 0;
    }
    if (trouve)
        FcPatternDestroy(trouve);
    FcPatternDestroy(motif);
    return fichier;
}

// The largest point size whose line height does not pass `hauteur` pixels.
bool AjusteTaille(TTF_Font *police, int hauteur) {
    int taille = hauteur;
    while (taille > 1) {
        if (TTF_SetFontSize(police, taille) != 0)
            return false;
        if (TTF_FontHeight(police) <= hauteur)
            return true;
        taille--;
    }
    return TTF_SetFontSize(police, 1) == 0;
}

}  // namespace

void PfInitialise() {
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return;
    // Without this, the first window-surface call recreates the X window as
    // an OpenGL one and its id changes under the toolkit's feet.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Without this a poll stops at SDL's marker of the previous pump and
    // reports an empty queue while an event pushed after it is waiting.
    SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        PfEcritDiagnostic(SDL_GetError());
    TTF_Init();
    SDL_StartTextInput();
}

FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int pleinEcran) {
    PfInitialise();
    if (Panne(PF_OP_FENETRE))
        return nullptr;
    uint32_t drapeaux = SDL_WINDOW_HIDDEN | (pleinEcran ? SDL_WINDOW_BORDERLESS : 0);
    std::string titreUtf8 = Utf8De1252(titre ? titre : "");
    SDL_Window *sdl = SDL_CreateWindow(titreUtf8.c_str(), x, y, largeur, hauteur, drapeaux);
    if (!sdl)
        return nullptr;
    FenetrePf *f = new FenetrePf{sdl, SDL_GetWindowID(sdl), nullptr};
    poignees->push_back(f);
    fenetres.push_back(f);
    return f;
}

void PfMontreFenetre(FenetrePf *fenetre) {
    if (fenetre->sdl)
        SDL_ShowWindow(fenetre->sdl);
}

namespace {

// The window system hands a release to the window that took the press. A
// window destroyed in between (a box closed by its own button) loses it, SDL
// goes on believing the button held and swallows the next press. So the
// release is waited for, a second at most, and other windows' input is kept.
void AttendRelachement() {
    const uint32_t limite = SDL_GetTicks() + 1000;
    SDL_Event e;
    while ((SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) && !SDL_TICKS_PASSED(SDL_GetTicks(), limite)) {
        Message m;
        if (SDL_WaitEventTimeout(&e, 50) && Traduit(e, &m))
            postes.push_back(m);
    }
}

}  // namespace

void PfDetruitFenetre(FenetrePf *fenetre) {
    if (!fenetre->sdl)
        return;
    AttendRelachement();
    for (size_t i = 0; i < fenetres.size(); i++)
        if (fenetres[i] == fenetre)
            fenetres.erase(fenetres.begin() + static_cast<long>(i));
    for (auto m = postes.begin(); m != postes.end();)
        m = m->fenetre == fenetre ? postes.erase(m) : m + 1;
    SDL_DestroyWindow(fenetre->sdl);
    fenetre->sdl = nullptr;
}

void PfAssocieDonnee(FenetrePf *fenetre, void *donnee) {
    fenetre->donnee = donnee;
}

void *PfDonnee(FenetrePf *fenetre) {
    return fenetre->donnee;
}

bool PfZoneClient(FenetrePf *fenetre, RectanglePf *zone) {
    if (!fenetre->sdl)
        return false;
    int x, y, w, h;
    SDL_GetWindowPosition(fenetre->sdl, &x, &y);
    SDL_GetWindowSize(fenetre->sdl, &w, &h);
    *zone = RectanglePf{x, y, x + w, y + h};
    return true;
}

void PfInvalide(FenetrePf *fenetre) {
    PfPosteMessage(Message{fenetre, MSG_PEINT, 0, 0});
}

namespace {

// Moves SDL's events into the message queue until it holds one; SDL events
// the toolkit has no use for are dropped on the way, so that "a message is
// waiting" never means an event that would then be thrown away.
bool Remplit(bool attendre) {
    while (postes.empty()) {
        SDL_Event e;
        if (attendre ? !SDL_WaitEvent(&e) : !SDL_PollEvent(&e))
            return false;
        Message m;
        if (Traduit(e, &m))
            postes.push_back(m);
    }
    return true;
}

}  // namespace

bool PfMessageEnAttente() {
    return Remplit(false);
}

void PfPrendMessage(Message *message) {
    while (!Remplit(true)) {
    }
    *message = postes.front();
    postes.pop_front();
}

void PfPosteMessage(const Message &message) {
    if (message.type == MSG_QUITTE || (message.fenetre && message.fenetre->sdl))
        postes.push_back(message);
}

void PfTraduitMessage(const Message &message) {
    if (message.type != MSG_TOUCHE)
        return;
    uint32_t v = message.param1;
    if (v == 0x08 || v == 0x09 || v == 0x0D || v == 0x1B)
        postes.push_front(Message{message.fenetre, MSG_CARACTERE, v, 0});
}

int PfCreeObjetAffichage(ObjetAffichage **objet) {
    if (int code = Panne(PF_OP_OBJET))
        return code;
    *objet = new ObjetAffichage{nullptr};
    return DD_OK;
}

int PfNiveauCooperation(ObjetAffichage *objet, FenetrePf *fenetre, int pleinEcran) {
    if (int code = Panne(PF_OP_COOPERATION))
        return code;
    objet->fenetre = fenetre;
    if (!fenetre->sdl)
        return DDERR_GENERIC;
    if (pleinEcran && SDL_SetWindowFullscreen(fenetre->sdl, SDL_WINDOW_FULLSCREEN) != 0)
        return DDERR_EXCLUSIVEMODEALREADYSET;
    return DD_OK;
}

int PfModeAffichage(ObjetAffichage *objet, int largeur, int hauteur, int bits) {
    if (int code = Panne(PF_OP_MODE))
        return code;
    uint32_t format = bits == 32 ? static_cast<uint32_t>(SDL_PIXELFORMAT_RGB888) : 0u;
    SDL_DisplayMode mode = {format, largeur, hauteur, 0, nullptr};
    if (!objet->fenetre || !objet->fenetre->sdl || SDL_SetWindowDisplayMode(objet->fenetre->sdl, &mode) != 0)
        return DDERR_UNSUPPORTED;
    return DD_OK;
}

int PfSurfacePrimaire(ObjetAffichage *objet, FenetrePf *fenetre, Surface **surface) {
    if (int code = Panne(PF_OP_PRIMAIRE))
        return code;
    objet->fenetre = fenetre;
    if (!fenetre->sdl || !SDL_GetWindowSurface(fenetre->sdl))
        return DDERR_OUTOFMEMORY;
    *surface = new Surface{nullptr, fenetre, nullptr};
    return DD_OK;
}

int PfCreeClipper(ObjetAffichage *, Clipper **clipper) {
    if (int code = Panne(PF_OP_CLIPPER))
        return code;
    *clipper = new Clipper{nullptr};
    return DD_OK;
}

int PfClipperFenetre(Clipper *clipper, FenetrePf *fenetre) {
    if (int code = Panne(PF_OP_CLIPPER_FENETRE))
        return code;
    clipper->fenetre = fenetre;
    return DD_OK;
}

int PfAttacheClipper(Surface *surface, Clipper *clipper) {
    if (int code = Panne(PF_OP_ATTACHE_CLIPPER))
        return code;
    surface->clipper = clipper;
    return DD_OK;
}

void PfLibereClipper(Clipper *clipper) {
    delete clipper;
}

int PfFormatPixels(Surface *surface, int *bits) {
    if (int code = Panne(PF_OP_FORMAT))
        return code;
    SDL_Surface *s = Pixels(surface);
    if (!s)
        return DDERR_SURFACELOST;
    *bits = s->format->BitsPerPixel;
    return DD_OK;
}

int PfCreeSurface(ObjetAffichage *, int largeur, int hauteur, Surface **surface) {
    if (int code = Panne(PF_OP_SURFACE))
        return code;
    if (largeur <= 0 || hauteur <= 0)
        return DDERR_INVALIDPARAMS;
    SDL_Surface *s = NouvelleSurface(largeur, hauteur);
    if (!s)
        return DDERR_OUTOFMEMORY;
    *surface = new Surface{s, nullptr, nullptr};
    return DD_OK;
}

int PfTesteCooperation(ObjetAffichage *) {
    return DD_OK;
}

int PfRestaureSurfaces(ObjetAffichage *objet) {
    if (objet->fenetre && objet->fenetre->sdl && !SDL_GetWindowSurface(objet->fenetre->sdl))
        return DDERR_SURFACELOST;
    return DD_OK;
}

int PfRestaure(Surface *surface) {
    return Pixels(surface) ? DD_OK : DDERR_SURFACELOST;
}

void PfLibereSurface(Surface *surface) {
    if (!surface)
        return;
    SDL_FreeSurface(surface->sdl);
    delete surface->clipper;
    delete surface;
}

void PfLibereObjetAffichage(ObjetAffichage *objet) {
    delete objet;
}

int PfTailleSurface(Surface *surface, int *largeur, int *hauteur) {
    SDL_Surface *s = surface ? Pixels(surface) : nullptr;
    if (!s)
        return DDERR_SURFACELOST;
    *largeur = s->w;
    *hauteur = s->h;
    return DD_OK;
}

namespace {

// A same-size copy between surfaces of one format, row by row. SDL's own
// blit is ten times slower or worse for some left edges (x = 100, 600), the
// very places the game refreshes most.
bool CopieLignes(SDL_Surface *s, const SDL_Rect &rs, SDL_Surface *d, const SDL_Rect &rd) {
    if (s->format->format != d->format->format || s->format->BytesPerPixel != 4 ||
        !Contient(d, RectanglePf{rd.x, rd.y, rd.x + rd.w, rd.y + rd.h}))
        return false;
    if (SDL_LockSurface(s) != 0)
        return false;
    if (SDL_LockSurface(d) != 0) {
        SDL_UnlockSurface(s);
        return false;
    }
    const size_t octets = static_cast<size_t>(rs.w) * 4;
    for (int y = 0; y < rs.h; y++)
        memmove(static_cast<uint8_t *>(d->pixels) + (rd.y + y) * d->pitch + rd.x * 4,
                static_cast<const uint8_t *>(s->pixels) + (rs.y + y) * s->pitch + rs.x * 4, octets);
    SDL_UnlockSurface(d);
    SDL_UnlockSurface(s);
    return true;
}

}  // namespace

int PfCopie(Surface *destination, const RectanglePf *rectDestination, Surface *source, const RectanglePf *rectSource) {
    if (int code = Panne(PF_OP_COPIE))
        return code;
    if (!destination || !source)
        return DDERR_INVALIDPARAMS;
    SDL_Surface *d = Pixels(destination);
    SDL_Surface *s = Pixels(source);
    if (!d || !s)
        return DDERR_SURFACELOST;
    RectanglePf rs = rectSource ? *rectSource : RectanglePf{0, 0, s->w, s->h};
    RectanglePf rd = rectDestination ? *rectDestination : RectanglePf{0, 0, d->w, d->h};
    bool primaire = destination->sdl == nullptr;
    if (!Contient(s, rs) || (!primaire && !Contient(d, rd)) || rd.droite < rd.gauche || rd.bas < rd.haut)
        return DDERR_INVALIDRECT;
    if (rs.droite == rs.gauche || rs.bas == rs.haut || rd.droite == rd.gauche || rd.bas == rd.haut)
        return DD_OK;
    SDL_Rect srcSdl = RectSdl(rs), dstSdl = RectSdl(rd);
    bool memeTaille = srcSdl.w == dstSdl.w && srcSdl.h == dstSdl.h;
    int r = !memeTaille                          ? SDL_BlitScaled(s, &srcSdl, d, &dstSdl)
            : CopieLignes(s, srcSdl, d, dstSdl) ? 0
                                                : SDL_BlitSurface(s, &srcSdl, d, &dstSdl);
    if (r != 0)
        return DDERR_GENERIC;
    if (primaire) {
        SDL_Rect montre = RectSdl(Coupe(d, rd));
        if (montre.w > 0 && montre.h > 0 && SDL_UpdateWindowSurfaceRects(destination->fenetre->sdl, &montre, 1) != 0)
            return DDERR_SURFACELOST;
    }
    return DD_OK;
}

int PfAccede(Surface *surface, AccesPixels *acces) {
    if (int code = Panne(PF_OP_ACCEDE))
        return code;
    SDL_Surface *s = Pixels(surface);
    if (!s || s->format->BytesPerPixel != 4 || SDL_LockSurface(s) != 0)
        return DDERR_CANTCREATEDC;
    *acces = AccesPixels{static_cast<uint32_t *>(s->pixels), s->pitch / 4, s->w, s->h};
    return DD_OK;
}

void PfRelache(Surface *surface) {
    if (SDL_Surface *s = Pixels(surface))
        SDL_UnlockSurface(s);
}

int PfCleCouleur(Surface *surface, uint32_t valeur) {
    SDL_Surface *s = Pixels(surface);
    if (!s)
        return DDERR_SURFACELOST;
    return SDL_SetColorKey(s, SDL_TRUE, valeur) == 0 ? DD_OK : DDERR_GENERIC;
}

namespace {

uint32_t Lit32(const unsigned char *p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Checks a BMP header against the file before SDL trusts it: SDL allocates
// whatever size the header claims.
bool EnteteAcceptable(const char *nom) {
    FILE *f = fopen(nom, "rb");
    if (!f)
        return false;
    unsigned char t[54] = {0};
    size_t lus = fread(t, 1, sizeof t, f);
    fseek(f, 0, SEEK_END);
    long taille = ftell(f);
    fclose(f);
    if (lus < 26 || t[0] != 'B' || t[1] != 'M')
        return false;
    uint32_t debut = Lit32(t + 10), entete = Lit32(t + 14);
    int64_t w, h;
    int bits, compression = 0;
    if (entete == 12) {
        w = t[18] | (t[19] << 8);
        h = t[20] | (t[21] << 8);
        bits = t[24] | (t[25] << 8);
    } else if (entete >= 40 && entete <= 124 && lus >= 54) {
        w = static_cast<int32_t>(Lit32(t + 18));
        h = static_cast<int32_t>(Lit32(t + 22));
        bits = t[28] | (t[29] << 8);
        compression = static_cast<int>(Lit32(t + 30));
    } else {
        return false;
    }
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384 || debut >= static_cast<uint64_t>(taille))
        return false;
    int64_t donnees = taille - debut;
    bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    bool brut = compression == 0 || (compression == 3 && (bits == 16 || bits == 32));
    if (rle)  // a run of up to 255 pixels takes two bytes
        return w * h <= donnees * 128;
    if (!brut || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    int64_t ligne = ((w * bits + 31) / 32) * 4;
    return ligne * h <= donnees;
}

}  // namespace

int PfChargeBitmap(const char *nom, Surface **surface) {
    if (int code = Panne(PF_OP_BITMAP))
        return code;
    if (!nom || !EnteteAcceptable(nom))
        return DDERR_INVALIDPARAMS;
    SDL_Surface *lue = SDL_LoadBMP(nom);
    if (!lue)
        return DDERR_INVALIDPARAMS;
    SDL_Surface *convertie = SDL_ConvertSurfaceFormat(lue, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(lue);
    if (!convertie)
        return DDERR_OUTOFMEMORY;
    SDL_SetSurfaceBlendMode(convertie, SDL_BLENDMODE_NONE);
    *surface = new Surface{convertie, nullptr, nullptr};
    return DD_OK;
}

PolicePf *PfOuvrePolice(const char *nom, int hauteur) {
    PfInitialise();
    if (Panne(PF_OP_POLICE) || hauteur <= 0)
        return nullptr;
    int index = 0;
    std::string fichier = FichierPolice(nom, &index);
    if (fichier.empty())
        fichier = FichierPolice("monospace", &index);
    TTF_Font *ttf = fichier.empty() ? nullptr : TTF_OpenFontIndex(fichier.c_str(), hauteur, index);
    if (!ttf)
        return nullptr;
    if (!AjusteTaille(ttf, hauteur)) {
        TTF_CloseFont(ttf);
        return nullptr;
    }
    return new PolicePf{ttf};
}

void PfFermePolice(PolicePf *police) {
    if (!police)
        return;
    TTF_CloseFont(police->ttf);
    delete police;
}

void PfTailleTexte(PolicePf *police, const char *texte, int *largeur, int *hauteur) {
    int w = 0, h = 0;
    std::string utf8 = Utf8De1252(texte);
    if (!utf8.empty())
        TTF_SizeUTF8(police->ttf, utf8.c_str(), &w, &h);
    *largeur = w;
    *hauteur = TTF_FontHeight(police->ttf);
}

int PfEcritTexte(Surface *surface, PolicePf *police, int x, int y, const char *texte, uint32_t rgb,
                 const RectanglePf &clip) {
    std::string utf8 = Utf8De1252(texte);
    if (utf8.empty())
        return DD_OK;
    SDL_Color couleur = {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), 255};
    SDL_Surface *glyphes = TTF_RenderUTF8_Blended(police->ttf, utf8.c_str(), couleur);
    if (!glyphes)
        return DDERR_GENERIC;
    AccesPixels a;
    int code = PfAccede(surface, &a);
    if (code == DD_OK) {
        RectanglePf zone = {SDL_max(clip.gauche, 0), SDL_max(clip.haut, 0), SDL_min(clip.droite, a.largeur),
                            SDL_min(clip.bas, a.hauteur)};
        SDL_LockSurface(glyphes);
        for (int j = SDL_max(0, zone.haut - y); j < glyphes->h && y + j < zone.bas; j++) {
            const uint32_t *src = reinterpret_cast<const uint32_t *>(static_cast<uint8_t *>(glyphes->pixels) + j * glyphes->pitch);
            uint32_t *dst = a.pixels + (y + j) * a.pas;
            for (int i = SDL_max(0, zone.gauche - x); i < glyphes->w && x + i < zone.droite; i++) {
                uint8_t r, g, b, alpha;
                SDL_GetRGBA(src[i], glyphes->format, &r, &g, &b, &alpha);
                if (alpha == 0)
                    continue;
                uint32_t fond = dst[x + i];
                auto mele = [alpha](uint32_t f, uint32_t t) { return (t * alpha + f * (255 - alpha) + 127) / 255; };
                dst[x + i] = (mele((fond >> 16) & 0xFF, r) << 16) | (mele((fond >> 8) & 0xFF, g) << 8) | mele(fond & 0xFF, b);
            }
        }
        SDL_UnlockSurface(glyphes);
        PfRelache(surface);
    }
    SDL_FreeSurface(glyphes);
    return code;
}

void PfDort(int millisecondes) {
    SDL_Delay(static_cast<uint32_t>(millisecondes));
}

void PfEcritDiagnostic(const char *texte) {
    std::string utf8 = Utf8De1252(texte);
    fputs(utf8.c_str(), stderr);
    if (utf8.empty() || utf8.back() != '\n')
        fputc('\n', stderr);
    fflush(stderr);
}

void PfPanneSuivante(OperationPf operation, int code) {
    pannes[operation] = code;
}

namespace {

void Pousse(SDL_Event &e) {
    SDL_PushEvent(&e);
}

}  // namespace

void PfInjecteSouris(FenetrePf *fenetre, int type, int x, int y, uint32_t boutons) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    if (type == MSG_SOURIS) {
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = fenetre->id;
        e.motion.x = x;
        e.motion.y = y;
        e.motion.state = ((boutons & PF_MK_GAUCHE) ? SDL_BUTTON_LMASK : 0) |
                         ((boutons & PF_MK_MILIEU) ? SDL_BUTTON_MMASK : 0) | ((boutons & PF_MK_DROIT) ? SDL_BUTTON_RMASK : 0);
    } else {
        e.type = type == MSG_BOUTON_GAUCHE_BAS ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = fenetre->id;
        e.button.button = (boutons & PF_MK_DROIT) ? SDL_BUTTON_RIGHT
                          : (boutons & PF_MK_MILIEU) ? SDL_BUTTON_MIDDLE : SDL_BUTTON_LEFT;
        e.button.state = e.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
    }
    Pousse(e);
}

void PfInjecteTouche(FenetrePf *fenetre, int codeVirtuel) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_KEYDOWN;
    e.key.windowID = fenetre->id;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = ToucheDeVirtuel(codeVirtuel);
    Pousse(e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    Pousse(e);
}

void PfInjecteTexte(FenetrePf *fenetre, const char *utf8) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    e.text.windowID = fenetre->id;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    Pousse(e);
}

void PfInjecteFermeture(FenetrePf *fenetre) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = fenetre->id;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    Pousse(e);
}

void PfInjecteDeplacement(FenetrePf *fenetre, int x, int y) {
    if (!fenetre->sdl)
        return;
    SDL_SetWindowPosition(fenetre->sdl, x, y);
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = fenetre->id;
    e.window.event = SDL_WINDOWEVENT_MOVED;
    e.window.data1 = x;
    e.window.data2 = y;
    Pousse(e);
}

void PfInjecteExposition(FenetrePf *fenetre) {
    if (!fenetre->sdl)
        return;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = fenetre->id;
    e.window.event = SDL_WINDOWEVENT_EXPOSED;
    Pousse(e);
}

void PfVideMessages() {
    postes.clear();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}
