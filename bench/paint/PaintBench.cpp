// The paint benchmark's driver: starts the program and two floor programs
// (the hello dialog and the buffer copy) as separate processes, times their
// start-up to the first finished paint, resizes their windows and times
// repaints of them from outside, then prints one table of medians and ratios.
//
//     paint-bench <data folder> <program> <hello dialog> <buffer copy>
//                 [--samples N] [--launches N]
//
// Start-up: from just before CreateProcess until the process's captioned
// top-level window exists, is visible and neither it nor any of its child
// windows has an update region left (polled every millisecond), followed by
// one message round trip (see below). Wine shows a window and invalidates it
// in one server request, so a visible window without an update region has
// been painted or is being painted. Each program is started `launches`
// times, one process at a time, after one untimed warm-up start.
//
// Paints: RedrawWindow(RDW_INVALIDATE | RDW_UPDATENOW) from this process,
// then a WM_NULL round trip. For a window of another thread, RDW_UPDATENOW
// sends WM_PAINT to every window left with an update region and waits for
// each reply. But the invalidation also wakes the target, which may begin a
// paint itself first (BeginPaint validates the window), and then
// RedrawWindow returns while that paint still runs. The round trip closes
// this gap: the target handles the sent WM_NULL only between two messages,
// so its reply comes after the paint in progress, when no window of it is
// left invalid. The time thus contains the target's whole paint handling up
// to the copy into its window surface, plus one round trip, which the floors
// pay alike. It does not contain Wine's later upload of that surface to the
// X server, done when the target goes idle; a pause after every sample lets
// that finish before the next one. Two checks guard the method: a buffer
// copy that busy-waits a known time in every paint must measure at least
// that much slower, and no window may be left with an update region after a
// timed call.
//
// The page paint is the main window's own WM_PAINT (RDW_INVALIDATE alone;
// the windows clip their children, so no child repaints). The whole window
// adds RDW_ERASE | RDW_ALLCHILDREN: the window and every child control. The
// frame (caption and borders, drawn by Wine alike for all) is left out.
// The four windows (program, floors, slow copy) run side by side and take
// turns sample by sample; each is raised to the top before it is timed.
//
// Wall-clock times grow with other work on the machine, a long paint more
// than a short one. The CPU time of the target's user-interface thread over
// each timed call (and the surface upload after it) is summed as well; it
// depends far less on that load.
#include "settings/SettingsNames.h"
#include "tests/support/PerformanceClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// ---- Clock and statistics -------------------------------------------------

struct Summary {
    double median = NAN;
    double p90 = NAN;
};

