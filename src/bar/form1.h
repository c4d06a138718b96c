#pragma once

#include <chrono>
#include <optional>
#include <cstdint>
#include <set>
#include <string>

#include "bar/bar_layout.h"
#include "model/launcher.h"
#include "shell/shell_api.h"
#include "model/variant.h"
#include "ui/control.h"
#include "ui/tray_icon.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace bar {

// The bar: a skinned window without a title bar holding the ten group
// panels of ten shortcut buttons, the group tabs, the toolbar and the info
// line. It shows the launcher tables, which the program keeps, and owns the
// tray icon.
class Form1 {
public:
    explicit Form1(app::Noctaris& app);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Runs the start-up: refuses a second copy, reads the data files, lays
    // the bar out and shows it or leaves it in the tray.
    void Form_Load();
    // Removes the tray icon and ends the program; nothing is written.
    void Form_Unload();

    void YokoForm();
    void TateForm();
    // Adds the tray icon; false when the shell refused it.
    bool TrayIn();
    // On top of other windows or among them, without activating, moving or
    // resizing the bar.
    void placeTopmost(bool topmost);
    // Hides the bar in the tray (TaskOn 1); false without a tray icon to
    // bring it back.
    bool parkInTray();

    // Shortcut buttons and launching.
    void ShortCut_MouseDown(int index, int button, int shift, float x, float y);
    void ShortCut_MouseMove(int index, int button, int shift, float x, float y);
    void ShortCut_MouseUp(int index, int button, int shift, float x, float y);
    void ShortCut_DblClick(int index);
    // Launches the current slot as the settings say, with the user's rights
    // or an administrator's.
    void SctExec(shell::Rights rights = shell::Rights::User);
    // Hands the current slot's target to the shell; when the shell could not
    // open it, the user is told and the bar comes back.
    void SctOpen(shell::Rights rights);
    void DrawSctFace(int slot);
    // The icon of a target has arrived or changed: the faces showing it are drawn again.
    void iconChanged(const std::string& path);
    // A slot whose entry changed: its face drawn again; an emptied slot gets
    // the empty-slot picture alone, whatever was drawn on it.
    void showSlot(int slot);
    // A group's new name, for screen readers (the tooltip reads it on hover).
    void showGroupName(int group);
    // Every button's name over whatever it shows; the faces of a group drawn again.
    void drawNamesOnButtons();
    // Waits for the group's icons for the budget at most (the start-up's
    // first faces); the others show as looked up when they come.
    void redrawGroup(int group, std::chrono::milliseconds budget = {});
    // Makes slot n current in the name and path tables.
    void selectSlot(int slot);
    // A drop on button n: hands the dropped path to the registration dialog.
    void ShortCut_OLEDragDrop(int index, const ui::DropData& data);

    // Group tabs.
    void Conts_MouseDown(int index, int button, int shift, float x, float y);
    void Conts_MouseMove(int index, int button, int shift, float x, float y);
    void Conts_MouseUp(int index, int button, int shift, float x, float y);

    // Moving buttons: a registered button dragged beyond the system's drag
    // distance lands on the button it is released on, changing places with
    // what is there; held over a tab a moment, the drag shows that group.
    // Alt with the arrows moves the keyboard's button one place.
    // False when the file could not be written: nothing moved.
    bool moveButton(int from, int to);

    // Taking back the last change of the tables (Ctrl+Z), or making it again (Ctrl+Y).
    void undoChange();
    void redoChange();

    // The keyboard, when the bar is the active window.
    void Form_KeyDown(const ui::KeyInput& key);
    void Form_Activate();
    // The hotkey, pressed anywhere: it brings the bar up, or parks it when
    // it is the window the user works in.
    void Form_Hotkey();

    // Toolbar, tray and window behaviour.
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture2_MouseMove(int button, int shift, float x, float y);
    void Picture3_MouseMove(int button, int shift, float x, float y);
    void Picture4_MouseMove(int button, int shift, float x, float y);
    void Picture5_MouseMove(int button, int shift, float x, float y);
    void Picture6_MouseMove(int button, int shift, float x, float y);
    void FormStyleHen_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture2_MouseUp(int button, int shift, float x, float y);
    void Picture3_MouseUp(int button, int shift, float x, float y);
    void Picture4_MouseUp(int button, int shift, float x, float y);
    void Picture5_MouseUp(int button, int shift, float x, float y);
    void Picture6_MouseUp(int button, int shift, float x, float y);
    void FormStyleHen_MouseUp(int button, int shift, float x, float y);
    void Form_MouseMove(int button, int shift, float x, float y);
    void TrayIcon_MouseEvent(ui::TrayEvent event, ui::Point anchor);
    void Text1_Change();

