#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/form4.h"
#include "headless/platform.h"
#include "headless/shell.h"
#include "menus/form2.h"
#include "test_files.h"

namespace testing_support {

// apst.qdf's seven values by their names, as a first installation has them
// unless a test says otherwise.
struct Settings {
    int KidoA = 1;
    int SKidoA = 1;
    int SexeA = 2;
    int WindTop = 0;
    int FormStyle = 0;
    int SctName = 0;
    int FomMov = 0;
    // The file as the program writes it.
    std::string file() const;
};

// The program on the headless backend, in a fresh program folder whose Data
// folder a test fills before starting it.
class BarTest : public ::testing::Test {
protected:
    BarTest();
    // What the shell still holds is let go, and the background work ends
    // while the program's objects still exist.
    ~BarTest() override;

    std::filesystem::path dataPath() const { return program.path() / "Data"; }
    // Writes a data file from UTF-8 text, converted to code page 932.
    void writeData(const std::string& name, const std::string& utf8);
    std::string readData(const std::string& name) const;
    // The files of a first installation, with the given settings line and position.
    void installDefaults(const Settings& settings = {}, const std::string& position = "1500,900");
    void registerSlot(int slot, const std::string& name, const std::string& path);
    // Shtct.qdf as installed, with these slots' lines ("\"name\",\"path\"") in place of theirs.
    std::string shortcutsWith(const std::map<int, std::string>& lines) const;

    void start();

    // Runs what the user does as one system event.
    template <typename Action>
    void act(Action&& action)
    {
        platform.event(std::forward<Action>(action));
    }

    // The user's mouse on a control at (x, y) within it, routed through its
    // window as the backend reports it. It fails the test when the event
    // would land on something else. Separate clicks are a second apart; a
    // double click is two clicks in quick succession.
    void click(ui::Control& control, int button = ui::mouse::kLeft, float x = 5, float y = 5);
    void doubleClick(ui::Control& control);
    void hover(ui::Control& control, float x, float y, int held = 0);
    void press(ui::Control& control, int button, float x = 5, float y = 5);
    void release(ui::Control& control, int button, float x = 5, float y = 5);
    // The mouse on a window's own background, at a point of its client area.
    void mouseOnWindow(ui::Window& window, ui::MouseAction action, int button, int held, ui::Point at);
    // An event on the bar's tray icon, whose anchor is here on the screen.
    void tray(ui::TrayEvent event, ui::Point anchor = {1800, 1050});
    // Chooses a command of the menu that a right click on the control opens.
    void chooseFromMenu(ui::Control& control, const std::string& command);
    // A click on a native button, as its window reports it.
    void push(ui::CommandButton& button);

    bar::Form1& form1() { return app->form1(); }
    menus::Form2& form2() { return app->form2(); }
    dialogs::Form4& form4() { return app->form4(); }

    // Whether the log holds these events in this order, others between them allowed.
    ::testing::AssertionResult logHasInOrder(const std::vector<std::string>& events) const;
    bool logHas(const std::string& event) const;
    std::size_t count(const std::string& event) const;

    TempFolder program;
    headless::Platform platform{program.path().string()};
    headless::Shell shell{platform};
    std::unique_ptr<app::Noctaris> app;

private:
    void send(ui::Control& control, ui::MouseInput input, float x, float y);

    std::vector<std::string> slotLines_;
    unsigned clock_ = 10000;
};

}  // namespace testing_support
