// Times programs from their start to their first frame on an X display and reads their peak
// memory, launch after launch in turns, so that every program sees the same machine.
//   startup-probe RUNS PROGRAM [PROGRAM ...]
// Each PROGRAM starts in the working directory with no arguments: once unmeasured to warm
// the caches, then RUNS times. A launch is timed from fork to the first drawing into a
// top-level window of the program (a start-up picture counts), which the DAMAGE extension
// reports, and to the mapping of its main window, the first one with a title; that window
// is then asked to close as a window manager would, and wait4 gives the peak resident set.
// The report has medians and quartiles, and each program's ratio of medians to the last
// program's.
#include "wmdelete.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr double launchTimeLimitMs = 30000;
constexpr double closeTimeLimitMs = 10000;

double nowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Launch
{
    double mappedMs = 0;
    double firstFrameMs = 0;
    long peakKib = 0;
};

struct Program
{
    std::string path;
    std::string name;
    std::vector<Launch> launches;
};

class Probe
{
public:
    explicit Probe(Display *display) : display(display), root(DefaultRootWindow(display))
    {
        int errorBase = 0;
        if (!XDamageQueryExtension(display, &damageEventBase, &errorBase))
            fail("the display has no DAMAGE extension");
        pidAtom = XInternAtom(display, "_NET_WM_PID", False);
        // Top-level windows come and go under the root: their creation and mapping.
        XSelectInput(display, root, SubstructureNotifyMask);
        XSync(display, False);
    }

    Launch launch(const std::string &path)
    {
        drainEvents();
        Launch result;
        const double start = nowMs();
        const pid_t pid = fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            // What the program prints has no place in the report.
            [[maybe_unused]] FILE *sink = std::freopen("/dev/null", "w", stdout);
            execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
            std::perror(path.c_str());
            _exit(127);
        }

        std::vector<Window> mapped; // the program's top-level windows
        Window window = 0;          // its main window
        const double deadline = start + launchTimeLimitMs;
        while (!window || result.firstFrameMs == 0) {
            XEvent event;
            if (!nextEvent(&event, deadline, pid))
                abandon(pid, path + ": no window drawn in time");
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // Watch every new top-level window for drawing before it can be drawn on.
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && event.xmap.event == root && pidOf(event.xmap.window) == pid) {
                mapped.push_back(event.xmap.window);
                if (!window && hasTitle(event.xmap.window)) {
                    window = event.xmap.window;
                    result.mappedMs = nowMs() - start;
                }
            } else if (event.type == damageEventBase + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                XDamageSubtract(display, damage.damage, None, None);
                const bool ours = std::find(mapped.begin(), mapped.end(), damage.drawable) != mapped.end();
                if (ours && result.firstFrameMs == 0)
                    result.firstFrameMs = nowMs() - start;
            }
        }

        askToClose(display, window);
        result.peakKib = waitForExit(pid, path);
        return result;
    }

    [[noreturn]] static void fail(const std::string &why)
    {
        std::fprintf(stderr, "startup-probe: %s\n", why.c_str());
        std::exit(1);
    }

