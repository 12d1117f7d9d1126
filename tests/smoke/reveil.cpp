// SPDX-License-Identifier: GPL-3.0-or-later
// SDL wakes its wait by a message sent over a second connection to its newest
// window; when that window is a box closed meanwhile, the server answers
// BadWindow. The same answer, provoked here once the toolkit has opened its
// window, must leave the program running.
//
// Usage: reveil, DISPLAY set. Prints "vivant" and ends with 0 if it survived.
#include <X11/Xlib.h>

#include <cstdio>

#include "ecran/plateforme.h"

int main() {
    FenetrePf *fenetre = plateforme.CreeFenetre(0, 0, 100, 100, "reveil");
    Display *second = XOpenDisplay(nullptr);
    if (fenetre == nullptr || second == nullptr) {
        fprintf(stderr, "reveil: no window or no display\n");
        return 1;
    }
    Window boite = XCreateSimpleWindow(second, DefaultRootWindow(second), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(second, boite);
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = boite;
    e.xclient.format = 32;
    XSendEvent(second, boite, False, NoEventMask, &e);
    XSync(second, False);
    XCloseDisplay(second);
    plateforme.DetruitFenetre(fenetre);
    puts("vivant");
    return 0;
}
