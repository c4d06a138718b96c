// A launch target for the e2e tests: appends one JSON line with how it was
// started to a marker file, then exits without showing anything.
//
// The file is "marker.txt" beside this program, or the path given as
// --out=PATH in the first argument. Appending lets a test count launches.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "json_text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::wstring path;
    if (__argc > 1 && std::wstring_view(__wargv[1]).starts_with(L"--out=")) {
        path = __wargv[1] + 6;
    } else {
        wchar_t module[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        path = module;
        path = path.substr(0, path.find_last_of(L'\\') + 1) + L"marker.txt";
    }

    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    std::string line = "{\"cmdline\":" + jsonString(GetCommandLineW()) + ",\"cwd\":" + jsonString(cwd) + ",\"args\":[";
    for (int i = 1; i < __argc; ++i) line += (i > 1 ? "," : "") + jsonString(__wargv[i]);
    line += "]}\r\n";

    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const bool ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 1;
}
