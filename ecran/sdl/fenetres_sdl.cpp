// SPDX-License-Identifier: GPL-3.0-or-later
// Platform windows and the message queue: SDL windows stand for the
// platform's, SDL events become messages one at a time, and waiting blocks
// in SDL so that an idle program uses no processor.
#include "sdl_interne.h"

#include <cstdlib>
#include <cstring>

std::vector<FenetrePf *> fenetres;
std::deque<Message> postes;
int zoomSuivant = 1;

namespace {

// Every handle ever made. A destroyed window's handle stays valid (and
// answers as gone) because the toolkit's records may still name it; held
// from a pointer that outlives exit, so the handles are never freed early.
std::vector<FenetrePf *> *const poignees = new std::vector<FenetrePf *>;

}  // namespace

FenetrePf *FenetreDeId(uint32_t id) {
    for (FenetrePf *f : fenetres)
        if (f->id == id)
            return f;
    return nullptr;
}

namespace {

bool VideoPrete = false;

// Drivers that show nothing: for tests, and only when asked for by name.
bool Invisible(const char *pilote) {
    return strcmp(pilote, "offscreen") == 0 || strcmp(pilote, "dummy") == 0 || strcmp(pilote, "evdev") == 0;
}

// SDL falls back to a driver that shows nothing when no display answers, and
// the program would wait for ever, unseen. So each driver that shows
// something is tried in SDL's order, and none is a failure that says why.
void DemarreVideo() {
    const char *demande = SDL_getenv("SDL_VIDEODRIVER");
    if (demande != nullptr && demande[0] != '\0') {
        VideoPrete = SDL_Init(SDL_INIT_VIDEO) == 0;
        if (!VideoPrete)
            PfEcritDiagnostic(SDL_GetError());
        return;
    }
    std::string raisons;
    for (int i = 0; i < SDL_GetNumVideoDrivers() && !VideoPrete; i++) {
        const char *pilote = SDL_GetVideoDriver(i);
        if (Invisible(pilote))
            continue;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, pilote);
        VideoPrete = SDL_Init(SDL_INIT_VIDEO) == 0;
        if (!VideoPrete)
            raisons += (raisons.empty() ? "" : ", ") + std::string(SDL_GetError());
    }
    if (!VideoPrete) {
        const char *x = SDL_getenv("DISPLAY"), *wayland = SDL_getenv("WAYLAND_DISPLAY");
        std::string ou = x || wayland
                             ? std::string("DISPLAY=") + (x ? x : "") + " WAYLAND_DISPLAY=" + (wayland ? wayland : "")
                             : "ni DISPLAY ni WAYLAND_DISPLAY";
        PfEcritDiagnostic(("Aucun affichage trouve (" + ou + ") : " + raisons).c_str());
    }
}

// Seen as SDL queues them, which is while a move's animation still runs:
// an exposed or resized window is painted again after the pump.
int NoteARepeindre(void *, SDL_Event *e) {
    if (e->type == SDL_WINDOWEVENT &&
        (e->window.event == SDL_WINDOWEVENT_EXPOSED || e->window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
        if (FenetrePf *f = FenetreDeId(e->window.windowID))
            f->aRepeindre = true;
    return 1;
}

}  // namespace

void PfInitialise() {
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    // Without this, the first window-surface call recreates the X window as
    // an OpenGL one and its id changes under the toolkit's feet.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Without this a poll stops at SDL's marker of the previous pump and
    // reports an empty queue while an event pushed after it is waiting.
    SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
    DemarreVideo();
    SDL_AddEventWatch(NoteARepeindre, nullptr);
    if (VideoPrete)
        PrepareServeurX();
    TTF_Init();
    SDL_StartTextInput();
}

FenetrePf *FenetrePrincipale() {
    return fenetres.empty() ? nullptr : fenetres.front();
}

namespace {

// A box opens above the first window, at that one's scale, where (x, y) lies
// relative to the first window's own (x, y) in its picture.
SDL_Rect AuDessusDe(FenetrePf *principale, int x, int y, int largeur, int hauteur) {
    Recadre(principale);
    const Cadrage &c = principale->cadrage;
    auto echelle = [&c](int v) { return int(int64_t(v) * c.num / c.den); };
    int px = 0, py = 0;
    SDL_GetWindowPosition(principale->sdl, &px, &py);
    return SDL_Rect{px + c.image.x + echelle(x - principale->x), py + c.image.y + echelle(y - principale->y),
                    SDL_max(echelle(largeur), 1), SDL_max(echelle(hauteur), 1)};
}

}  // namespace

FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre) {
    PfInitialise();
    if (!VideoPrete)
        return nullptr;
    FenetrePf *principale = FenetrePrincipale();
    const int z = zoomSuivant;
    SDL_Rect r =
        principale ? AuDessusDe(principale, x, y, largeur, hauteur) : SDL_Rect{z * x, z * y, z * largeur, z * hauteur};
    uint32_t drapeaux = SDL_WINDOW_HIDDEN | (principale ? 0 : SDL_WINDOW_RESIZABLE);
    std::string titreUtf8 = Utf8De1252(titre ? titre : "");
    SDL_Window *sdl = SDL_CreateWindow(titreUtf8.c_str(), r.x, r.y, r.w, r.h, drapeaux);
    if (!sdl)
        return nullptr;
    if (principale)
        SDL_SetWindowModalFor(sdl, principale->sdl);  // above it, also in full screen
    else
        SDL_SetWindowMinimumSize(sdl, SDL_min(400, r.w), SDL_min(300, r.h));
    FenetrePf *f = new FenetrePf{};
    f->sdl = sdl;
    f->id = SDL_GetWindowID(sdl);
    f->x = x;
    f->y = y;
    f->largeur = largeur;
    f->hauteur = hauteur;
    Recadre(f);
    poignees->push_back(f);
    fenetres.push_back(f);
    return f;
}

