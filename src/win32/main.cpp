#include <windows.h>

#include <exception>

#include "app/noctaris.h"
#include "win32/ansi_codec.h"
#include "win32/file_store.h"
#include "win32/platform.h"
#include "win32/shell.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        win32::Platform platform;
        win32::Shell shell;
        win32::FileStore files;
        const win32::AnsiCodec codec;
        app::Noctaris noctaris(platform, shell, files, codec);
        noctaris.start();
        platform.run();
        // Should the loop ever end, the program ends as by its exit button:
        // at once, whatever a background lookup still waits for.
        noctaris.exit();
        return 0;
    } catch (const std::exception& e) {
        const std::wstring text = L"ノクタリスを起動できませんでした。\r\n" + win32::widen(e.what());
        MessageBoxW(nullptr, text.c_str(), win32::widen(app::kTitle).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
