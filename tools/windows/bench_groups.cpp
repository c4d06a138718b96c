// Times the bar's group switch on the real Win32 backend, repaint included:
// the start-up, the shell icon lookups that the first paint starts in the
// background, the first showing of each group once they are done, and
// showing each group again while its targets are unchanged. The program
// folder beside this exe must hold a Data folder.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "shell/shell_services.h"
#include "win32/ansi_codec.h"
#include "win32/file_store.h"
#include "win32/platform.h"
#include "win32/shell.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms (%zu groups)\n", what, times[times.size() / 2], times.back(),
                times.size());
}

}  // namespace

int wmain()
{
    win32::Platform platform;
    win32::Shell shell;
    win32::FileStore files;
    const win32::AnsiCodec codec;
    app::Noctaris noctaris(platform, shell, files, codec);
    const auto start = Clock::now();
    noctaris.start();
    RedrawWindow(win32::Platform::hwndOf(noctaris.form1().window), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::printf("start-up with the first group's faces: %.2f ms\n", msSince(start));

    bar::Form1& bar = noctaris.form1();
    const auto painted = Clock::now();
    std::vector<std::string> registered;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        if (!bar.List2.list(slot).empty()) registered.push_back(bar.List2.list(slot));
    }
    noctaris.icons().waitFor(registered, shell::largeIconSize(bar.ShortCut[0]), std::chrono::minutes(1));
    std::printf("background icon lookups done after the first paint: %.2f ms\n", msSince(painted));

    HWND barWindow = win32::Platform::hwndOf(bar.window);
    auto showGroup = [&](int g) {
        const auto t = Clock::now();
        bar.Conts_MouseUp(g, 1, 0, 0, 0);
        RedrawWindow(barWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return msSince(t);
    };
    std::vector<double> first;
    for (int g = 1; g < 10; ++g) first.push_back(showGroup(g));
    report("first showing of a group, after the lookups", first);

    std::vector<double> again;
    for (int round = 0; round < 3; ++round) {
        for (int g = 0; g < 10; ++g) again.push_back(showGroup(g));
    }
    report("showing a group again, targets unchanged", again);
    std::fflush(stdout);
    // Ends as the program does, taking its tray icon away: a process that
    // leaves it behind stalls the next program's start under Wine.
    noctaris.form1().Form_Unload();
    return 0;
}
