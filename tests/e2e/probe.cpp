// Reports what Windows itself thinks of a top-level window, which the X side
// cannot see (hidden windows, topmost, styles), and posts WM_CLOSE to it.
//
//   noctaris-probe info  CAPTION [--class NAME] [--visible] [--wait MS]
//   noctaris-probe close CAPTION [--class NAME] [--visible] [--wait MS]
//   noctaris-probe list
//   noctaris-probe shortcut NAME   (a shell link in the user's Startup folder)
//
// Prints one JSON line. Exit code 0 when the window or link was found, 1 when
// not, 2 for a usage error.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "json_text.h"

namespace {

struct Query {
    std::wstring caption;
    std::wstring className;  // empty: any class
    bool visibleOnly = false;
    std::vector<HWND> matches;
};

std::wstring textOf(HWND hwnd)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

// A control's text as its own window procedure gives it: GetWindowText
// cannot read an edit box of another program.
std::wstring controlText(HWND hwnd)
{
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 2000,
                        &copied);
    return buffer;
}

// The window that has the keyboard in the thread of this one.
HWND focusOf(HWND hwnd)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::wstring classOf(HWND hwnd)
{
    wchar_t buffer[256] = {};
    GetClassNameW(hwnd, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

BOOL CALLBACK collect(HWND hwnd, LPARAM param)
{
    auto& query = *reinterpret_cast<Query*>(param);
    if (textOf(hwnd) == query.caption && (query.className.empty() || classOf(hwnd) == query.className) &&
        (!query.visibleOnly || IsWindowVisible(hwnd))) {
        query.matches.push_back(hwnd);
    }
    return TRUE;
}

std::string rectJson(const RECT& r)
{
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
           std::to_string(r.bottom - r.top) + "]";
}

std::string boolJson(bool value) { return value ? "true" : "false"; }

std::string hexJson(unsigned long long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "\"0x%llx\"", value);
    return buffer;
}

BOOL CALLBACK describeChild(HWND child, LPARAM param)
{
    auto& out = *reinterpret_cast<std::string*>(param);
    RECT r{};
    GetWindowRect(child, &r);
    if (out.back() != '[') out += ",";
    out += "{\"class\":" + jsonString(classOf(child)) + ",\"text\":" + jsonString(controlText(child)) +
           ",\"id\":" + std::to_string(GetDlgCtrlID(child)) + ",\"visible\":" + boolJson(IsWindowVisible(child)) +
           ",\"enabled\":" + boolJson(IsWindowEnabled(child)) + ",\"focused\":" + boolJson(focusOf(child) == child) +
           ",\"rect\":" + rectJson(r) + "}";
    return TRUE;
}

std::string describe(HWND hwnd, std::size_t count, bool idle)
{
    const auto style = static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    RECT window{};
    GetWindowRect(hwnd, &window);
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x, origin.y);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);

    std::string children = "[";
    EnumChildWindows(hwnd, describeChild, reinterpret_cast<LPARAM>(&children));
    children += "]";

    return "{\"found\":true,\"count\":" + std::to_string(count) +
           ",\"hwnd\":" + hexJson(reinterpret_cast<ULONG_PTR>(hwnd)) + ",\"pid\":" + std::to_string(pid) +
           ",\"caption\":" + jsonString(textOf(hwnd)) + ",\"class\":" + jsonString(classOf(hwnd)) +
           ",\"visible\":" + boolJson(IsWindowVisible(hwnd)) +
           ",\"topmost\":" + boolJson(exStyle & WS_EX_TOPMOST) + ",\"enabled\":" + boolJson(IsWindowEnabled(hwnd)) +
           ",\"foreground\":" + boolJson(GetForegroundWindow() == hwnd) + ",\"iconic\":" + boolJson(IsIconic(hwnd)) +
           ",\"idle\":" + boolJson(idle) + ",\"window\":" + rectJson(window) + ",\"client\":" + rectJson(client) +
           ",\"style\":" + hexJson(style) + ",\"exstyle\":" + hexJson(exStyle) +
           ",\"has_caption\":" + boolJson((style & WS_CAPTION) == WS_CAPTION) +
           ",\"children\":" + children + "}";
}

BOOL CALLBACK listOne(HWND hwnd, LPARAM param)
{
    auto& out = *reinterpret_cast<std::string*>(param);
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (out.back() != '[') out += ",";
    out += "{\"hwnd\":" + hexJson(reinterpret_cast<ULONG_PTR>(hwnd)) + ",\"caption\":" + jsonString(textOf(hwnd)) +
           ",\"class\":" + jsonString(classOf(hwnd)) + ",\"visible\":" + boolJson(IsWindowVisible(hwnd)) +
           ",\"rect\":" + rectJson(r) + "}";
    return TRUE;
}

// What the shell reads from a link: where it leads and the folder it starts in.
std::string describeShortcut(const std::wstring& name)
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return "{\"found\":false,\"error\":\"no Startup folder\"}";
    }
    const std::wstring path = std::wstring(folder) + L"\\" + name;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return "{\"found\":false,\"path\":" + jsonString(path) + "}";
    }
    CoInitialize(nullptr);
    wchar_t target[MAX_PATH] = {};
    wchar_t workdir[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetWorkingDirectory(workdir, MAX_PATH));
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return "{\"found\":true,\"read\":" + boolJson(read) + ",\"path\":" + jsonString(path) +
           ",\"target\":" + jsonString(target) + ",\"workdir\":" + jsonString(workdir) + "}";
}

int emit(const std::string& line, int code)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
    return code;
}

int usage()
{
    return emit("{\"error\":\"usage: noctaris-probe info|close CAPTION [--class NAME] [--visible] [--wait MS] | list | shortcut NAME\"}", 2);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return usage();
    const std::wstring command = argv[1];
    if (command == L"list") {
        std::string out = "[";
        EnumWindows(listOne, reinterpret_cast<LPARAM>(&out));
        return emit(out + "]", 0);
    }
    if (command == L"shortcut" && argc == 3) {
        const std::string out = describeShortcut(argv[2]);
        return emit(out, out.find("\"found\":true") != std::string::npos ? 0 : 1);
    }
    if ((command != L"info" && command != L"close") || argc < 3) return usage();

    Query query;
    query.caption = argv[2];
    DWORD waitMs = 0;
    for (int i = 3; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--class" && i + 1 < argc) {
            query.className = argv[++i];
        } else if (option == L"--visible") {
            query.visibleOnly = true;
        } else if (option == L"--wait" && i + 1 < argc) {
            waitMs = static_cast<DWORD>(std::wcstoul(argv[++i], nullptr, 10));
        } else {
            return usage();
        }
    }

    // Polling here is much cheaper than starting this program again and again.
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    for (;;) {
        query.matches.clear();
        EnumWindows(collect, reinterpret_cast<LPARAM>(&query));
        if (!query.matches.empty() || GetTickCount64() >= deadline) break;
        Sleep(50);
    }
    if (query.matches.empty()) return emit("{\"found\":false,\"count\":0}", 1);
    const HWND hwnd = query.matches.front();

    if (command == L"close") {
        const bool posted = PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return emit("{\"found\":true,\"posted\":" + boolJson(posted) + "}", posted ? 0 : 1);
    }

    // A window found while its program is still starting may be about to
    // change (shown, hidden, moved); report it once the program waits for
    // input and its thread answers messages.
    bool idle = false;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
        idle = WaitForInputIdle(process, 5000) == 0;
        CloseHandle(process);
    }
    DWORD_PTR ignored = 0;
    idle = SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored) != 0 && idle;
    return emit(describe(hwnd, query.matches.size(), idle), 0);
}
