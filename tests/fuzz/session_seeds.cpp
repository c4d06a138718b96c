// Writes the unit tests' scenarios as sessions for the session fuzz target,
// one file each, into the folder given:  session_seeds <folder>
// The events inside a message box are read when the box opens: they follow
// the event that opens it.
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "session_events.h"

namespace {

using session::Op;

// The indexes of kSettingValues for "1,1,2,0,0,0,0" and "1,1,1,0,0,0,0".
constexpr int kShownBar[] = {2, 2, 3, 1, 1, 1, 1};
constexpr int kHidingBar[] = {2, 2, 2, 1, 1, 1, 1};

enum Button { Left = 0, Right = 1 };
enum Menu { ExSet = 0, ExHen = 1, ExDel = 2, GrpHen = 3, MainDisp = 4, TraySlot = 8 };

class Writer {
public:
    // The bar with slot 3 holding kPaths[0] and slot 4 kPaths[1].
    explicit Writer(const int (&settings)[7] = kShownBar)
    {
        bytes_.push_back(0);
        for (int v : settings) bytes_.push_back(static_cast<char>(v));
        bytes_ += {0, 2, 3, 0, 0, 4, 2, 1, static_cast<char>(255)};
    }
    Writer& op(Op o)
    {
        bytes_.push_back(static_cast<char>(o));
        return *this;
    }
    Writer& byte(int b)
    {
        bytes_.push_back(static_cast<char>(b));
        return *this;
    }
    Writer& name(const std::string& text)
    {
        byte(static_cast<int>(text.size()));
        bytes_ += text;
        return *this;
    }
    Writer& click(int window, const std::string& control, Button button = Left)
    {
        return op(Op::Click).byte(window).name(control).byte(button);
    }
    Writer& native(int window, const std::string& control) { return op(Op::NativeClick).byte(window).name(control); }
    Writer& menu(Menu item) { return op(Op::ChooseMenu).byte(item); }
    // Three characters of one kind (see Bytes::typed).
    Writer& type(int window, const std::string& control, int kind)
    {
        op(Op::Type).byte(window).name(control).byte(3);
        for (int i = 0; i < 3; ++i) byte(0x21 + i).byte(kind);
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

std::vector<Writer> scenarios()
{
    std::vector<Writer> all;
    // Register through the menu and the file picker.
    all.push_back(Writer().menu(ExSet).click(0, "ShortCut(5)", Right).op(Op::Pick).byte(0).byte(0)
                      .native(1, "Command1").native(1, "Command2"));
    // Change a name, with text the file cannot hold, then a plain one.
    all.push_back(Writer().menu(ExHen).click(0, "ShortCut(3)", Right).type(1, "Text1", 4).native(1, "Command2")
                      .type(1, "Text1", 2).native(1, "Command2"));
    // Delete, answered yes.
    all.push_back(Writer().op(Op::Answer).byte(0).menu(ExDel).click(0, "ShortCut(3)", Right));
    // Drop on a registered button, confirm; and a second drop during the question.
    all.push_back(Writer().op(Op::Answer).byte(0).op(Op::Drop).byte(1).byte(3).byte(1).byte(1)
                      .native(1, "Command2"));
    all.push_back(Writer().op(Op::Answer).byte(1).op(Op::WhileMessage).byte(0).op(Op::Drop).byte(1).byte(3).byte(1)
                      .byte(0).op(Op::Drop).byte(1).byte(5).byte(1).byte(2));
    // Rename a group.
    all.push_back(Writer().op(Op::Hover).byte(0).name("Conts(2)").byte(11).byte(3).menu(GrpHen)
                      .click(0, "Conts(2)", Right).type(1, "Text1", 3).native(1, "Command1"));
    // The settings: every control, the bar's own switches, the close picture.
    all.push_back(Writer().click(0, "Picture2").native(1, "Op4").native(1, "StlT").native(1, "Check1")
                      .native(1, "Check2").click(0, "FormStyleHen").click(0, "Picture5").native(1, "StlY")
                      .click(1, "Image1"));
    // The settings closed inside their own message about a refused write.
    all.push_back(Writer().click(0, "Picture2").op(Op::FailWrites).byte(1).op(Op::WhileMessage).byte(1)
                      .native(1, "Op4").click(1, "Image1").native(1, "Check1"));
    // The product window closed inside a message of the bar's.
    all.push_back(Writer().op(Op::TargetGone).byte(1).click(0, "Picture3").op(Op::WhileMessage).byte(1)
                      .click(0, "ShortCut(4)").op(Op::Close).byte(1).op(Op::Hover).byte(1).name("Btn1a").byte(20)
                      .byte(8));
    // A tray launch that parks the bar, then the settings, then the bar back.
    all.push_back(Writer(kHidingBar).menu(TraySlot).byte(3).op(Op::Tray).byte(0).click(0, "Picture2")
                      .menu(MainDisp).op(Op::Tray).byte(0));
    // A screen reader on the bar disabled for the registration dialog.
    all.push_back(Writer().menu(ExSet).click(0, "ShortCut(7)", Right).op(Op::ReaderAction).byte(3)
                      .op(Op::ReaderAction).byte(13).op(Op::Tray).byte(0).op(Op::Close).byte(1));
    // Park in the tray, double clicks, a drag, a scale change, a taskbar restart.
    all.push_back(Writer().click(0, "Picture1").op(Op::DoubleClick).byte(0).name("ShortCut(3)")
                      .op(Op::BackgroundDrag).byte(0).byte(10).byte(10).byte(40).byte(40).byte(1).op(Op::Scale).byte(0)
                      .byte(2).op(Op::TaskbarRestart).byte(1).op(Op::FirstPaint).op(Op::ShellIconsChanged)
                      .click(0, "Conts(0)"));
    // The keyboard: arrive, move, launch, switch groups, the menu key, F2.
    Writer keys;
    keys.op(Op::Key).byte(0).byte(1).byte(0);
    for (int i = 0; i < 3; ++i) keys.op(Op::Key).byte(2).byte(0).byte(0);
    keys.op(Op::Key).byte(6).byte(0).byte(0).menu(ExHen).op(Op::Key).byte(9).byte(0).byte(0).native(1, "Command3")
        .op(Op::Key).byte(10).byte(2).byte(3).op(Op::Key).byte(5).byte(2).byte(0);
    for (int i = 0; i < 10; ++i) keys.op(Op::Key).byte(5).byte(0).byte(0);
    all.push_back(keys.op(Op::Key).byte(8).byte(0).byte(0));
    // Moves: onto an empty button, through a tab held a moment into another
    // group, one cancelled by Esc; Alt with an arrow; then undo and redo.
    constexpr int kEsc = 1, kZ = 12, kY = 13, kRight = 2, kCtrl = 2, kAlt = 4;
    Writer moves;
    moves.op(Op::ButtonDrag).byte(3).byte(0).byte(0).byte(7).byte(0).byte(0)
        .op(Op::ButtonDrag).byte(4).byte(1).byte(1).byte(2).byte(1).byte(0).byte(5).byte(0).byte(0)
        .op(Op::ButtonDrag).byte(7).byte(0).byte(0).byte(9).byte(0).byte(kEsc)
        .op(Op::Key).byte(0).byte(1).byte(0).op(Op::Key).byte(kRight).byte(kAlt).byte(0);
    for (int i = 0; i < 3; ++i) moves.op(Op::Key).byte(kZ).byte(kCtrl).byte(0);
    all.push_back(moves.op(Op::Key).byte(kY).byte(kCtrl).byte(0).op(Op::FailWrites).byte(1).op(Op::Key).byte(kZ)
                      .byte(kCtrl).byte(0));
    // The hotkey: up, back into the tray, up; a new combination in the
    // settings, the old one taken by another program and chosen again, the box emptied.
    all.push_back(Writer().op(Op::Hotkey).byte(0).op(Op::Hotkey).byte(0).op(Op::Hotkey).byte(0)
                      .click(0, "Picture2").op(Op::Hotkey).byte(1).byte(2).op(Op::Hotkey).byte(0)
                      .op(Op::Hotkey).byte(2).byte(0).op(Op::Hotkey).byte(1).byte(0).op(Op::Hotkey).byte(1).byte(1)
                      .op(Op::Hotkey).byte(0));
    return all;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    int n = 0;
    for (const Writer& scenario : scenarios()) {
        const std::string path = std::string(argv[1]) + "/scenario-" + std::to_string(++n);
        std::ofstream(path, std::ios::binary) << scenario.bytes();
    }
    return 0;
}