void PfFixeZoom(int facteur) {
    zoomSuivant = facteur < 1 ? 1 : facteur > 4 ? 4 : facteur;
}

bool PfZoneUtile(int *largeur, int *hauteur) {
    PfInitialise();
    SDL_Rect zone;
    if (!VideoPrete || SDL_GetDisplayUsableBounds(0, &zone) != 0)
        return false;
    *largeur = zone.w;
    *hauteur = zone.h;
    return true;
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
    SDL_FreeSurface(fenetre->vue);
    fenetre->vue = nullptr;
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
    Recadre(fenetre);
    int x, y;
    SDL_GetWindowPosition(fenetre->sdl, &x, &y);
    const SDL_Rect &i = fenetre->cadrage.image;
    *zone = RectanglePf{x + i.x, y + i.y, x + i.x + i.w, y + i.y + i.h};
    return true;
}

void PfInvalide(FenetrePf *fenetre) {
    PfPosteMessage(Message{fenetre, MSG_PEINT, 0, 0});
}

// A window manager obeys the raise, which asks it to activate the window;
// without one nobody would, and the focus is set on the window itself (SDL
// does so only when it maps a window).
void PfActiveFenetre(FenetrePf *fenetre) {
    if (!fenetre->sdl)
        return;
    SDL_RaiseWindow(fenetre->sdl);
    SDL_SetWindowInputFocus(fenetre->sdl);
}

namespace {

// Moves SDL's events into the message queue until it holds one; SDL events
// the toolkit has no use for are dropped on the way, so that "a message is
// waiting" never means an event that would then be thrown away. Windows
// exposed or resized meanwhile are painted again at once.
bool Remplit(bool attendre) {
    while (postes.empty()) {
        SDL_Event e;
        bool pris = attendre ? SDL_WaitEvent(&e) != 0 : SDL_PollEvent(&e) != 0;
        RepeintFenetres();
        if (!pris)
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

void PfAttendMessage() {
    while (!Remplit(true)) {}
}

void PfPrendMessage(Message *message) {
    while (!Remplit(true)) {}
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
        postes.push_front(Message{message.fenetre, MSG_CARACTERE, v, message.param2});
}

namespace {

// True when SDL holds the platform's quit request, or a close request for
// the only window: what the next wait would end the program for. Every
// queued window event is looked at: pointer crossings and the like pile up
// in front of a close request while nothing takes them.
bool FinDemandee() {
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0)
        return true;
    if (fenetres.size() != 1)
        return false;
    int n = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    if (n <= 0)
        return false;
    std::vector<SDL_Event> evenements(static_cast<size_t>(n));
    n = SDL_PeepEvents(evenements.data(), n, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < n; i++)
        if (evenements[static_cast<size_t>(i)].window.event == SDL_WINDOWEVENT_CLOSE &&
            FenetreDeId(evenements[static_cast<size_t>(i)].window.windowID))
            return true;
    return false;
}

}  // namespace

// The pauses of a move's animation are all a game between two computer
// sides lets the platform have until its end: a player who closes the
// window then means to quit, and does at once. Windows exposed or resized
// meanwhile are painted again; other input stays queued.
void PfDort(int millisecondes) {
    SDL_Delay(static_cast<uint32_t>(millisecondes));
    if (FinDemandee())
        exit(0);
    RepeintFenetres();
}
