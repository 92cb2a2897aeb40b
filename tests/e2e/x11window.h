#pragma once
// Finds a top-level window by its exact title, as the checks of the X11 session name them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

inline std::string titleOf(Display *display, Window window)
{
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value)
        return {};
    std::string title(reinterpret_cast<const char *>(property.value), property.nitems);
    XFree(property.value);
    return title;
}

// The first window with that title, searching from root down; 0 when there is none.
inline Window findWindowTitled(Display *display, Window root, const std::string &title)
{
    if (titleOf(display, root) == title)
        return root;
    Window parent;
    Window *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = findWindowTitled(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}
