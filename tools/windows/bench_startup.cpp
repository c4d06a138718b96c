// Starts a program several times and measures how long its window takes to
// become visible, and its peak memory; names the modules it held when its
// window first showed. Usage:
//   noctaris-bench-startup <exe> <window caption> <runs>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

namespace {

// The process's modules by file name, in lower case.
std::set<std::wstring> modulesOf(HANDLE process)
{
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed)) {
        return {};
    }
    modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
    std::set<std::wstring> names;
    for (HMODULE module : modules) {
        wchar_t name[MAX_PATH];
        if (!GetModuleBaseNameW(process, module, name, MAX_PATH)) continue;
        std::wstring lower = name;
        for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
        names.insert(lower);
    }
    return names;
}

double msBetween(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: %ls <exe> <window caption> <runs>\n", argv[0]);
        return 2;
    }
    const std::wstring exe = argv[1];
    const std::wstring caption = argv[2];
    const int runs = _wtoi(argv[3]);
    const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/"));

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    SIZE_T peak = 0;
    std::set<std::wstring> firstModules;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                            &pi)) {
            std::fwprintf(stderr, L"cannot start %ls\n", exe.c_str());
            return 1;
        }
        HWND window = nullptr;
        LARGE_INTEGER shown{};
        for (int i = 0; i < 20000 && !window; ++i) {
            HWND found = FindWindowW(nullptr, caption.c_str());
            if (found && IsWindowVisible(found)) {
                QueryPerformanceCounter(&shown);
                window = found;
            } else {
                Sleep(0);
            }
        }
        if (!window) {
            std::fwprintf(stderr, L"no visible window \"%ls\"\n", caption.c_str());
            TerminateProcess(pi.hProcess, 1);
            return 1;
        }
        times.push_back(msBetween(start, shown, frequency));
        if (run == 0) firstModules = modulesOf(pi.hProcess);
        Sleep(1000);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory)) peak = std::max(peak, memory.PeakWorkingSetSize);
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to visible: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%d runs); peak working set %.2f MB\n",
                times[times.size() / 2], times.front(), times.back(), runs, static_cast<double>(peak) / (1024.0 * 1024.0));
    std::printf("modules when first visible:");
    for (const std::wstring& name : firstModules) std::printf(" %ls", name.c_str());
    std::printf("\n");
    return 0;
}
