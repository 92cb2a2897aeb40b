// Looks at a top-level window as a window manager and a user would.
//   x11check ping "WINDOW TITLE" MS    asks with _NET_WM_PING; exits 0 when the answer came within MS
//   x11check cover "WINDOW TITLE" MS   lays a window over it for MS, then takes it away
// Exits 1 when the window is not found or did not answer, 2 on a usage or display error.
#include "x11window.h"

#include <X11/Xlib.h>

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double nowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The client answers a ping by sending it back to the root window, to the clients that
// watch the root window's structure (as a window manager does).
int ping(Display *display, Window window, double limitMs)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, StructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom pingAtom = XInternAtom(display, "_NET_WM_PING", False);
    const long stamp = long(nowMs()) & 0x7fffffff;
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(pingAtom);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = long(window);
    const double start = nowMs();
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    for (;;) {
        while (XPending(display)) {
            XEvent reply;
            XNextEvent(display, &reply);
            if (reply.type == ClientMessage && reply.xclient.message_type == protocols &&
                Atom(reply.xclient.data.l[0]) == pingAtom && reply.xclient.data.l[1] == stamp) {
                const double took = nowMs() - start;
                std::printf("answered in %.0f ms\n", took);
                return took <= limitMs ? 0 : 1;
            }
        }
        const double left = start + 10 * limitMs - nowMs();
        if (left <= 0) {
            std::printf("no answer within %.0f ms\n", 10 * limitMs);
            return 1;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, int(left) + 1);
    }
}

int cover(Display *display, Window window, double ms)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 1;
    Window child;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    XSetWindowAttributes settings;
    settings.override_redirect = True;
    settings.background_pixel = BlackPixel(display, DefaultScreen(display));
    const Window lid = XCreateWindow(display, DefaultRootWindow(display), x, y, unsigned(attributes.width),
                                     unsigned(attributes.height), 0, CopyFromParent, InputOutput,
                                     CopyFromParent, CWOverrideRedirect | CWBackPixel, &settings);
    XMapRaised(display, lid);
    XSync(display, False);
    usleep(useconds_t(ms * 1000));
    XDestroyWindow(display, lid);
    XSync(display, False);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 || (std::strcmp(argv[1], "ping") != 0 && std::strcmp(argv[1], "cover") != 0)) {
        std::fputs("usage: x11check ping|cover \"WINDOW TITLE\" MS\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("x11check: no display\n", stderr);
        return 2;
    }
    const Window window = findWindowTitled(display, DefaultRootWindow(display), argv[2]);
    if (!window) {
        std::fputs("x11check: no such window\n", stderr);
        return 1;
    }
    const double ms = std::atof(argv[3]);
    const int result =
        std::strcmp(argv[1], "ping") == 0 ? ping(display, window, ms) : cover(display, window, ms);
    XCloseDisplay(display);
    return result;
}
