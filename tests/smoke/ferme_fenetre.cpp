// SPDX-License-Identifier: GPL-3.0-or-later
// Asks a window to close as a window manager does for its close box: the
// WM_DELETE_WINDOW message of the window-manager protocols. The smoke tests
// run without a window manager, and xdotool can only destroy or kill.
//
// Usage: ferme_fenetre WINDOW_ID (decimal or 0x hexadecimal), DISPLAY set.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: ferme_fenetre WINDOW_ID\n");
        return 64;
    }
    Display *affichage = XOpenDisplay(nullptr);
    if (!affichage) {
        fprintf(stderr, "ferme_fenetre: no display\n");
        return 1;
    }
    Window fenetre = strtoul(argv[1], nullptr, 0);
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = fenetre;
    e.xclient.message_type = XInternAtom(affichage, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(affichage, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    Status envoye = XSendEvent(affichage, fenetre, False, NoEventMask, &e);
    XSync(affichage, False);
    XCloseDisplay(affichage);
    return envoye ? 0 : 1;
}
