#pragma once

#include <gtest/gtest.h>

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

// The program on the headless backend, in a fresh program folder whose Data
// folder a test fills before starting it.
class BarTest : public ::testing::Test {
protected:
    BarTest();

    std::filesystem::path dataPath() const { return program.path() / "Data"; }
    // Writes a data file from UTF-8 text, converted to code page 932.
    void writeData(const std::string& name, const std::string& utf8);
    std::string readData(const std::string& name) const;
    // The files of a first installation, with the given settings line and position.
    void installDefaults(const std::string& settings = "1,1,2,0,0,0,0", const std::string& position = "1500,900");
    void registerSlot(int slot, const std::string& name, const std::string& path);

    void start();

    // The user's mouse on a control, as the backend delivers it: a press
    // and a release; a double click is press, release, double click, release.
    static void click(ui::Control& control, int button = ui::mouse::kLeft, float x = 5, float y = 5);
    static void doubleClick(ui::Control& control);
    static void hover(ui::Control& control, float x, float y, int held = 0);

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
    std::vector<std::string> slotLines_;
};

}  // namespace testing_support
