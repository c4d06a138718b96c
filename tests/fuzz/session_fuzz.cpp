// Each input is a user session on the real forms over the headless backend:
// clicks, hovers, drags, menu choices, dialogs, typing, drops, the tray,
// screen readers, message boxes answered at any moment and events inside
// them, refused writes, vanished targets, pickers, display scales and a
// taskbar restart. After every event the session checks what must always
// hold; a broken rule aborts with its name, and AddressSanitizer and UBSan
// catch the rest.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "headless/platform.h"
#include "headless/shell.h"
#include "menus/form2.h"
#include "model/data_formats.h"
#include "session_events.h"
#include "ui/hit_test.h"

namespace {

using session::Op;

[[noreturn]] void broken(const char* rule)
{
    std::fprintf(stderr, "session rule broken: %s\n", rule);
    std::abort();
}

// The data folder in memory; without a Data folder nothing can be read or
// written until it is made, and a full disk refuses writes. It remembers which file's last
// write was refused.
class MemoryStore final : public model::FileStore {
public:
    model::ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) override
    {
        const auto found = files.find(path);
        if (folderMissing || found == files.end()) {
            error = "指定されたファイルが見つかりません。";
            return model::ReadStatus::NotFound;
        }
        contents = found->second;
        return model::ReadStatus::Ok;
    }
    bool replaceAll(const std::string& path, std::string_view contents, std::string& error) override
    {
        refused[path] = folderMissing || full;
        if (refused[path]) {
            error = folderMissing ? "指定されたパスが見つかりません。" : "ディスクに空き領域がありません。";
            return false;
        }
        files[path] = contents;
        return true;
    }
    void discardTemporary(const std::string&) override {}
    // A missing folder is made: the program starts as a new installation.
    model::FolderStatus createFolder(const std::string&, std::string&) override
    {
        if (!folderMissing) return model::FolderStatus::Existed;
        folderMissing = false;
        files.clear();
        return model::FolderStatus::Created;
    }

    std::map<std::string, std::string> files;
    std::map<std::string, bool> refused;
    bool folderMissing = false;
    bool full = false;
};

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    int pick(int n) { return byte() % n; }
    std::string name()
    {
        const int length = pick(24);
        std::string text;
        for (int i = 0; i < length; ++i) text += static_cast<char>(byte());
        return text;
    }
    // Text as a user might type or paste it, any of it unstorable.
    std::string typed()
    {
        std::string out;
        for (int i = pick(16); i > 0; --i) {
            const int b = byte();
            char32_t c = 0;
            switch (pick(7)) {
            case 0: c = static_cast<char32_t>(0x20 + b % 0x5F); break;
            case 1: c = U'"'; break;
            case 2: c = static_cast<char32_t>(0x3041 + b % 0x56); break;
            case 3: c = static_cast<char32_t>(0x4E00 + b); break;
            case 4: c = static_cast<char32_t>(0xF700 + b); break;
            case 5: c = static_cast<char32_t>(0x1F600 + b % 64); break;
            default: c = static_cast<char32_t>(0xAC00 + b); break;
            }
            appendUtf8(out, c);
        }
        return out;
    }