private:
    void drainEvents()
    {
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }

    // The next event, or false when the deadline passed or the program ended first.
    bool nextEvent(XEvent *event, double deadline, pid_t pid)
    {
        while (!XPending(display)) {
            const double left = deadline - nowMs();
            if (left <= 0)
                return false;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                fail("the program ended before it drew its window");
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, int(std::min(left, 20.0)) + 1);
        }
        XNextEvent(display, event);
        return true;
    }

    bool hasTitle(Window window)
    {
        XTextProperty property;
        if (!XGetWMName(display, window, &property) || !property.value)
            return false;
        const bool titled = property.nitems > 0;
        XFree(property.value);
        return titled;
    }

    long pidOf(Window window)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) == Success && data) {
            // Xlib hands 32-bit items over as longs.
            if (type == XA_CARDINAL && format == 32 && count == 1)
                pid = *reinterpret_cast<const long *>(data);
            XFree(data);
        }
        return pid;
    }

    // The peak resident set in KiB of a program asked to close.
    static long waitForExit(pid_t pid, const std::string &path)
    {
        const double deadline = nowMs() + closeTimeLimitMs;
        for (;;) {
            int status = 0;
            rusage usage{};
            if (wait4(pid, &status, WNOHANG, &usage) == pid) {
                if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                    fail(path + ": did not exit cleanly after its window was closed");
                return usage.ru_maxrss;
            }
            if (nowMs() > deadline)
                abandon(pid, path + ": still running after its window was closed");
            usleep(2000);
        }
    }

    [[noreturn]] static void abandon(pid_t pid, const std::string &why)
    {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail(why);
    }

    Display *display;
    Window root;
    int damageEventBase = 0;
    Atom pidAtom;
};

// Windows vanish between an event and the look at them; that is no error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

template<typename Value>
std::vector<Value> sorted(const std::vector<Launch> &launches, Value Launch::*field)
{
    std::vector<Value> values;
    for (const Launch &launch : launches)
        values.push_back(launch.*field);
    std::sort(values.begin(), values.end());
    return values;
}

template<typename Value>
double quantile(const std::vector<Value> &values, double q)
{
    const double at = q * double(values.size() - 1);
    const auto below = size_t(at);
    const auto above = std::min(below + 1, values.size() - 1);
    return double(values[below]) + (at - double(below)) * double(values[above] - values[below]);
}

template<typename Value>
double median(const std::vector<Launch> &launches, Value Launch::*field)
{
    return quantile(sorted(launches, field), 0.5);
}

template<typename Value>
std::string spread(const std::vector<Launch> &launches, Value Launch::*field, double scale,
                   const char *unit)
{
    const auto values = sorted(launches, field);
    char text[96];
    std::snprintf(text, sizeof text, "%.1f %s (%.1f-%.1f)", quantile(values, 0.5) * scale, unit,
                  quantile(values, 0.25) * scale, quantile(values, 0.75) * scale);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 2 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fputs("usage: startup-probe RUNS PROGRAM [PROGRAM ...]\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        Probe::fail("no display");
    XSetErrorHandler(ignoreErrors);
    Probe probe(display);

    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        const auto slash = path.rfind('/');
        programs.push_back({path, slash == std::string::npos ? path : path.substr(slash + 1), {}});
    }
    for (const Program &program : programs)
        probe.launch(program.path);
    for (int run = 0; run < runs; ++run) {
        for (Program &program : programs)
            program.launches.push_back(probe.launch(program.path));
    }

    std::printf("%d launches of each, in turns, after one warm-up; medians (quartiles)\n", runs);
    std::printf("%-28s %-26s %-26s %s\n", "", "first frame", "main window mapped", "peak memory");
    for (const Program &program : programs) {
        std::printf("%-28s %-26s %-26s %s\n", program.name.c_str(),
                    spread(program.launches, &Launch::firstFrameMs, 1, "ms").c_str(),
                    spread(program.launches, &Launch::mappedMs, 1, "ms").c_str(),
                    spread(program.launches, &Launch::peakKib, 1.0 / 1024, "MiB").c_str());
    }
    const Program &yardstick = programs.back();
    for (size_t i = 0; i + 1 < programs.size(); ++i) {
        const Program &program = programs[i];
        const std::string label = program.name + " / " + yardstick.name;
        std::printf("%-28s %-26.2f %-26.2f %.2f\n", label.c_str(),
                    median(program.launches, &Launch::firstFrameMs)
                        / median(yardstick.launches, &Launch::firstFrameMs),
                    median(program.launches, &Launch::mappedMs) / median(yardstick.launches, &Launch::mappedMs),
                    median(program.launches, &Launch::peakKib) / median(yardstick.launches, &Launch::peakKib));
    }
    XCloseDisplay(display);
    return 0;
}
