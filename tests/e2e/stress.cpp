// Kills Noctaris again and again while it rewrites apst.qdf and fank.qdf as
// fast as it can, and reports what each kill left in its Data folder.
//
//   noctaris-stress EXE KILLS SEED MAX_MS X,Y [X,Y ...]
//
// Each round starts EXE in its own folder, waits for the bar, lists the
// temporary files the start left, then clicks the topmost and orientation
// switches and moves the bar to the next of the given screen positions (a
// move followed by a mouse move on its background makes it save its place),
// over and over, until it kills the program (TerminateProcess) at a random
// moment up to MAX_MS later. Then it reads every file in Data.
//
// One JSON line per round:
//   {"round":N,"after_ms":M,"actions":A,"box":B,"leftovers":[names],
//    "files":{"name":"hex bytes" or null when unreadable,...}}
// leftovers: the *.tmp files found once the bar was up; files: every file in
// Data after the kill, temporary ones included; actions: the switches the
// program took and the moves; box: whether it showed a message. A last line
// {"leftovers":[names],"refused":R} reports one more start after the last
// kill and how many times Wine failed to make the process (each tried again).
// Exit code 0, or 1 when the bar did not come up
// ({"error":...,"why":...,"round":N,"refused":R}).
#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "json_text.h"

namespace {

const wchar_t kBarCaption[] = L"ノクタリス - メイン画面";

// Client pixels of the switches and of a bare spot of the background in the
// bar's two shapes (src/bar/bar_layout.h), each at the middle of its place.
struct Shape {
    POINT topmost;
    POINT style;
    POINT bare;
};
constexpr Shape kHorizontal{{10, 63}, {10, 45}, {200, 62}};
constexpr Shape kVertical{{56, 10}, {38, 10}, {14, 300}};

struct Program {
    PROCESS_INFORMATION process{};
    HWND bar = nullptr;
};

struct Search {
    DWORD pid;
    bool box;  // a message box rather than the bar
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND hwnd, LPARAM param)
{
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search.pid) return TRUE;
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    const bool match = search.box ? std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)
                                      : std::wstring(text) == kBarCaption && IsWindowVisible(hwnd);
    if (!match) return TRUE;
    search.found = hwnd;
    return FALSE;
}

HWND windowOf(DWORD pid, bool box)
{
    Search search{pid, box};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

std::vector<std::wstring> filesIn(const std::wstring& folder, const wchar_t* pattern)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// The file's bytes as a JSON string of hex digits, or null.
std::string hexJson(const std::wstring& path)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex = "\"";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "null";
    unsigned char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        for (DWORD i = 0; i < read; ++i) {
            hex += digits[buffer[i] >> 4];
            hex += digits[buffer[i] & 15];
        }
    }
    CloseHandle(file);
    return hex + "\"";
}

std::string namesJson(const std::vector<std::wstring>& names)
{
    std::string out = "[";
    for (const auto& name : names) out += (out.size() > 1 ? "," : "") + jsonString(name);
    return out + "]";
}

void emit(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

BOOL CALLBACK appendText(HWND child, LPARAM param)
{
    wchar_t text[256] = {};
    if (GetWindowTextW(child, text, 256) > 0) *reinterpret_cast<std::wstring*>(param) += std::wstring(L" | ") + text;
    return TRUE;
}

// Why the bar did not come up, as a JSON string: the words of a message the
// program shows, how it ended, or that it is still at it.
std::string whyNoBar(const Program& program)
{
    if (const HWND box = windowOf(program.process.dwProcessId, true)) {
        std::wstring words = L"it shows a message";
        EnumChildWindows(box, appendText, reinterpret_cast<LPARAM>(&words));
        return jsonString(words);
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(program.process.hProcess, &code);
    if (code != STILL_ACTIVE) return jsonString(L"it ended with exit code " + std::to_wstring(code));
    return jsonString(L"no bar after 20 s");
}

// Now and then Wine fails to make a process at all, before any of the
// program has run; that says nothing about the program, so such a start is
// tried again, and counted in `refused`.
bool create(const std::wstring& exe, Program& program, int& refused)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folderOf(exe).c_str(), &startup, &program.process)) {
            return true;
        }
        if (attempt == 3) return false;
        ++refused;
        Sleep(100);
    }
}

// Starts the program; on failure, returns why as a JSON string.
std::optional<std::string> start(const std::wstring& exe, Program& program, int& refused)
{
    if (!create(exe, program, refused)) {
        return jsonString(L"CreateProcess failed, error " + std::to_wstring(GetLastError()));
    }
    WaitForInputIdle(program.process.hProcess, 20000);
    for (int i = 0; i < 2000 && !program.bar; ++i) {
        program.bar = windowOf(program.process.dwProcessId, false);
        if (!program.bar) Sleep(10);
    }
    if (program.bar) return std::nullopt;
    return whyNoBar(program);
}