Summary summarise(std::vector<double> values) {
    Summary summary;
    if (values.empty()) {
        return summary;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    summary.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    // Nearest rank: the smallest value with at least 90 % of the values at or below it.
    const size_t rank = static_cast<size_t>(std::ceil(0.9 * static_cast<double>(n)));
    summary.p90 = values[std::max<size_t>(rank, 1) - 1];
    return summary;
}

// ---- Windows of another process ------------------------------------------

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchMainWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (processId == search->processId && (style & WS_CAPTION) == WS_CAPTION &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's unowned top-level window with a caption (Wine's hidden
// helper windows have none).
HWND findMainWindow(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK findUnpaintedChild(HWND child, LPARAM lParam) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

// True while the window or one of its visible descendants waits for a paint.
bool paintPending(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return true;
    }
    bool pending = false;
    EnumChildWindows(window, findUnpaintedChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

BOOL CALLBACK findListView(HWND child, LPARAM lParam) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wcscmp(name, L"SysListView32") == 0) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

bool hasListView(HWND window) {
    bool found = false;
    EnumChildWindows(window, findListView, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// One round trip through the target's message queue: the target replies
// between two messages, so whatever it was handling (a paint) has ended.
void roundTrip(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

// Paints whatever is pending now and gives Wine time to upload the window
// surface, so that one sample's leftovers do not fall into the next.
void settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    roundTrip(window);
    Sleep(4);
}

// ---- Processes --------------------------------------------------------------

struct Program {
    const char* name;
    std::wstring path;
    std::wstring arguments;
};

struct Running {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double createdMs = -1; // the main window exists
    double shownMs = -1;   // it is visible
    double paintedMs = -1; // it and its children have no update region left
};

void stop(Running& running) {
    if (running.process.hProcess == nullptr) {
        return;
    }
    if (running.window != nullptr && IsWindow(running.window)) {
        PostMessageW(running.window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(running.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(running.process.hProcess, 1);
        WaitForSingleObject(running.process.hProcess, 5000);
    }
    CloseHandle(running.process.hThread);
    CloseHandle(running.process.hProcess);
    running = Running{};
}

// Starts the program in `folder` and waits for its first finished paint.
bool start(const Program& program, const std::wstring& folder, Running& running) {
    std::wstring commandLine = L"\"" + program.path + L"\" " + program.arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const double begin = performanceMilliseconds();
    if (!CreateProcessW(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &running.process)) {
        std::fprintf(stderr, "paint-bench: cannot start %s (error %lu)\n", program.name,
                     GetLastError());
        return false;
    }
    for (;;) {
        const double now = performanceMilliseconds() - begin;
        if (running.window == nullptr) {
            running.window = findMainWindow(running.process.dwProcessId);
            if (running.window != nullptr) {
                running.createdMs = now;
            }
        }
        if (running.window != nullptr && running.shownMs < 0 && IsWindowVisible(running.window)) {
            running.shownMs = now;
        }
        if (running.shownMs >= 0 && !paintPending(running.window)) {
            roundTrip(running.window); // a paint in progress ends first
            if (!paintPending(running.window)) {
                running.paintedMs = performanceMilliseconds() - begin;
                return true;
            }
        }
        if (WaitForSingleObject(running.process.hProcess, 0) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "paint-bench: %s ended during start-up\n", program.name);
            return false;
        }
        if (now > 30000) {
            std::fprintf(stderr, "paint-bench: %s did not finish its first paint in 30 s\n",
                         program.name);
            return false;
        }
        Sleep(1);
    }
}

// The program starts from its default placement: its stored settings (in the
// benchmark's own Wine prefix) are removed before every start.
void forgetStoredSettings(const std::wstring& programPath) {
    const size_t slash = programPath.find_last_of(L"\\/");
    std::wstring name = programPath.substr(slash == std::wstring::npos ? 0 : slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    std::wstring key = L"Software\\";
    for (const char* c = SETTINGS_COMPANY_KEY; *c != '\0'; ++c) {
        key += static_cast<wchar_t>(*c);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, (key + L"\\" + name).c_str());
}

// Gives the window a client area of width x height at the screen's top-left.
bool setClientSize(HWND window, int width, int height) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT outer{};
        RECT client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        if (client.right == width && client.bottom == height) {
            return true;
        }
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        settle(window);
    }
    RECT client{};
    GetClientRect(window, &client);
    return client.right == width && client.bottom == height;
}

// ---- The measurements -------------------------------------------------------

constexpr UINT PAGE_ONLY = RDW_INVALIDATE | RDW_UPDATENOW;
constexpr UINT WHOLE_WINDOW = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
constexpr double CHECK_DELAY_MS = 10.0;

// CPU time of a thread of any process (Wine reads it from /proc in clock
// ticks: coarse per call, exact enough summed over many paints).
double threadCpuMs(HANDLE thread) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
        return 0;
    }
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0; // 100 ns units
}

// One repaint figure of one program: the wall-clock time of every timed call
// and the CPU time its user-interface thread spent on them.
struct PaintFigure {
    std::vector<double> wallMs;
    double cpuMs = 0;

    double cpuPerPaint() const {
        return wallMs.empty() ? NAN : cpuMs / static_cast<double>(wallMs.size());
    }
};

struct Target {
    Program program;
    Running running;
    PaintFigure page[2];  // per client size
    PaintFigure whole[2]; // per client size
    std::vector<double> startup, created, shown;
};

int leftUnpainted = 0;
int timedCalls = 0;

// Times one repaint of the target's window; `into` null: a warm-up.
void timeRedraw(Target& target, UINT flags, PaintFigure* into) {
    HWND window = target.running.window;
    const double cpuBefore = threadCpuMs(target.running.process.hThread);
    const double begin = performanceMilliseconds();
    RedrawWindow(window, nullptr, nullptr, flags);
    roundTrip(window);
    const double elapsed = performanceMilliseconds() - begin;
    ++timedCalls;
    if (paintPending(window)) {
        ++leftUnpainted;
    }
    // The CPU time includes Wine's upload of the window surface, which the
    // target does right after the paint.
    settle(window);
    if (into != nullptr) {
        into->wallMs.push_back(elapsed);
        into->cpuMs += threadCpuMs(target.running.process.hThread) - cpuBefore;
    }
}

void bringToTop(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    settle(window);
}

std::wstring windowsPath(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string figure(double value) {
    if (std::isnan(value)) {
        return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string withP90(const Summary& summary) {
    if (std::isnan(summary.median)) {
        return "-";
    }
    return figure(summary.median) + " (" + figure(summary.p90) + ")";
}

struct Row {
    std::string name;
    Summary program;
    Summary hello;
    Summary copy;
    bool againstCopy; // the ratio's floor: the buffer copy, else the hello dialog
    double goal;      // the largest ratio the goal allows; 0: no goal
};

void printTable(const std::vector<Row>& rows) {
    std::printf("%-34s %16s %16s %14s %7s %-14s %s\n", "figure: median (p90) in ms", "program",
                "hello dialog", "buffer copy", "ratio", "goal", "met");
    for (const Row& row : rows) {
        const Summary& floor = row.againstCopy ? row.copy : row.hello;
        const double ratio = row.program.median / floor.median;
        char ratioText[32];
        std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        char goalText[32] = "-";
        const char* met = "-";
        if (row.goal > 0) {
            std::snprintf(goalText, sizeof goalText, "<= %.1fx %s", row.goal,
                          row.againstCopy ? "copy" : "hello");
            met = ratio <= row.goal ? "yes" : "no";
        }
        std::printf("%-34s %16s %16s %14s %7s %-14s %s\n", row.name.c_str(),
                    withP90(row.program).c_str(), withP90(row.hello).c_str(),
                    withP90(row.copy).c_str(), ratioText, goalText, met);
    }
}

const char* wineVersion() {
    using GetVersion = const char*(CDECL*)();
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto get = ntdll != nullptr ? reinterpret_cast<GetVersion>(reinterpret_cast<void*>(
                                      GetProcAddress(ntdll, "wine_get_version")))
                                : nullptr;
    return get != nullptr ? get() : "not Wine";
}

int usage() {
    std::fprintf(stderr, "usage: paint-bench <data folder> <program> <hello dialog> "
                         "<buffer copy> [--samples N] [--launches N]\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        return usage();
    }
    const std::wstring folder = windowsPath(argv[1]);
    int samples = 60;
    int launches = 15;
    for (int i = 5; i < argc; i += 2) {
        const int value =
            i + 1 < argc ? static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10)) : 0;
        if (std::wcscmp(argv[i], L"--samples") == 0 && value > 0) {
            samples = value;
        } else if (std::wcscmp(argv[i], L"--launches") == 0 && value > 0) {
            launches = value;
        } else {
            return usage();
        }
    }
    wchar_t delay[16];
    std::swprintf(delay, 16, L"%g", CHECK_DELAY_MS);
    Target program{{"program", windowsPath(argv[2]), L""}, {}, {}, {}, {}, {}, {}};
    Target hello{{"hello dialog", windowsPath(argv[3]), L""}, {}, {}, {}, {}, {}, {}};
    Target copy{{"buffer copy", windowsPath(argv[4]), L""}, {}, {}, {}, {}, {}, {}};
    Target slowCopy{{"slow buffer copy", windowsPath(argv[4]), delay}, {}, {}, {}, {}, {}, {}};
    Target* const programAndFloors[] = {&program, &hello, &copy};
    Target* const everyTarget[] = {&program, &hello, &copy, &slowCopy};

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int sizes[2][2] = {{800, 640}, {1920, 1080}};
    const char* const sizeNames[2] = {"800x640", "1920x1080"};
    if (screenWidth < 2000 || screenHeight < 1200) {
        std::fprintf(stderr,
                     "paint-bench: the screen is %dx%d; a client of 1920x1080 needs a "
                     "larger one (Xvfb -screen 0 2560x1600x24)\n",
                     screenWidth, screenHeight);
        return 2;
    }

    // Start-up, one process at a time, the three programs taking turns; the
    // first round only warms the caches.
    for (int launch = -1; launch < launches; ++launch) {
        for (Target* target : programAndFloors) {
            forgetStoredSettings(program.program.path);
            Running running;
            if (!start(target->program, folder, running)) {
                stop(running);
                return 1;
            }
            if (launch >= 0) {
                target->startup.push_back(running.paintedMs);
                target->created.push_back(running.createdMs);
                target->shown.push_back(running.shownMs);
            }
            stop(running);
        }
    }

    // Paints: all four side by side, taking turns sample by sample so that
    // other load on the machine falls on all alike; each window is raised
    // (and repainted) before it is timed.
    forgetStoredSettings(program.program.path);
    bool ready = true;
    for (Target* target : everyTarget) {
        ready = ready && start(target->program, folder, target->running);
    }
    const std::wstring caption = ready ? windowText(program.running.window) : L"";
    if (ready && !hasListView(program.running.window)) {
        std::fprintf(stderr,
                     "paint-bench: the program's window \"%ls\" is not its main window "
                     "(is Olvane.tbx in the data folder?)\n",
                     caption.c_str());
        ready = false;
    }
    for (int size = 0; ready && size < 2; ++size) {
        for (Target* target : everyTarget) {
            if (!setClientSize(target->running.window, sizes[size][0], sizes[size][1])) {
                std::fprintf(stderr, "paint-bench: cannot give the %s a client of %s\n",
                             target->program.name, sizeNames[size]);
                ready = false;
            }
        }
        const int warmUp = 3;
        for (int sample = -warmUp; ready && sample < samples; ++sample) {
            for (Target* target : everyTarget) {
                bringToTop(target->running.window);
                timeRedraw(*target, PAGE_ONLY, sample >= 0 ? &target->page[size] : nullptr);
                timeRedraw(*target, WHOLE_WINDOW, sample >= 0 ? &target->whole[size] : nullptr);
            }
        }
    }
    for (Target* target : everyTarget) {
        stop(target->running);
    }
    if (!ready) {
        return 1;
    }

    std::printf("Paint benchmark: Wine %s, screen %dx%d, %d samples per paint figure, %d "
                "launches per start-up figure, all from this run.\n",
                wineVersion(), screenWidth, screenHeight, samples, launches);
    std::printf("Program window \"%ls\". Floors: hello dialog = a minimal dialog program "
                "(combo, two edits, list view, three buttons); buffer copy = a window whose "
                "paint only copies a kept client-sized bitmap.\n\n",
                caption.c_str());
    std::vector<Row> rows;
    rows.push_back({"start-up to first finished paint", summarise(program.startup),
                    summarise(hello.startup), summarise(copy.startup), false, 1.5});
    for (int size = 0; size < 2; ++size) {
        rows.push_back({std::string("page paint ") + sizeNames[size],
                        summarise(program.page[size].wallMs), summarise(hello.page[size].wallMs),
                        summarise(copy.page[size].wallMs), true, size == 1 ? 5.0 : 0.0});
    }
    for (int size = 0; size < 2; ++size) {
        rows.push_back({std::string("whole window ") + sizeNames[size],
                        summarise(program.whole[size].wallMs), summarise(hello.whole[size].wallMs),
                        summarise(copy.whole[size].wallMs), false, size == 1 ? 3.0 : 0.0});
    }
    printTable(rows);

    // Wine reads thread times in clock ticks of 10 ms: the mean over the
    // samples resolves 10 ms / samples, too coarse for the floors' paints.
    std::printf("\nCPU time of the painting thread per paint (mean ms, resolution %.2f ms; "
                "includes the upload of the window surface; less sensitive than the times "
                "above to other work on the machine):\n",
                10.0 / samples);
    std::printf("%-34s %16s %16s %14s\n", "figure", "program", "hello dialog", "buffer copy");
    for (int whole = 0; whole < 2; ++whole) {
        for (int size = 0; size < 2; ++size) {
            auto cpu = [&](const Target& target) {
                return (whole != 0 ? target.whole[size] : target.page[size]).cpuPerPaint();
            };
            std::printf(
                "%-34s %16.1f %16.1f %14.1f\n",
                ((whole != 0 ? "whole window " : "page paint ") + std::string(sizeNames[size]))
                    .c_str(),
                cpu(program), cpu(hello), cpu(copy));
        }
    }

    std::printf("\nStart-up phases (median ms since CreateProcess):\n");
    std::printf("%-34s %16s %16s %14s\n", "", "window created", "window shown", "painted");
    for (const Target* target : programAndFloors) {
        std::printf("%-34s %16s %16s %14s\n", target->program.name,
                    figure(summarise(target->created).median).c_str(),
                    figure(summarise(target->shown).median).c_str(),
                    figure(summarise(target->startup).median).c_str());
    }

    // The method's checks: a known extra paint time shows up in full, and
    // every timed call returned with its paint done.
    const double extra =
        summarise(slowCopy.page[1].wallMs).median - summarise(copy.page[1].wallMs).median;
    const bool extraSeen = extra >= 0.8 * CHECK_DELAY_MS;
    std::printf("\nCheck: a buffer copy that spends %.1f ms more in each paint measured %.1f ms "
                "more (page paint 1920x1080): %s.\n",
                CHECK_DELAY_MS, extra, extraSeen ? "the timing contains the paint" : "FAILED");
    std::printf("Check: windows left with an update region after a timed redraw: %d of %d%s.\n",
                leftUnpainted, timedCalls, leftUnpainted == 0 ? "" : " (FAILED)");
    return extraSeen && leftUnpainted == 0 ? 0 : 1;
}
