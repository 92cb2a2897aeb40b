// Looks at the top-level windows with a given title as Windows and its window manager do.
//   winprobe watch "TITLE" SECONDS   every half second for SECONDS: is any of them hung?
//                                    (IsHungAppWindow, and WM_NULL unanswered within 1 s)
//   winprobe close "TITLE"           posts WM_CLOSE to the first of them
//   winprobe rect "TITLE"            prints the first one's frame and its screen's work area
// Exits 1 when a window was hung or none was found.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::vector<HWND> windowsTitled(const std::wstring &title)
{
    struct Search
    {
        std::wstring title;
        std::vector<HWND> found;
    } search{title, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(data);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (IsWindowVisible(window) && search.title == text)
                search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int watch(const std::wstring &title, double seconds)
{
    int looks = 0;
    int hung = 0;
    for (double waited = 0; waited < seconds; waited += 0.5) {
        for (HWND window : windowsTitled(title)) {
            ++looks;
            DWORD_PTR result = 0;
            const bool answered =
                SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
            if (IsHungAppWindow(window) || !answered) {
                ++hung;
                std::printf("hung after %.1f s\n", waited);
            }
        }
        Sleep(500);
    }
    std::printf("%d looks, %d hung\n", looks, hung);
    return looks > 0 && hung == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 3) {
        std::fputs("usage: winprobe watch|close|rect \"TITLE\" [SECONDS]\n", stderr);
        return 2;
    }
    const std::wstring verb = argv[1];
    const std::wstring title = argv[2];
    if (verb == L"watch" && argc == 4)
        return watch(title, std::wcstod(argv[3], nullptr));
    const std::vector<HWND> found = windowsTitled(title);
    if (found.empty()) {
        std::fputs("winprobe: no such window\n", stderr);
        return 1;
    }
    if (verb == L"close")
        return PostMessageW(found.front(), WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == L"rect") {
        RECT frame;
        GetWindowRect(found.front(), &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(found.front(), MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT &work = monitor.rcWork;
        std::printf("window %ld %ld %ld %ld work %ld %ld %ld %ld\n", frame.left, frame.top, frame.right,
                    frame.bottom, work.left, work.top, work.right, work.bottom);
        return 0;
    }
    return 2;
}
