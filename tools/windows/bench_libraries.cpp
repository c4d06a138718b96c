// What each system library the program uses costs to load, in the order the
// program loads them: the time of LoadLibrary and the working set it adds.
// Each is loaded from the system folder into a process that, like the bare
// window, holds only kernel32 and user32; a library's own dependencies count
// with the first library that pulls them in.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

double workingSetMB()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

struct Library {
    const wchar_t* name;
    const char* when;
};

// comctl32 is the system folder's version 5 here: the program's manifest asks
// for version 6, which costs about as much.
constexpr Library kLibraries[] = {
    {L"gdi32.dll", "at start (imported)"},
    {L"shlwapi.dll", "at start (imported)"},
    {L"shell32.dll", "at start (imported)"},
    {L"ole32.dll", "drop target after the first paint (OLE), first shell lookup (COM)"},
    {L"comctl32.dll", "first native control or tooltip"},
    {L"comdlg32.dll", "first file picker"},
    {L"oleaut32.dll", "first screen reader"},
    {L"oleacc.dll", "first screen reader"},
};

}  // namespace

int wmain()
{
    GetDesktopWindow();  // user32 is loaded, as in the bare window
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    std::printf("%-18s %9s %9s  %s\n", "library", "ms", "MB", "loaded by the program");
    for (const Library& library : kLibraries) {
        const std::wstring path = std::wstring(folder, length) + L"\\" + library.name;
        const double before = workingSetMB();
        const auto start = std::chrono::steady_clock::now();
        const HMODULE module = LoadLibraryW(path.c_str());
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-18ls %9.2f %9.2f  %s%s\n", library.name, ms, workingSetMB() - before, library.when,
                    module ? "" : " (missing)");
    }
    std::printf("%-18s %9s %9.2f  whole working set\n", "", "", workingSetMB());
    return 0;
}
