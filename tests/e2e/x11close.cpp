// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW message.
//   x11close "WINDOW TITLE"
// Exits 0 when a window with that exact title was asked, 1 when none was found.
#include "wmdelete.h"

#include <X11/Xutil.h>

#include <cstdio>
#include <string>

namespace {

std::string titleOf(Display *display, Window window)
{
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value)
        return {};
    std::string title(reinterpret_cast<const char *>(property.value), property.nitems);
    XFree(property.value);
    return title;
}

Window find(Display *display, Window root, const std::string &title)
{
    if (titleOf(display, root) == title)
        return root;
    Window parent;
    Window *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = find(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

} // namespace

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
    const Window window = find(display, DefaultRootWindow(display), argv[1]);
    if (!window) {
        XCloseDisplay(display);
        return 1;
    }
    askToClose(display, window);
    XCloseDisplay(display);
    return 0;
}
