// A month of use in minutes: starts Noctaris, uses it round after round as a
// user would, and reports after each round what the program holds.
//
//   noctaris-soak EXE ROUNDS CYCLES_PER_ROUND FILE HORIZONTAL VERTICAL
//
// A round is CYCLES_PER_ROUND cycles of the bar's own use, then the windows
// opened and closed once (kCycle, kWindows).
//
// FILE: what the registration chooses in the file dialog. HORIZONTAL,
// VERTICAL: client points of the bar's parts in each shape, "x,y" separated
// by ";": tabs 0-9, buttons 0-9, then the settings, info, topmost, fix and
// orientation switches and a bare spot of the background. Slots 0-4 of every
// group are to hold targets (their tooltips show), slot 9 to be empty: it is
// registered and deleted again.
//
// The input reaches the bar as the system delivers it: mouse messages sent
// to its window (a sent message has been handled when the call returns) or,
// where a menu or a message box will hold the program in a loop of its own,
// posted; the pointer itself moves for the hovers, since a tooltip shows only
// where the pointer is. After each step it waits for what the user would see:
// a menu, a dialog, a tooltip, a switch that turned.
//
// One JSON line after each round:
//   {"round":N,"operations":total,"ms":M,"working_set":bytes,"private_bytes":bytes,"windows":n,
//    "gdi_objects":n,"user_objects":n,"handles":{"file":n,...},"done":{"operation":n,...}}
// windows: the program's windows, child windows included; gdi_objects and
// user_objects: GetGuiResources, null where the system answers 0 for a
// running program (Wine). handles: the counts of the program's own owners.
// On a failure one line {"error":"...","shown":["class caption",...],"operation":"name","round":N}
// (shown: the program's visible windows then) and exit code 1.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "json_text.h"
#include "win32/handles.h"
#include "win32/messages.h"

namespace {

const wchar_t kBarCaption[] = L"ノクタリス - メイン画面";
const wchar_t kMenuClass[] = L"#32768";
const wchar_t kBoxClass[] = L"#32770";
const DWORD kPatienceMs = 30000;

const char* const kHandleNames[win32::kHandleKinds] = {"file",   "kernel", "font",          "brush",       "bitmap",
                                                       "icon",   "menu",   "device_context", "local_memory"};

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The bar's parts in one shape, in client pixels.
struct Shape {
    POINT tab[10];
    POINT button[10];
    POINT settings, info, topmost, fix, orientation, bare;
};

Shape parseShape(const std::wstring& text)
{
    std::vector<POINT> points;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find(L';', at);
        const std::wstring pair = text.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
        points.push_back({std::stoi(pair), std::stoi(pair.substr(pair.find(L',') + 1))});
        at = end == std::wstring::npos ? text.size() : end + 1;
    }
    if (points.size() != 26) throw Failure("a shape needs 26 points");
    Shape shape{};
    for (int i = 0; i < 10; ++i) {
        shape.tab[i] = points[i];
        shape.button[i] = points[10 + i];
    }
    shape.settings = points[20];
    shape.info = points[21];
    shape.topmost = points[22];
    shape.fix = points[23];
    shape.orientation = points[24];
    shape.bare = points[25];
    return shape;
}