private:
    static void appendUtf8(std::string& out, char32_t c)
    {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

template <typename T, std::size_t N>
const T& from(const T (&pool)[N], int index)
{
    return pool[static_cast<std::size_t>(index) % N];
}

void collect(ui::Container& container, std::vector<ui::Control*>& out)
{
    for (ui::Control* c : container.children()) {
        out.push_back(c);
        if (auto* inner = dynamic_cast<ui::Container*>(c)) collect(*inner, out);
    }
}

class Session {
public:
    explicit Session(Bytes& in) : in_(in) {}

    void run()
    {
        setUp();
        app_ = std::make_unique<app::Noctaris>(platform_, shell_, platform_.files, platform_.codec());
        act([this] { app_->start(); });
        check();
        for (int events = 0; events < 80 && !in_.done() && !platform_.ended; ++events) {
            act([this] { event(0); });
            check();
        }
        act([this] { app_.reset(); });
        printLog();
    }

private:
    // To read what a session did, as when a failure is being reproduced.
    void printLog() const
    {
        if (!std::getenv("NOCTARIS_SESSION_LOG")) return;
        for (const std::string& e : platform_.log) std::fprintf(stderr, "  %s\n", e.c_str());
        for (const std::string& c : platform_.touchedAfterUnload) {
            std::fprintf(stderr, "  touched after unload: %s\n", c.c_str());
        }
    }

    void require(bool condition, const char* rule) const
    {
        if (condition) return;
        printLog();
        broken(rule);
    }

    void setUp()
    {
        const int environment = in_.byte();
        store_.folderMissing = environment == 0xFF;
        platform_.trayAvailable = environment != 0xFE;
        std::string settings;
        for (int i = 0; i < 7; ++i) settings += std::string(i ? "," : "") + from(session::kSettingValues, in_.byte());
        write("apst.qdf", settings + "\r\n");
        write("fank.qdf", std::string(from(session::kPositions, in_.byte())) + "\r\n");
        model::ShortcutTable table;
        for (int n = in_.pick(13); n > 0; --n) {
            const int slot = in_.pick(model::kSlotCount);
            table[static_cast<std::size_t>(slot)] = {from(session::kNames, in_.byte()), from(session::kPaths, in_.byte())};
        }
        model::GroupNames groups;
        for (int g = 0; g < model::kGroupCount; ++g) groups[static_cast<std::size_t>(g)] = "G" + std::to_string(g + 1);
        if (const int g = in_.byte(); g < model::kGroupCount) groups[static_cast<std::size_t>(g)] = from(session::kNames, in_.byte());
        // What the files cannot hold stays out of them, as the program would keep it out.
        for (model::Slot& slot : table) {
            if (model::checkUserText(platform_.codec(), slot.name) || model::checkUserText(platform_.codec(), slot.path)) {
                slot = {};
            }
        }
        for (std::string& name : groups) {
            if (model::checkUserText(platform_.codec(), name)) name.clear();
        }
        write("Shtct.qdf", model::formatShortcuts(table, platform_.codec()).bytes);
        write("group.qdf", model::formatGroups(groups, platform_.codec()).bytes);
        shell_.specialFolders[shell::SpecialFolder::Startup] = "C:\\Startup";
    }

    void write(const std::string& name, const std::string& bytes) { store_.files[kData + name] = bytes; }

    template <typename Action>
    void act(Action&& action)
    {
        platform_.event(std::forward<Action>(action));
    }

    std::vector<ui::Window*> windows()
    {
        std::vector<ui::Window*> open{&app_->form1().window};
        for (ui::Window* w : {app_->form4().window(), app_->seihin().window(), app_->openDialog()}) {
            if (w) open.push_back(w);
        }
        return open;
    }

    ui::Window& window() { return *from_(windows(), in_.byte()); }

    template <typename T>
    static T from_(const std::vector<T>& items, int index)
    {
        return items[static_cast<std::size_t>(index) % items.size()];
    }

    // A control by its name, or else one chosen by the name's bytes.
    ui::Control* control(ui::Window& w, bool native)
    {
        std::vector<ui::Control*> all;
        collect(w, all);
        std::erase_if(all, [native](ui::Control* c) { return ui::isWindowless(*c) == native; });
        if (all.empty()) return nullptr;
        const std::string wanted = in_.name();
        for (ui::Control* c : all) {
            if (c->name() == wanted) return c;
        }
        unsigned hash = 0;
        for (const char c : wanted) hash = hash * 31 + static_cast<unsigned char>(c);
        return all[hash % all.size()];
    }

    void mouse(ui::Control& c, ui::MouseAction action, int button, int held, int x = 5, int y = 5)
    {
        const ui::Rect r = ui::deviceRect(c);
        const int dpi = c.window().scale().dpi;
        ui::MouseInput input = ui::MouseInput::of(action, button, held,
                                                  {r.left + x * dpi / 96, r.top + y * dpi / 96}, clock_);
        act([&] { platform_.input(c.window()).mouseInput(input); });
    }

    // A window goes with its controls once the event that closed it is over.
    bool exists(const ui::Window* w) const
    {
        const auto& all = platform_.windows();
        return std::find(all.begin(), all.end(), w) != all.end();
    }

    // Press and release are two events: the first may close the window.
    void click(ui::Control& c, int button, unsigned after = 1000)
    {
        const ui::Window* w = &c.window();
        clock_ += after;
        mouse(c, ui::MouseAction::Press, button, button);
        if (exists(w)) mouse(c, ui::MouseAction::Release, button, 0);
    }

    void event(int depth)
    {
        switch (static_cast<Op>(in_.pick(static_cast<int>(Op::Count)))) {
        case Op::Click:
            if (ui::Control* c = control(window(), false)) click(*c, 1 << in_.pick(3));
            break;
        case Op::DoubleClick:
            if (ui::Control* c = control(window(), false)) {
                const ui::Window* w = &c->window();
                click(*c, ui::mouse::kLeft);
                if (exists(w)) click(*c, ui::mouse::kLeft, 100);
            }
            break;
        case Op::Hover:
            if (ui::Control* c = control(window(), false)) {
                const int x = in_.pick(48) - 8;
                mouse(*c, ui::MouseAction::Move, 0, 0, x, in_.pick(48) - 8);
            }
            break;
        case Op::BackgroundDrag: {
            ui::Window& w = window();
            const ui::Point from{in_.pick(400), in_.pick(300)};
            const ui::Point to{from.x + in_.pick(64) - 32, from.y + in_.pick(64) - 32};
            if (in_.pick(2)) platform_.dragTo = to;
            clock_ += 1000;
            const int left = ui::mouse::kLeft;
            for (const ui::MouseInput& input : {ui::MouseInput::of(ui::MouseAction::Press, left, left, from, clock_),
                                                ui::MouseInput::of(ui::MouseAction::Move, 0, left, to, clock_),
                                                ui::MouseInput::of(ui::MouseAction::Release, left, 0, to, clock_)}) {
                if (exists(&w)) act([&] { platform_.input(w).mouseInput(input); });
            }
            break;
        }
        case Op::NativeClick:
            if (ui::Control* c = control(window(), true)) act([&] { platform_.input(c->window()).nativeClick(*c); });
            break;
        case Op::Type:
            if (ui::Control* c = control(window(), true); c && c->kind() == ui::ControlKind::TextBox) {
                std::string text = in_.typed();
                act([&] { platform_.input(c->window()).nativeTyping(static_cast<ui::TextBox&>(*c), std::move(text)); });
            }
            break;
        case Op::Close: {
            ui::Window& w = window();
            act([&] { platform_.input(w).closeRequest(); });
            break;
        }
        case Op::ReaderAction: {
            ui::Window& bar = app_->form1().window;
            const std::vector<ui::Control*> children = bar.accessibleChildren();
            ui::Control* c = from_(children, in_.byte());
            act([&] { platform_.input(bar).defaultAction(*c); });
            break;
        }
        case Op::Tray: {
            const auto e = static_cast<ui::TrayEvent>(in_.pick(9));
            act([&] { platform_.input(app_->form1().window).trayEvent(e, {1800, 1050}); });
            break;
        }
        case Op::Drop:
            drop();
            break;
        case Op::ChooseMenu: platform_.menuChoices.push_back(menuItem()); break;
        case Op::Answer: platform_.answers.push_back(in_.pick(2) ? ui::Answer::No : ui::Answer::Yes); break;
        case Op::WhileMessage:
            if (depth < 2) {
                const int count = in_.pick(4) + 1;
                platform_.whileMessageOpen.push_back([this, count, depth] {
                    for (int i = 0; i < count && !in_.done(); ++i) {
                        act([&] { event(depth + 1); });
                        checkAlways();
                    }
                });
            }
            break;
        case Op::FailWrites: store_.full = in_.pick(2) == 1; break;
        case Op::TargetGone: {
            const std::string path = from(session::kPaths, in_.byte());
            if (!shell_.missing.erase(path)) shell_.missing.insert(path);
            break;
        }
        case Op::Pick: {
            const int kind = in_.pick(4);
            const std::string path = from(session::kPaths, in_.byte());
            if (kind == 0) shell_.fileChoices.push_back(path);
            if (kind == 1) shell_.folderChoices.push_back(path);
            if (kind == 2) shell_.fileChoices.push_back(std::nullopt);
            if (kind == 3) shell_.fileDialogFailure = "ファイルを開く画面でエラーが起きました。";
            break;
        }
        case Op::Scale: {
            ui::Window& w = window();
            const int dpi = from(session::kDpis, in_.byte());
            act([&] { platform_.input(w).systemScaleChanged(dpi, w.pixelBounds()); });
            break;
        }
        case Op::TaskbarRestart:
            platform_.trayIcons.clear();
            platform_.trayAvailable = in_.pick(4) != 0;
            act([this] { platform_.input(app_->form1().window).taskbarCreated(); });
            break;
        case Op::ShellIconsChanged: act([this] { platform_.input(app_->form1().window).shellIconsChanged(); }); break;
        case Op::FirstPaint: act([this] { platform_.input(app_->form1().window).firstPainted(); }); break;
        case Op::ButtonDrag: buttonDrag(); break;
        case Op::TimerElapsed: act([this] { platform_.input(app_->form1().window).timerElapsed(); }); break;
        case Op::Key: {
            const auto key = static_cast<ui::Key>(in_.pick(static_cast<int>(ui::Key::Y) + 1));
            const int shift = in_.pick(8);
            const ui::KeyInput input{key, in_.pick(10), shift};
            ui::Window& bar = app_->form1().window;
            act([&] {
                if (key == ui::Key::Other) {
                    platform_.input(bar).systemActivated(shift % 2 == 1);
                } else {
                    platform_.input(bar).keyInput(input);
                }
            });
            break;
        }
        case Op::Hotkey: hotkey(); break;
        case Op::Count: break;
        }
    }

    void buttonDrag()
    {
        bar::Form1& bar = app_->form1();
        ui::Window& w = bar.window;
        const auto middle = [](const ui::Control& c) {
            const ui::Rect r = ui::deviceRect(c);
            return ui::Point{r.left + r.width / 2, r.top + r.height / 2};
        };
        const auto send = [&](ui::MouseAction action, int button, int held, ui::Point at) {
            if (!platform_.ended) act([&] { platform_.input(w).mouseInput(ui::MouseInput::of(action, button, held, at, clock_)); });
        };
        const int left = ui::mouse::kLeft;
        clock_ += 1000;
        ui::Point at = middle(bar.ShortCut[bar.shownGroup() * model::kSlotsPerGroup + in_.pick(10)]);
        send(ui::MouseAction::Press, left, left, at);
        for (int steps = in_.pick(4) + 1; steps > 0; --steps) {
            switch (in_.pick(3)) {
            case 0: at = middle(bar.ShortCut[bar.shownGroup() * model::kSlotsPerGroup + in_.pick(10)]); break;
            case 1: at = middle(bar.Conts[in_.pick(model::kGroupCount)]); break;
            default: at = {in_.pick(400), in_.pick(100)}; break;
            }
            send(ui::MouseAction::Move, 0, left, at);
            if (in_.pick(2) && platform_.timers.erase(&w) && !platform_.ended) {
                act([&] { platform_.input(w).timerElapsed(); });
            }
        }
        const int end = in_.pick(3);
        if (!platform_.ended && end == 1) act([&] { platform_.input(w).keyInput({ui::Key::Escape, 0, 0}); });
        if (!platform_.ended && end == 2) act([&] { platform_.input(w).systemCaptureLost(); });
        send(ui::MouseAction::Release, left, 0, at);
    }

    void hotkey()
    {
        static constexpr model::Hotkey kCombinations[] = {
            model::kDefaultHotkey, {}, {0x7B, model::hotkey::kCtrl | model::hotkey::kShift}, {'A', model::hotkey::kAlt}};
        const int what = in_.pick(3);
        if (what == 0) {
            platform_.pressHotkey(app_->settings().hotkey);
            return;
        }
        const model::Hotkey combination = from(kCombinations, in_.byte());
        if (what == 1) {
            if (dialogs::Form4::Controls* c = app_->form4().controls()) {
                act([&] { platform_.input(c->window).nativeHotkey(c->HotKey1, combination); });
            }
            return;
        }
        // What the bar holds no other program can take.
        auto& taken = platform_.takenHotkeys;
        if (std::erase(taken, combination) == 0 && !isHeld(combination)) taken.push_back(combination);
    }

    bool isHeld(const model::Hotkey& combination) const
    {
        const auto held = platform_.hotkeys.find(&app_->barWindow());
        return held != platform_.hotkeys.end() && held->second == combination;
    }

    void drop()
    {
        bar::Form1& bar = app_->form1();
        ui::Point at;
        if (in_.pick(4) != 0) {
            const ui::Rect r = ui::windowRect(bar.ShortCut[bar.shownGroup() * 10 + in_.pick(10)]);
            at = {r.left + r.width / 2, r.top + r.height / 2};
        } else {
            at = {in_.pick(380), in_.pick(80)};
        }
        ui::DropData data;
        if (const int count = in_.pick(4)) {
            data.files.emplace();
            for (int i = 0; i < count; ++i) data.files->push_back(from(session::kPaths, in_.byte()));
        }
        ui::WindowInput& input = platform_.input(bar.window);
        act([&] {
            if (input.dragEnter(at)) input.drop(at, data);
            else input.dragLeave();
        });
    }

    std::string menuItem()
    {
        static const char* const kItems[] = {"ExSet", "ExHen", "ExDel", "GrpHen", "MainDisp", "SetDsp", "VerInf", "EndApli"};
        const int n = in_.pick(10);
        if (n < 8) return kItems[n];
        const int slot = in_.pick(model::kSlotCount);
        return "f" + std::to_string(slot / 10 + 1) + "Ex(" + std::to_string(slot) + ")";
    }

    // What must hold even inside a message box's loop.
    void checkAlways()
    {
        require(platform_.touchedAfterUnload.empty(), "no control of an unloaded window is touched");
        std::map<std::string, int> shown;
        for (const ui::Window* w : platform_.windows()) {
            if (w->visible() && !w->unloaded()) require(++shown[w->name()] == 1, "no window is open twice");
        }
    }

    // And what must hold between events.
    void check()
    {
        checkAlways();
        if (platform_.ended || !app_) return;
        const bar::Form1& bar = app_->form1();
        require(bar.window.enabled() == (app_->openDialog() == nullptr),
                "the bar is disabled exactly while a registration or rename dialog is open");
        require(bar.window.takesInput() == bar.window.enabled(), "no message box is left open");
        for (int s = 0; s < model::kSlotCount; ++s) {
            require(app_->form2().fEx(s).caption == bar.List1.list(s), "the tray menu lists every slot's name");
        }
        const model::AnsiCodec& codec = platform_.codec();
        const model::ShortcutTable& table = shortcuts_.of(store_.files[kData + "Shtct.qdf"], codec);
        for (int s = 0; s < model::kSlotCount; ++s) {
            const model::Slot& stored = table[static_cast<std::size_t>(s)];
            require(stored.name == bar.List1.list(s) && stored.path == bar.List2.list(s),
                    "Shtct.qdf holds the table the program shows");
        }
        const model::GroupNames& groups = groups_.of(store_.files[kData + "group.qdf"], codec);
        for (int g = 0; g < model::kGroupCount; ++g) {
            require(groups[static_cast<std::size_t>(g)] == bar.List3.list(g), "group.qdf holds the group names");
        }
        // The bar holds the hotkey the settings hold, unless the system said
        // why not, and the settings dialog says so.
        const model::Hotkey& wanted = app_->settings().hotkey;
        const bool working = app_->hotkeyResult() == ui::HotkeyResult::Ok;
        require(isHeld(wanted) == (working && !wanted.off()) && (isHeld(wanted) || platform_.hotkeys.empty()),
                "the bar holds the hotkey the settings hold");
        if (const dialogs::Form4::Controls* c = app_->form4().controls()) {
            require(c->Label4.caption().empty() == working, "the settings dialog says whether the hotkey works");
        }
        // A refused write of the settings was told to the user, and the
        // next change writes them again; otherwise the file holds what the
        // program goes by.
        if (!store_.refused[kData + "apst.qdf"]) {
            const auto& saved = settings_.of(store_.files[kData + "apst.qdf"], codec).values;
            require(saved == app_->settings(), "apst.qdf holds the settings");
        }
    }

    static inline const std::string kData = "/noctaris/Data/";

    // A file is parsed again only when its bytes changed: parsing all three
    // after every event was a large part of a session's time.
    template <auto Parse>
    struct Parsed {
        using Result = decltype(Parse(std::string_view(), std::declval<const model::AnsiCodec&>()));
        const Result& of(const std::string& bytes, const model::AnsiCodec& codec)
        {
            if (!result || bytes != last) {
                result = Parse(bytes, codec);
                last = bytes;
            }
            return *result;
        }
        std::string last;
        std::optional<Result> result;
    };
    Parsed<model::parseShortcuts> shortcuts_;
    Parsed<model::parseGroups> groups_;
    Parsed<model::parseSettings> settings_;

    Bytes& in_;
    MemoryStore store_;
    headless::Platform platform_{"/noctaris", store_};
    headless::Shell shell_{platform_};
    std::unique_ptr<app::Noctaris> app_;
    unsigned clock_ = 10000;
};

}  // namespace

// Sessions allocate freely; a small quarantine still spans many of them.
// Allocation stacks kept short: recording thirty frames for every
// allocation was a good part of the time.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32:malloc_context_size=8"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    Session(in).run();
    return 0;
}
