// Keys as the toolkit knows them: by their Windows virtual-key codes.
#include "sdl_interne.h"

namespace {

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

}  // namespace

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