void stop(Program& program)
{
    if (!program.process.hProcess) return;
    TerminateProcess(program.process.hProcess, 1);
    WaitForSingleObject(program.process.hProcess, INFINITE);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
}

// Clicks the switches and moves the bar until told to stop or the bar is gone.
class Driver {
public:
    Driver(HWND bar, DWORD pid, const std::vector<POINT>& positions)
        : bar_(bar), pid_(pid), positions_(positions)
    {
        thread_ = CreateThread(nullptr, 0, &Driver::main, this, 0, nullptr);
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    ~Driver() { finish(); }
    void finish()
    {
        stop_ = true;
        if (!thread_) return;
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    int actions() const { return actions_; }
    bool boxSeen() const { return boxSeen_; }

private:
    bool horizontal() const
    {
        RECT r{};
        GetClientRect(bar_, &r);
        return r.right > r.bottom;
    }
    bool topmost() const { return (GetWindowLongPtrW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    void click(POINT at)
    {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        PostMessageW(bar_, WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageW(bar_, WM_LBUTTONUP, 0, where);
    }

    // Waits until the program shows that it took the click.
    template <typename Done>
    bool await(Done done)
    {
        while (!stop_ && IsWindow(bar_)) {
            if (done()) return true;
            if (windowOf(pid_, true)) boxSeen_ = true;
            Sleep(1);
        }
        return false;
    }

    static DWORD WINAPI main(void* self)
    {
        static_cast<Driver*>(self)->run();
        return 0;
    }

    void run()
    {
        for (std::size_t i = 0; !stop_ && IsWindow(bar_); ++i) {
            const bool wasHorizontal = horizontal();
            const Shape& shape = wasHorizontal ? kHorizontal : kVertical;
            const bool wasTopmost = topmost();
            click(shape.topmost);
            if (!await([&] { return topmost() != wasTopmost; })) return;
            ++actions_;
            click(shape.style);
            if (!await([&] { return horizontal() != wasHorizontal; })) return;
            ++actions_;
            const POINT to = positions_[i % positions_.size()];
            SetWindowPos(bar_, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const Shape& now = wasHorizontal ? kVertical : kHorizontal;
            PostMessageW(bar_, WM_MOUSEMOVE, 0, MAKELPARAM(now.bare.x, now.bare.y));
            ++actions_;
        }
    }

    HWND bar_;
    DWORD pid_;
    const std::vector<POINT>& positions_;
    std::atomic<bool> stop_{false};
    std::atomic<int> actions_{0};
    std::atomic<bool> boxSeen_{false};
    HANDLE thread_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 6) {
        emit("{\"error\":\"usage: noctaris-stress EXE KILLS SEED MAX_MS X,Y [X,Y ...]\"}");
        return 2;
    }
    const std::wstring exe = argv[1];
    const int kills = std::stoi(argv[2]);
    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[3])));
    std::uniform_int_distribution<int> delay(0, std::stoi(argv[4]));
    std::vector<POINT> positions;
    for (int i = 5; i < argc; ++i) {
        const std::wstring pair = argv[i];
        positions.push_back({std::stoi(pair), std::stoi(pair.substr(pair.find(L',') + 1))});
    }
    const std::wstring data = folderOf(exe) + L"\\Data";

    // Wine hides its tray window when the last icon goes and then waits two
    // seconds for a window manager that is not there; an icon of our own
    // keeps the tray shown, so that a kill costs no such wait.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    Shell_NotifyIconW(NIM_ADD, &icon);

    int refused = 0;
    for (int round = 0; round <= kills; ++round) {
        Program program;
        if (const auto why = start(exe, program, refused)) {
            emit("{\"error\":\"the bar did not come up\",\"why\":" + *why + ",\"round\":" + std::to_string(round) +
                 ",\"refused\":" + std::to_string(refused) + "}");
            stop(program);
            Shell_NotifyIconW(NIM_DELETE, &icon);
            return 1;
        }
        const std::string leftovers = namesJson(filesIn(data, L"*.tmp"));
        if (round == kills) {
            stop(program);
            emit("{\"leftovers\":" + leftovers + ",\"refused\":" + std::to_string(refused) + "}");
            break;
        }
        const int afterMs = delay(random);
        Driver driver(program.bar, program.process.dwProcessId, positions);
        Sleep(static_cast<DWORD>(afterMs));
        stop(program);
        driver.finish();
        std::string files = "{";
        for (const auto& name : filesIn(data, L"*")) {
            files += (files.size() > 1 ? "," : "") + jsonString(name) + ":" + hexJson(data + L"\\" + name);
        }
        emit("{\"round\":" + std::to_string(round) + ",\"after_ms\":" + std::to_string(afterMs) +
             ",\"actions\":" + std::to_string(driver.actions()) +
             ",\"box\":" + (driver.boxSeen() ? "true" : "false") +
             ",\"leftovers\":" + leftovers + ",\"files\":" + files + "}}");
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
