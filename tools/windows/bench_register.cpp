// Times the registration dialog on the real Win32 backend: from the
// shortcut menu's 登録 command to the dialog shown and painted, against the
// bar's own start-up in the same process. The program folder beside this
// exe must hold a Data folder with slot 4 free.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/form5.h"
#include "menus/form2.h"
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

void paintNow(ui::Window& window)
{
    RedrawWindow(win32::Platform::hwndOf(window), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
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
    paintNow(noctaris.form1().window);
    const double startUp = msSince(start);
    pump();

    std::vector<double> times;
    for (int run = 0; run < 20; ++run) {
        noctaris.form2().ListNoA = model::Variant::number(4);
        const auto chosen = Clock::now();
        noctaris.form2().ExSet();
        paintNow(noctaris.form5().window);
        times.push_back(msSince(chosen));
        noctaris.form5().Command3_Click();
        pump();
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("start-up with the first group's faces, in-process: %.2f ms\n", startUp);
    std::printf("登録 to the registration dialog painted: first %.2f ms, then median %.2f ms, slowest %.2f ms (%zu runs)\n",
                first, times[times.size() / 2], times.back(), times.size());
    std::fflush(stdout);
    // Ends as the program does, taking its tray icon away: a process that
    // leaves it behind stalls the next program's start under Wine.
    noctaris.form1().Form_Unload();
    return 0;
}