    // The launcher tables: names and paths by slot, group names by group.
    model::ListTable& List1;
    model::ListTable& List2;
    model::ListTable& List3;

    // The bar's own settings, kept with the other four by the program.
    std::int16_t& FormStyle;
    std::int16_t& SctName;
    std::int16_t& FomMov;
    model::Variant& ShIn;  // the slot or group last touched by the mouse
    model::Variant& GrNO;  // the group tab last pressed
    // The group on the buttons: the tab last left-clicked, which GrNO need not be.
    int shownGroup() const { return shownGroup_; }

    ui::Window window;
    ui::ControlArray<ui::PictureBox> Grp;
    ui::ControlArray<ui::PictureBox> ShortCut;
    ui::ControlArray<ui::PictureBox> Conts;
    ui::PictureBox Picture1;  // park in the tray
    ui::PictureBox Picture2;  // settings
    ui::PictureBox Picture3;  // product information
    ui::PictureBox Picture4;  // exit
    ui::PictureBox Picture5;  // topmost
    ui::PictureBox Picture6;  // fixed or movable
    ui::PictureBox FormStyleHen;
    ui::Label Label1;
    ui::TextBox Text1;

private:
    void wireEvents();
    // Roles, names and default actions for screen readers.
    void describeForScreenReaders();
    void nameTopmostSwitch();
    void layOut(const BarLayout& layout);
    bool readStartUpFiles();
    void keepOnScreen();
    void showFixButton();
    // The mouse touched slot n: it becomes ShIn and the current slot.
    void touchSlot(int slot);
    static bool asAdministrator(int shift);
    // What a screen reader hears of button n: the slot's name and target.
    void describeSlot(int slot);
    void switchToGroup(int group);
    void openShortcutMenu(std::optional<ui::Point> at);
    void openGroupMenu(int group, std::optional<ui::Point> at);
    // The keyboard's way through the bar: the shown group's buttons, the
    // tabs, the tools.
    std::vector<ui::Control*> keyboardElements();
    // The slot of a button of the shown group, the group of a tab; -1 else.
    int slotOf(const ui::Control& control) const;
    int groupOf(const ui::Control& control) const;
    void moveKeyboardFocus(ui::Control& from, int step, bool withinItsKind);
    // Where the keyboard starts: the button last used, if its group is
    // shown, else the shown group's first.
    ui::PictureBox& startingButton();
    // Where a menu opened from the keyboard goes: below the element.
    ui::Point belowOf(const ui::Control& control) const;
    // Draws the faces of the group on screen again, with fresh icons.
    void redrawShownGroup() { redrawGroup(shownGroup_); }
    // Looks up the icons of the groups not on screen in the background, so
    // that their first showing is as quick as showing them again.
    void prefetchIcons();
    // In the horizontal bar, the tool's hover text goes into the info line
    // while the pointer is over the tool (a null text leaves the line as it
    // is), and the line is cleared when the pointer leaves.
    void hoverTool(ui::PictureBox& tool, const char* text, float x, float y);
    // The mouse's part in moving a button; true when the event was the drag's.
    bool dragButton(int index, int held, float x, float y);
    bool dropButton(int index, float x, float y);
    void dragOverTab();
    void cancelDrag();
    void endDrag();
    // The left button is down on a button being moved, or whose move was cancelled.
    bool moveUnderWay() const { return drag_ && (drag_->moving || drag_->cancelled); }
    // A point given in a control's own pixels, in the client area's device pixels.
    ui::Point devicePoint(const ui::Control& control, float x, float y) const;
    // The button of the shown group a move from the source would land on there; -1 for none.
    int landingSlot(int source, ui::Point at);
    // Alt with an arrow: the button changes places with its neighbour.
    void moveByKeyboard(int slot, int step);
    // Whether the tray icon is there to bring a hidden bar back.
    bool trayIconReady();
    void savePosition();

    app::Noctaris& app_;
    model::Launcher& launcher_;
    ui::TrayIcon trayIcon_;
    int shownGroup_ = 0;
    int lastUsed_ = 0;  // the button last clicked or pressed, where the keyboard starts
    // A press on a registered button that may become its move, until the
    // left button is released. Cancelled: by Esc, or the capture lost; the
    // release then does nothing.
    struct ButtonDrag {
        int source = 0;
        ui::Point press;  // in the window's client area, device pixels
        bool moving = false;
        bool cancelled = false;
        int tab = -1;  // the tab the pointer is over while moving
    };
    std::optional<ButtonDrag> drag_;
    // Faces drawn while their icons were still being looked up.
    std::set<int> waitingFaces_;
    model::WindowPosition savedPosition_;
};

}  // namespace bar
