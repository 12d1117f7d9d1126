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
    if (VideoPrete)
        PrepareServeurX();
    TTF_Init();
    SDL_StartTextInput();
}

FenetrePf *PfCreeFenetre(int x, int y, int largeur, int hauteur, const char *titre, int pleinEcran) {
    PfInitialise();
    if (!VideoPrete)
        return nullptr;
    uint32_t drapeaux = SDL_WINDOW_HIDDEN | (pleinEcran ? SDL_WINDOW_BORDERLESS : 0);
    std::string titreUtf8 = Utf8De1252(titre ? titre : "");
    const int z = zoomSuivant;
    SDL_Window *sdl = SDL_CreateWindow(titreUtf8.c_str(), z * x, z * y, z * largeur, z * hauteur, drapeaux);
    if (!sdl)
        return nullptr;
    FenetrePf *f = new FenetrePf{sdl, SDL_GetWindowID(sdl), nullptr, z};
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
// the only window: what the next wait would end the program for.
bool FinDemandee() {
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0)
        return true;
    if (fenetres.size() != 1)
        return false;
    SDL_Event evenements[32];
    int n = SDL_PeepEvents(evenements, 32, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < n; i++)
        if (evenements[i].window.event == SDL_WINDOWEVENT_CLOSE && FenetreDeId(evenements[i].window.windowID))
            return true;
    return false;
}

}  // namespace

// The pauses of a move's animation are all a game between two computer
// sides lets the platform have until its end: a player who closes the
// window then means to quit, and does at once. Other input stays queued.
void PfDort(int millisecondes) {
    SDL_Delay(static_cast<uint32_t>(millisecondes));
    if (FinDemandee())
        exit(0);
}