// A message to a window of the program, answered within the patience.
LRESULT sendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_BLOCK, kPatienceMs, &answer) && IsWindow(hwnd)) {
        throw Failure("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(answer);
}

std::wstring textOf(HWND hwnd)
{
    wchar_t buffer[256] = {};
    sendTo(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring classOf(HWND hwnd)
{
    wchar_t buffer[64] = {};
    GetClassNameW(hwnd, buffer, 64);
    return buffer;
}

// The program's windows: the top-level ones, and how many it has with their children.
struct ProgramWindows {
    DWORD pid;
    std::vector<HWND> top;
    int all = 0;
};

BOOL CALLBACK countChild(HWND, LPARAM windows)
{
    ++reinterpret_cast<ProgramWindows*>(windows)->all;
    return TRUE;
}

BOOL CALLBACK addTopLevel(HWND hwnd, LPARAM param)
{
    auto& windows = *reinterpret_cast<ProgramWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != windows.pid) return TRUE;
    windows.top.push_back(hwnd);
    ++windows.all;
    EnumChildWindows(hwnd, countChild, param);
    return TRUE;
}

ProgramWindows windowsOf(DWORD pid)
{
    ProgramWindows windows{pid, {}};
    EnumWindows(addTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Whether done came within patience.
template <typename Done>
bool within(DWORD patience, Done done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > patience) return false;
        Sleep(1);
    }
    return true;
}

template <typename Done>
void await(const std::string& what, Done done)
{
    if (!within(kPatienceMs, done)) throw Failure("timed out waiting for " + what);
}

class Soak {
public:
    Soak(PROCESS_INFORMATION process, HWND bar, Shape horizontal, Shape vertical, std::wstring file,
         std::wstring shortcutsPath)
        : process_(process), bar_(bar), horizontal_(horizontal), vertical_(vertical), file_(std::move(file)),
          shortcutsPath_(std::move(shortcutsPath)),
          liveHandles_(RegisterWindowMessageW(win32::kLiveHandlesMessage))
    {
    }

    struct Operation {
        const char* name;
        void (Soak::*run)();
    };
    static const std::vector<Operation> kCycle;
    static const std::vector<Operation> kWindows;

    void run(const Operation& operation)
    {
        current_ = operation.name;
        if (!IsWindow(bar_)) throw Failure("the bar is gone");
        (this->*operation.run)();
        ++done_[operation.name];
    }
    const char* current() const { return current_; }

    std::string figures()
    {
        settle();
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        const DWORD gdi = GetGuiResources(process_.hProcess, GR_GDIOBJECTS);
        const DWORD user = GetGuiResources(process_.hProcess, GR_USEROBJECTS);
        std::string out = "\"working_set\":" + std::to_string(memory.WorkingSetSize) +
                          ",\"private_bytes\":" + std::to_string(memory.PrivateUsage) +
                          ",\"windows\":" + std::to_string(windowsOf(pid()).all) +
                          ",\"gdi_objects\":" + (gdi ? std::to_string(gdi) : "null") +
                          ",\"user_objects\":" + (user ? std::to_string(user) : "null") + ",\"handles\":{";
        const std::vector<long> handles = ownedHandles();
        for (std::size_t k = 0; k < win32::kHandleKinds; ++k) {
            out += std::string(k ? "," : "") + "\"" + kHandleNames[k] + "\":" + std::to_string(handles[k]);
        }
        out += "},\"done\":{";
        bool first = true;
        for (const auto& [name, count] : done_) {
            out += std::string(first ? "" : ",") + "\"" + name + "\":" + std::to_string(count);
            first = false;
        }
        return out + "}";
    }

private:
    // --- what the program shows --------------------------------------------

    DWORD pid() const { return process_.dwProcessId; }

    HWND visibleWindow(const wchar_t* cls, const wchar_t* caption) const
    {
        for (HWND hwnd : windowsOf(pid()).top) {
            if (!IsWindowVisible(hwnd) || hwnd == bar_) continue;
            if (cls && classOf(hwnd) != cls) continue;
            if (caption && textOf(hwnd) != caption) continue;
            return hwnd;
        }
        return nullptr;
    }
    int menusOpen() const
    {
        int open = 0;
        for (HWND hwnd : windowsOf(pid()).top) open += IsWindowVisible(hwnd) && classOf(hwnd) == kMenuClass;
        return open;
    }
    HWND awaitWindow(const wchar_t* cls, const wchar_t* caption, const std::string& what)
    {
        HWND found = nullptr;
        await(what, [&] { return (found = visibleWindow(cls, caption)) != nullptr; });
        return found;
    }
    void awaitGone(HWND hwnd, const std::string& what)
    {
        await(what, [&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); });
    }
    HWND child(HWND parent, const wchar_t* cls, const wchar_t* text = nullptr) const
    {
        for (HWND c = FindWindowExW(parent, nullptr, cls, nullptr); c; c = FindWindowExW(parent, c, cls, nullptr)) {
            if (!text || textOf(c) == text) return c;
        }
        throw Failure("no control " + std::string(text ? "with that text" : "of that class") + " in a dialog");
    }

    bool horizontal() const
    {
        RECT r{};
        GetClientRect(bar_, &r);
        return r.right > r.bottom;
    }
    const Shape& shape() const { return horizontal() ? horizontal_ : vertical_; }
    bool topmost() const { return (GetWindowLongPtrW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    std::vector<long> ownedHandles() const
    {
        std::vector<long> counts;
        for (std::size_t k = 0; k < win32::kHandleKinds; ++k) counts.push_back(static_cast<long>(sendTo(bar_, liveHandles_, k, 0)));
        return counts;
    }

    // Background work (icon lookups, time-stamp checks) comes to an end:
    // the counts are read once they stay the same for a while.
    void settle()
    {
        std::vector<long> last;
        int same = 0;
        await("the program to settle", [&] {
            std::vector<long> now = ownedHandles();
            now.push_back(windowsOf(pid()).all);
            same = now == last ? same + 1 : 0;
            last = std::move(now);
            if (same < 20) Sleep(10);
            return same >= 20;
        });
    }

    // --- input ---------------------------------------------------------------

    void send(UINT message, WPARAM wParam, POINT at) { sendTo(bar_, message, wParam, MAKELPARAM(at.x, at.y)); }
    // The pointer comes there first, as a user's does.
    void click(POINT at)
    {
        send(WM_MOUSEMOVE, 0, at);
        send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        send(WM_LBUTTONUP, 0, at);
    }
    // A menu's loop holds the program until the menu closes: posted.
    void rightClick(POINT at)
    {
        send(WM_MOUSEMOVE, 0, at);
        PostMessageW(bar_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(bar_, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    void key(WPARAM virtualKey) { PostMessageW(bar_, WM_KEYDOWN, virtualKey, 1); }

    void awaitMenus(int open, const std::string& what)
    {
        await(what, [&] { return menusOpen() == open; });
    }
    void dismissMenus(int open)
    {
        for (int i = 0; i < open; ++i) key(VK_ESCAPE);
        awaitMenus(0, "the menus to close");
    }
    // A window opened by an item of the button or group menu: the keys,
    // Down from nothing chosen (separators are passed over) and Enter, are
    // posted with the click that opens the menu, since a menu's loop takes
    // posted messages before the system's reports of the pointer. Now and
    // then such a report still takes the item chosen so far away, and
    // another item or none is taken: as a user would, the soak closes the
    // menus and chooses again, three times at most.
    HWND openThroughMenu(POINT at, int downs, const wchar_t* cls, const wchar_t* caption, const std::string& what)
    {
        for (int attempt = 1;; ++attempt) {
            rightClick(at);
            for (int i = 0; i < downs; ++i) key(VK_DOWN);
            key(VK_RETURN);
            HWND found = nullptr;
            if (within(kPatienceMs / 3, [&] { return (found = visibleWindow(cls, caption)) != nullptr; })) return found;
            if (attempt == 3) throw Failure("timed out waiting for " + what);
            dismissMenus(menusOpen());
            awaitBarActive();
        }
    }
    void pushButton(HWND dialog, const wchar_t* caption)
    {
        PostMessageW(child(dialog, L"Button", caption), BM_CLICK, 0, 0);
    }
    void closeDialog(HWND dialog, const std::string& what)
    {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        awaitDestroyed(dialog, what);
    }
    // A closed window is hidden at once and destroyed once the message that
    // closed it has ended; its going may change the active window again.
    void awaitDestroyed(HWND window, const std::string& what)
    {
        await(what + " to go", [&] {
            PostMessageW(bar_, WM_NULL, 0, 0);
            return !IsWindow(window);
        });
        awaitBarActive();
    }
    // A dialog that closes gives the keyboard back to the bar; a menu opened
    // before that would close again as the bar is activated.
    void awaitBarActive()
    {
        await("the bar to take input again",
              [&] { return IsWindowEnabled(bar_) != FALSE && GetForegroundWindow() == bar_; });
    }

    // --- operations ------------------------------------------------------------

    void switchGroup()
    {
        group_ = (group_ + 3) % 10;
        click(shape().tab[group_]);
    }

    // The pointer passes over the background to a tab or a registered
    // button; the tooltip asks the program for its text and shows. They show
    // at once here: the wait before they show is the system's, not the
    // program's.
    void hover()
    {
        const bool onTab = hovers_++ % 2 == 0;
        const POINT at = onTab ? shape().tab[hovers_ / 2 % 10] : shape().button[hovers_ / 2 % 5];
        send(WM_MOUSEMOVE, 0, shape().bare);
        HWND tips = nullptr;
        await("the tooltip window", [&] { return (tips = tooltips()) != nullptr; });
        if (!quickTips_) {
            sendTo(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
            sendTo(tips, TTM_SETDELAYTIME, TTDT_RESHOW, 1);
            quickTips_ = true;
        }
        await("the tooltip to go", [&] { return !IsWindowVisible(tips); });
        pointTo(at);
        await("a tooltip", [&] { return IsWindowVisible(tips) && !textOf(tips).empty(); });
        park();
    }
    // The system's pointer goes there too, since a tooltip shows only where
    // it is. Only the hovers move it, and put it back on the bar's
    // background, where it has no tooltip: the tooltip goes once the bar has
    // heard of the move, so no report of the pointer is left over for what
    // comes next.
    void park()
    {
        HWND tips = tooltips();
        pointTo(shape().bare);
        await("the tooltip to go", [&] { return !IsWindowVisible(tips); });
    }
    void pointTo(POINT at)
    {
        POINT screen = at;
        ClientToScreen(bar_, &screen);
        SetCursorPos(screen.x, screen.y);
    }
    HWND tooltips() const
    {
        for (HWND hwnd : windowsOf(pid()).top) {
            if (classOf(hwnd) == TOOLTIPS_CLASSW && GetWindow(hwnd, GW_OWNER) == bar_) return hwnd;
        }
        return nullptr;
    }

    void buttonMenu()
    {
        rightClick(shape().button[menus_++ % 10]);
        awaitMenus(1, "the button menu");
        dismissMenus(1);
    }
    void groupMenu()
    {
        rightClick(shape().tab[menus_++ % 10]);
        awaitMenus(1, "the group menu");
        dismissMenus(1);
    }
    // The first group's submenu opened too.
    void trayMenu()
    {
        PostMessageW(bar_, win32::kTrayMessage, 0, WM_LBUTTONDOWN);
        key(VK_DOWN);
        key(VK_RIGHT);
        awaitMenus(2, "the tray menu and a group's submenu");
        dismissMenus(2);
    }

    void settingsDialog()
    {
        click(shape().settings);
        closeDialog(awaitWindow(nullptr, L"設定", "the settings dialog"), "the settings dialog");
    }
    void productWindow()
    {
        click(shape().info);
        closeDialog(awaitWindow(nullptr, L"製品情報", "the product window"), "the product window");
    }
    // Opened for a registered slot, closed without a change.
    void changeDialog()
    {
        closeDialog(openThroughMenu(shape().button[0], 2, nullptr, L"登録", "the registration dialog"),
                    "the registration dialog");
    }
    void rename()
    {
        HWND dialog = openThroughMenu(shape().tab[group_], 1, nullptr, L"グループ名の変更", "the rename dialog");
        const std::wstring name = L"グループ" + std::to_wstring(group_ + 1) + (renames_++ % 2 ? L"" : L"・改");
        sendTo(child(dialog, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        pushButton(dialog, L"適　用");
        awaitDestroyed(dialog, "the rename dialog");
    }
    // The empty slot of the shown group, through the menu and the file dialog.
    void registration()
    {
        HWND dialog = openThroughMenu(shape().button[9], 1, nullptr, L"登録", "the registration dialog");
        pushButton(dialog, L"ファイル参照");
        HWND picker = awaitWindow(kBoxClass, L"ファイルを開く", "the file dialog");
        HWND name = nullptr;
        await("the file dialog's name box", [&] { return (name = fileNameBox(picker)) != nullptr; });
        sendTo(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file_.c_str()));
        PostMessageW(picker, WM_COMMAND, IDOK, 0);
        awaitGone(picker, "the file dialog to close");
        pushButton(dialog, L"決定（登録）");
        awaitDestroyed(dialog, "the registration dialog");
    }
    static BOOL CALLBACK findNameBox(HWND hwnd, LPARAM found)
    {
        if (classOf(hwnd) != L"Edit" || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    static HWND fileNameBox(HWND picker)
    {
        HWND found = nullptr;
        EnumChildWindows(picker, findNameBox, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    void deletion()
    {
        HWND box = openThroughMenu(shape().button[9], 3, kBoxClass, nullptr, "the question");
        if (!GetDlgItem(box, IDYES)) throw Failure("the slot to delete was empty: no question was asked");
        PostMessageW(box, WM_COMMAND, IDYES, 0);
        awaitGone(box, "the question to close");
        awaitBarActive();
    }

    // Where the bar goes, then the pointer passes over its background: the
    // program keeps its place.
    void move()
    {
        static const POINT kPlaces[] = {{100, 60}, {300, 200}, {520, 90}, {40, 380}};
        const POINT to = kPlaces[moves_++ % 4];
        SetWindowPos(bar_, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        send(WM_MOUSEMOVE, 0, shape().bare);
    }
    // A registered button dragged onto its neighbour: the two change places
    // and Shtct.qdf is written again. Ctrl+Z, typed as the user types it (the
    // program reads the state of Ctrl), puts them back, and the file returns
    // to the bytes it had.
    void buttonMoveUndone()
    {
        const std::string before = shortcutsFile();
        const POINT from = shape().button[0];
        const POINT to = shape().button[1];
        send(WM_MOUSEMOVE, 0, from);
        send(WM_LBUTTONDOWN, MK_LBUTTON, from);
        send(WM_MOUSEMOVE, MK_LBUTTON, to);
        send(WM_LBUTTONUP, 0, to);
        if (shortcutsFile() == before) throw Failure("the drag moved no button");
        const WORD keys[] = {VK_CONTROL, 'Z', 'Z', VK_CONTROL};
        INPUT typed[4]{};
        for (int i = 0; i < 4; ++i) {
            typed[i].type = INPUT_KEYBOARD;
            typed[i].ki.wVk = keys[i];
            typed[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(4, typed, sizeof(INPUT));
        await("Ctrl+Z to put the buttons back", [&] { return shortcutsFile() == before; });
    }
    std::string shortcutsFile() const
    {
        const win32::OwnedFile file(CreateFileW(shortcutsPath_.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
        std::string bytes;
        char block[4096];
        DWORD read = 0;
        while (file && ReadFile(file.get(), block, sizeof block, &read, nullptr) && read) bytes.append(block, read);
        return bytes;
    }

    void topmostSwitch()
    {
        const bool was = topmost();
        click(shape().topmost);
        await("the bar to change its stacking", [&] { return topmost() != was; });
    }
    void fixSwitch() { click(shape().fix); }
    void orientationSwitch()
    {
        const bool was = horizontal();
        click(shape().orientation);
        await("the bar to change its shape", [&] { return horizontal() != was; });
    }

    PROCESS_INFORMATION process_;
    HWND bar_;
    Shape horizontal_;
    Shape vertical_;
    std::wstring file_;
    std::wstring shortcutsPath_;
    UINT liveHandles_;
    const char* current_ = "start";
    std::map<std::string, long> done_;
    int group_ = 0;
    int hovers_ = 0;
    int menus_ = 0;
    int renames_ = 0;
    int moves_ = 0;
    bool quickTips_ = false;
};

// One cycle of the bar's own use. Every switch is clicked twice, so the bar
// is as it was at the end of each cycle.
const std::vector<Soak::Operation> Soak::kCycle = {
    {"group switch", &Soak::switchGroup},      {"hover", &Soak::hover},
    {"hover", &Soak::hover},                   {"button menu", &Soak::buttonMenu},
    {"group switch", &Soak::switchGroup},      {"hover", &Soak::hover},
    {"topmost switch", &Soak::topmostSwitch},  {"group menu", &Soak::groupMenu},
    {"move", &Soak::move},                     {"hover", &Soak::hover},
    {"fix switch", &Soak::fixSwitch},          {"tray menu", &Soak::trayMenu},
    {"orientation switch", &Soak::orientationSwitch}, {"hover", &Soak::hover},
    {"group switch", &Soak::switchGroup},      {"move", &Soak::move},
    {"topmost switch", &Soak::topmostSwitch},  {"hover", &Soak::hover},
    {"fix switch", &Soak::fixSwitch},          {"orientation switch", &Soak::orientationSwitch},
    {"button move, undone", &Soak::buttonMoveUndone},
};

// The windows, once a round: each costs the test two seconds under Wine
// without a window manager, none of them the program's. The slot registered
// is deleted again.
const std::vector<Soak::Operation> Soak::kWindows = {
    {"registration", &Soak::registration},       {"deletion", &Soak::deletion},
    {"settings dialog", &Soak::settingsDialog}, {"product window", &Soak::productWindow},
    {"change dialog", &Soak::changeDialog},     {"rename", &Soak::rename},
};

void emit(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

HWND barOf(DWORD pid)
{
    for (HWND hwnd : windowsOf(pid).top) {
        if (IsWindowVisible(hwnd) && textOf(hwnd) == kBarCaption) return hwnd;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 7) {
        emit("{\"error\":\"usage: noctaris-soak EXE ROUNDS CYCLES_PER_ROUND FILE HORIZONTAL VERTICAL\"}");
        return 2;
    }
    const std::wstring exe = argv[1];
    const int rounds = std::stoi(argv[2]);
    const int cycles = std::stoi(argv[3]);
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folderOf(exe).c_str(),
                        &startup, &process)) {
        emit("{\"error\":\"the program did not start\"}");
        return 1;
    }
    int round = 0;
    const char* operation = "start";
    int code = 0;
    try {
        HWND bar = nullptr;
        await("the bar", [&] { return (bar = barOf(process.dwProcessId)) != nullptr; });
        // The user's first click activates it; the mouse goes to the active program.
        SetForegroundWindow(bar);
        await("the bar to be active", [&] { return GetForegroundWindow() == bar; });
        Soak soak(process, bar, parseShape(argv[5]), parseShape(argv[6]), argv[4],
                  folderOf(exe) + L"\\Data\\Shtct.qdf");
        const DWORD started = GetTickCount();
        long operations = 0;
        for (; round < rounds; ++round) {
            for (int c = 0; c <= cycles; ++c) {
                for (const Soak::Operation& step : c < cycles ? Soak::kCycle : Soak::kWindows) {
                    operation = step.name;
                    soak.run(step);
                    ++operations;
                }
            }
            operation = "figures";
            const std::string figures = soak.figures();
            emit("{\"round\":" + std::to_string(round) + ",\"operations\":" + std::to_string(operations) +
                 ",\"ms\":" + std::to_string(GetTickCount() - started) + "," + figures + "}");
        }
    } catch (const std::exception& e) {
        const std::string what = e.what();
        // What the program showed then, for the one who reads the failure.
        std::string shown;
        for (HWND hwnd : windowsOf(process.dwProcessId).top) {
            wchar_t caption[128] = {};
            GetWindowTextW(hwnd, caption, 128);
            if (!IsWindowVisible(hwnd)) continue;
            // A message box says why in its text.
            std::wstring said;
            for (HWND c = FindWindowExW(hwnd, nullptr, L"Static", nullptr); c; c = FindWindowExW(hwnd, c, L"Static", nullptr)) {
                said += L" " + textOf(c);
            }
            shown += (shown.empty() ? "" : ",") + jsonString(classOf(hwnd) + L" " + caption + said);
        }
        emit("{\"error\":" + jsonString(std::wstring(what.begin(), what.end())) + ",\"shown\":[" + shown + "]" +
             ",\"operation\":\"" + operation + "\",\"round\":" + std::to_string(round) + "}");
        code = 1;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}
