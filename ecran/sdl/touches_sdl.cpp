// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as the toolkit knows them: by their Windows virtual-key codes. Letters
// follow the keyboard layout, as the platform's codes do; a letter key whose
// layout gives a letter of another script (Cyrillic, Greek...) is known by
// its place, and one that gives punctuation by that punctuation's key; the
// keypad follows Num Lock; the other printable keys are known by their place
// on the keyboard, which is what their published codes name.
#include "sdl_interne.h"

namespace {

struct Paire {
    int32_t sdl;  // an SDL key code or scan code
    int virtuel;
};

// Keys known by what they do.
const Paire nommees[] = {
    {SDLK_BACKSPACE, 0x08},    {SDLK_TAB, 0x09},         {SDLK_CLEAR, 0x0C},        {SDLK_RETURN, 0x0D},
    {SDLK_RETURN2, 0x0D},      {SDLK_PAUSE, 0x13},       {SDLK_CAPSLOCK, 0x14},     {SDLK_ESCAPE, 0x1B},
    {SDLK_SPACE, 0x20},        {SDLK_PAGEUP, 0x21},      {SDLK_PAGEDOWN, 0x22},     {SDLK_END, 0x23},
    {SDLK_HOME, 0x24},         {SDLK_LEFT, 0x25},        {SDLK_UP, 0x26},           {SDLK_RIGHT, 0x27},
    {SDLK_DOWN, 0x28},         {SDLK_SELECT, 0x29},      {SDLK_EXECUTE, 0x2B},      {SDLK_PRINTSCREEN, 0x2C},
    {SDLK_INSERT, 0x2D},       {SDLK_DELETE, 0x2E},      {SDLK_HELP, 0x2F},         {SDLK_LGUI, 0x5B},
    {SDLK_RGUI, 0x5C},         {SDLK_APPLICATION, 0x5D}, {SDLK_MENU, 0x5D},         {SDLK_SLEEP, 0x5F},
    {SDLK_NUMLOCKCLEAR, 0x90}, {SDLK_SCROLLLOCK, 0x91},  {SDLK_LSHIFT, 0x10},       {SDLK_RSHIFT, 0x10},
    {SDLK_LCTRL, 0x11},        {SDLK_RCTRL, 0x11},       {SDLK_LALT, 0x12},         {SDLK_RALT, 0x12},
    {SDLK_MODE, 0x12},         {SDLK_AC_BACK, 0xA6},     {SDLK_AC_FORWARD, 0xA7},   {SDLK_AC_REFRESH, 0xA8},
    {SDLK_AC_STOP, 0xA9},      {SDLK_AC_SEARCH, 0xAA},   {SDLK_AC_BOOKMARKS, 0xAB}, {SDLK_AC_HOME, 0xAC},
    {SDLK_MUTE, 0xAD},         {SDLK_VOLUMEDOWN, 0xAE},  {SDLK_VOLUMEUP, 0xAF},     {SDLK_AUDIONEXT, 0xB0},
    {SDLK_AUDIOPREV, 0xB1},    {SDLK_AUDIOSTOP, 0xB2},   {SDLK_AUDIOPLAY, 0xB3},    {SDLK_MAIL, 0xB4},
    {SDLK_MEDIASELECT, 0xB5},  {SDLK_APP1, 0xB6},        {SDLK_APP2, 0xB7},
};

// The keypad with Num Lock on, then off.
const Paire pave[] = {
    {SDL_SCANCODE_KP_0, 0x60}, {SDL_SCANCODE_KP_1, 0x61}, {SDL_SCANCODE_KP_2, 0x62},      {SDL_SCANCODE_KP_3, 0x63},
    {SDL_SCANCODE_KP_4, 0x64}, {SDL_SCANCODE_KP_5, 0x65}, {SDL_SCANCODE_KP_6, 0x66},      {SDL_SCANCODE_KP_7, 0x67},
    {SDL_SCANCODE_KP_8, 0x68}, {SDL_SCANCODE_KP_9, 0x69}, {SDL_SCANCODE_KP_PERIOD, 0x6E},
};
const Paire paveNavigation[] = {
    {SDL_SCANCODE_KP_0, 0x2D}, {SDL_SCANCODE_KP_1, 0x23}, {SDL_SCANCODE_KP_2, 0x28},      {SDL_SCANCODE_KP_3, 0x22},
    {SDL_SCANCODE_KP_4, 0x25}, {SDL_SCANCODE_KP_5, 0x0C}, {SDL_SCANCODE_KP_6, 0x27},      {SDL_SCANCODE_KP_7, 0x24},
    {SDL_SCANCODE_KP_8, 0x26}, {SDL_SCANCODE_KP_9, 0x21}, {SDL_SCANCODE_KP_PERIOD, 0x2E},
};

// Keys known by their place: the keypad's operators, the digits row and the
// punctuation keys (whose letters change with the layout).
const Paire places[] = {
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_PLUS, 0x6B},
    {SDL_SCANCODE_KP_COMMA, 0x6C},
    {SDL_SCANCODE_KP_MINUS, 0x6D},
    {SDL_SCANCODE_KP_DECIMAL, 0x6E},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F},
    {SDL_SCANCODE_KP_ENTER, 0x0D},
    {SDL_SCANCODE_KP_EQUALS, 0x92},
    {SDL_SCANCODE_1, '1'},
    {SDL_SCANCODE_2, '2'},
    {SDL_SCANCODE_3, '3'},
    {SDL_SCANCODE_4, '4'},
    {SDL_SCANCODE_5, '5'},
    {SDL_SCANCODE_6, '6'},
    {SDL_SCANCODE_7, '7'},
    {SDL_SCANCODE_8, '8'},
    {SDL_SCANCODE_9, '9'},
    {SDL_SCANCODE_0, '0'},
    {SDL_SCANCODE_SEMICOLON, 0xBA},
    {SDL_SCANCODE_EQUALS, 0xBB},
    {SDL_SCANCODE_COMMA, 0xBC},
    {SDL_SCANCODE_MINUS, 0xBD},
    {SDL_SCANCODE_PERIOD, 0xBE},
    {SDL_SCANCODE_SLASH, 0xBF},
    {SDL_SCANCODE_GRAVE, 0xC0},
    {SDL_SCANCODE_LEFTBRACKET, 0xDB},
    {SDL_SCANCODE_BACKSLASH, 0xDC},
    {SDL_SCANCODE_NONUSHASH, 0xDC},
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD},
    {SDL_SCANCODE_APOSTROPHE, 0xDE},
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
    {SDL_SCANCODE_INTERNATIONAL1, 0xC1},
    {SDL_SCANCODE_LANG1, 0x15},
    {SDL_SCANCODE_LANG2, 0x19},
};

