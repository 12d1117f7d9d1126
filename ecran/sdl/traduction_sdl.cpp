// SPDX-License-Identifier: GPL-3.0-or-later
// SDL events as the toolkit's platform messages: window events, the
// pointer and its buttons, keys and typed text, the quit request.
#include "sdl_interne.h"

namespace {

uint32_t etatBoutons;  // button bits as the window system last reported them

uint32_t BitsModificateurs(uint16_t mod) {
    return ((mod & KMOD_SHIFT) ? PF_MK_MAJ : 0) | ((mod & KMOD_CTRL) ? PF_MK_CTRL : 0);
}

uint32_t Modificateurs() {
    return BitsModificateurs(SDL_GetModState());
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

// A pointer position on the window as the picture pixel under it.
uint32_t PositionImage(FenetrePf *f, int x, int y) {
    Recadre(f);
    return Position(PointImage(f, x, false), PointImage(f, y, true));
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
    case SDL_WINDOWEVENT_MINIMIZED:
        m->type = MSG_TAILLE;
        m->param1 = 1;
        return true;
    case SDL_WINDOWEVENT_RESTORED: m->type = MSG_TAILLE; return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        m->type = MSG_TAILLE;
        m->param1 = (SDL_GetWindowFlags(f->sdl) & SDL_WINDOW_MAXIMIZED) ? 2 : 0;
        m->param2 = Position(e.data1, e.data2);
        return true;
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
        m->param2 = PositionImage(f, e.motion.x, e.motion.y);
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
    m->param2 = PositionImage(f, e.button.x, e.button.y);
    return true;
}

}  // namespace

// Turns an SDL event into a message; false when the toolkit has no use for it.
bool Traduit(const SDL_Event &e, Message *m) {
    if (EstSilence(e)) {
        FermeSiSilence();
        return false;
    }
    switch (e.type) {
    case SDL_WINDOWEVENT: {
        FenetrePf *f = FenetreDeId(e.window.windowID);
        return f && TraduitFenetre(e.window, f, m);
    }
    case SDL_DISPLAYEVENT: {
        SuitAffichage();
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
        int virtuel = VirtuelDeTouche(e.key.keysym);
        if (!f || virtuel == 0)
            return false;
        *m = Message{f, MSG_TOUCHE, static_cast<uint32_t>(virtuel), BitsModificateurs(e.key.keysym.mod)};
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
