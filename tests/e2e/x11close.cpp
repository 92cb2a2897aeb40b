// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW message.
//   x11close "WINDOW TITLE"
// Exits 0 when a window with that exact title was asked, 1 when none was found.
#include "wmdelete.h"

#include "x11window.h"

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: x11close \"WINDOW TITLE\"\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("x11close: no display\n", stderr);
        return 2;
    }
    const Window window = findWindowTitled(display, DefaultRootWindow(display), argv[1]);
    if (!window) {
        XCloseDisplay(display);
        return 1;
    }
    askToClose(display, window);
    XCloseDisplay(display);
    return 0;
}