// Punctuation by its character, for the letter keys that type it (AZERTY's comma).
const Paire ponctuation[] = {
    {';', 0xBA}, {'=', 0xBB}, {',', 0xBC},  {'-', 0xBD}, {'.', 0xBE},  {'/', 0xBF},
    {'`', 0xC0}, {'[', 0xDB}, {'\\', 0xDC}, {']', 0xDD}, {'\'', 0xDE},
};

template <size_t N>
int Cherche(const Paire (&table)[N], int32_t sdl) {
    for (const Paire &p : table)
        if (p.sdl == sdl)
            return p.virtuel;
    return 0;
}

template <size_t N>
bool Retrouve(const Paire (&table)[N], int virtuel, int32_t *sdl) {
    for (const Paire &p : table)
        if (p.virtuel == virtuel) {
            *sdl = p.sdl;
            return true;
        }
    return false;
}

}  // namespace

int VirtuelDeTouche(const SDL_Keysym &touche) {
    if (touche.sym >= SDLK_a && touche.sym <= SDLK_z)
        return 'A' + (touche.sym - SDLK_a);
    if (touche.scancode >= SDL_SCANCODE_A && touche.scancode <= SDL_SCANCODE_Z) {
        if (touche.sym >= 0x80 && !(touche.sym & SDLK_SCANCODE_MASK))
            return 'A' + (touche.scancode - SDL_SCANCODE_A);
        if (int v = Cherche(ponctuation, touche.sym))
            return v;
    }
    if (touche.sym >= SDLK_F1 && touche.sym <= SDLK_F12)
        return 0x70 + (touche.sym - SDLK_F1);
    if (touche.sym >= SDLK_F13 && touche.sym <= SDLK_F24)
        return 0x7C + (touche.sym - SDLK_F13);
    if (int v = Cherche((touche.mod & KMOD_NUM) ? pave : paveNavigation, touche.scancode))
        return v;
    if (int v = Cherche(nommees, touche.sym))
        return v;
    return Cherche(places, touche.scancode);
}

SDL_Keysym ToucheDeVirtuel(int virtuel) {
    SDL_Keysym touche = {};
    int32_t code = 0;
    if (virtuel >= 'A' && virtuel <= 'Z') {
        touche.sym = SDLK_a + (virtuel - 'A');
    } else if (virtuel >= 0x70 && virtuel <= 0x7B) {
        touche.sym = SDLK_F1 + (virtuel - 0x70);
    } else if (virtuel >= 0x7C && virtuel <= 0x87) {
        touche.sym = SDLK_F13 + (virtuel - 0x7C);
    } else if (Retrouve(pave, virtuel, &code)) {
        touche.scancode = static_cast<SDL_Scancode>(code);
        touche.mod = KMOD_NUM;
    } else if (Retrouve(nommees, virtuel, &code)) {
        touche.sym = code;
    } else if (Retrouve(places, virtuel, &code)) {
        touche.scancode = static_cast<SDL_Scancode>(code);
    }
    if (touche.scancode == SDL_SCANCODE_UNKNOWN)
        touche.scancode = SDL_GetScancodeFromKey(touche.sym);
    else
        touche.sym = SDL_GetKeyFromScancode(touche.scancode);
    return touche;
}
