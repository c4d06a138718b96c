#include "bar_fixture.h"

#include <algorithm>

#include "posix/iconv_codec.h"

namespace testing_support {

BarTest::BarTest() : slotLines_(100, "\"\",\"\"") { std::filesystem::create_directories(dataPath()); }

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

void BarTest::installDefaults(const std::string& settings, const std::string& position)
{
    writeData("fank.qdf", position + "\r\n");
    writeData("apst.qdf", settings + "\r\n");
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

void BarTest::start()
{
    app = std::make_unique<app::Noctaris>(platform, shell);
    app->start();
}

void BarTest::click(ui::Control& control, int button, float x, float y)
{
    const ui::MouseEvent e{button, 0, x, y};
    if (control.onMouseDown) control.onMouseDown(e);
    if (control.onMouseUp) control.onMouseUp(e);
}

void BarTest::doubleClick(ui::Control& control)
{
    const ui::MouseEvent e{ui::mouse::kLeft, 0, 5, 5};
    click(control);
    if (control.onDblClick) control.onDblClick();
    if (control.onMouseUp) control.onMouseUp(e);
}

void BarTest::hover(ui::Control& control, float x, float y, int held)
{
    if (control.onMouseMove) control.onMouseMove(ui::MouseEvent{held, 0, x, y});
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
