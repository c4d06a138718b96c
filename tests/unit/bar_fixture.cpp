#include "bar_fixture.h"

#include <algorithm>

#include "posix/iconv_codec.h"
#include "ui/hit_test.h"

namespace testing_support {

BarTest::BarTest() : slotLines_(100, "\"\",\"\"") { std::filesystem::create_directories(dataPath()); }

BarTest::~BarTest()
{
    shell.releaseAll();
    platform.settle();
}

void BarTest::writeData(const std::string& name, const std::string& utf8)
{
    const auto bytes = posix::IconvCodec().encode(utf8);
    ASSERT_TRUE(bytes) << utf8;
    writeFile(dataPath() / name, *bytes);
}

std::string BarTest::readData(const std::string& name) const
{
    const auto text = posix::IconvCodec().decode(readFile(dataPath() / name));
    return text ? *text : std::string("<not code page 932>");
}

std::string Settings::file() const
{
    std::string line;
    for (const int value : {KidoA, SKidoA, SexeA, WindTop, FormStyle, SctName, FomMov}) {
        line += (line.empty() ? "" : ",") + std::to_string(value);
    }
    return line + "\r\n";
}

void BarTest::installDefaults(const Settings& settings, const std::string& position)
{
    writeData("fank.qdf", position + "\r\n");
    writeData("apst.qdf", settings.file());
    std::string groups;
    for (int g = 1; g <= 10; ++g) groups += "\"グループ" + std::to_string(g) + "\"\r\n";
    writeData("group.qdf", groups);
    std::string table;
    for (const auto& line : slotLines_) table += line + "\r\n";
    writeData("Shtct.qdf", table);
}

void BarTest::registerSlot(int slot, const std::string& name, const std::string& path)
{
    slotLines_[static_cast<std::size_t>(slot)] = "\"" + name + "\",\"" + path + "\"";
}

std::string BarTest::shortcutsWith(const std::map<int, std::string>& lines) const
{
    std::string table;
    for (int slot = 0; slot < 100; ++slot) {
        const auto changed = lines.find(slot);
        table += (changed != lines.end() ? changed->second : slotLines_[static_cast<std::size_t>(slot)]) + "\r\n";
    }
    return table;
}

void BarTest::start()
{
    app = std::make_unique<app::Noctaris>(platform, shell, platform.files, platform.codec());
    act([this] { app->start(); });
}

void BarTest::send(ui::Control& control, ui::MouseInput input, float x, float y)
{
    const ui::Rect r = ui::deviceRect(control);
    const int dpi = control.window().scale().dpi;
    input.point = {r.left + ui::roundHalfEven(x * dpi / ui::Scale::kDesignDpi),
                   r.top + ui::roundHalfEven(y * dpi / ui::Scale::kDesignDpi)};
    input.timeMs = clock_;
    ui::Window& window = control.window();
    const auto receiver = [&]() -> const ui::Control* {
        const auto owner = window.mouseOwner();
        return owner ? *owner : ui::controlAt(window, input.point, ui::HitFor::Mouse);
    };
    // A pointer moving over from a control that tracks the hover passes that
    // control first, which lets go of the mouse once the pointer is outside.
    if (input.action == ui::MouseAction::Move && receiver() != &control && window.mouseOwner()) {
        act([&] { platform.input(window).mouseInput(input); });
    }
    if (receiver() != &control) {
        ADD_FAILURE() << "the mouse meant for " << control.name() << " lands on "
                      << (receiver() ? receiver()->name() : window.name() + "'s background");
    }
    act([&] { platform.input(window).mouseInput(input); });
}

void BarTest::press(ui::Control& control, int button, float x, float y)
{
    send(control, ui::MouseInput::of(ui::MouseAction::Press, button, button), x, y);
}

void BarTest::release(ui::Control& control, int button, float x, float y)
{
    send(control, ui::MouseInput::of(ui::MouseAction::Release, button, 0), x, y);
}

void BarTest::click(ui::Control& control, int button, float x, float y)
{
    clock_ += 1000;
    press(control, button, x, y);
    release(control, button, x, y);
}

void BarTest::doubleClick(ui::Control& control)
{
    click(control);
    clock_ += 100;
    press(control, ui::mouse::kLeft);
    release(control, ui::mouse::kLeft);
}

void BarTest::hover(ui::Control& control, float x, float y, int held)
{
    send(control, ui::MouseInput::of(ui::MouseAction::Move, 0, held), x, y);
}

void BarTest::mouseOnWindow(ui::Window& window, ui::MouseAction action, int button, int held, ui::Point at)
{
    clock_ += 1000;
    act([&] { platform.input(window).mouseInput(ui::MouseInput::of(action, button, held, at, clock_)); });
}

void BarTest::tray(ui::TrayEvent event, ui::Point anchor)
{
    act([&] { platform.input(form1().window).trayEvent(event, anchor); });
}

void BarTest::chooseFromMenu(ui::Control& control, const std::string& command)
{
    platform.menuChoices.push_back(command);
    click(control, ui::mouse::kRight);
}

void BarTest::push(ui::CommandButton& button)
{
    act([&] { platform.input(button.window()).nativeClick(button); });
}

::testing::AssertionResult BarTest::logHasInOrder(const std::vector<std::string>& events) const
{
    auto at = platform.log.begin();
    for (const auto& event : events) {
        at = std::find(at, platform.log.end(), event);
        if (at == platform.log.end()) {
            std::string all;
            for (const auto& e : platform.log) all += "\n  " + e;
            return ::testing::AssertionFailure() << "missing, or out of order: \"" << event << "\"; the log:" << all;
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

bool BarTest::logHas(const std::string& event) const
{
    return std::find(platform.log.begin(), platform.log.end(), event) != platform.log.end();
}

std::size_t BarTest::count(const std::string& event) const
{
    return static_cast<std::size_t>(std::count(platform.log.begin(), platform.log.end(), event));
}

}  // namespace testing_support
