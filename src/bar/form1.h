#pragma once

#include <cstdint>

#include "bar/bar_layout.h"
#include "model/launcher_data.h"
#include "model/list_table.h"
#include "model/variant.h"
#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace bar {

// The bar: a skinned window without a title bar holding the ten group
// panels of ten shortcut buttons, the group tabs, the toolbar and the info
// line. It owns the launcher tables and the tray icon.
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
    void DrawSctFace(int slot);
    // Adds the tray icon; false when the shell refused it.
    bool TrayIn();

    // Makes slot n current in the name and path tables.
    void selectSlot(int slot);
    void Text1_Change();

    // The launcher tables: names and paths by slot, group names by group.
    model::ListTable List1;
    model::ListTable List2;
    model::ListTable List3;

    std::int16_t FormStyle = 0;
    std::int16_t SctName = 0;
    std::int16_t FomMov = 0;
    model::Variant Kido;      // start-up mode as read at start-up
    model::Variant WindTopA;  // topmost setting as read at start-up
    model::Variant ShIn;      // the slot or group last touched by the mouse
    model::Variant GrNO;      // the group tab last pressed
    long lngRetValue = 0;

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
    void layOut(const BarLayout& layout);
    bool readStartUpFiles();
    void keepOnScreen();
    void placeTopmost(ui::InsertAfter after);
    void showFixButton();

    app::Noctaris& app_;
    bool trayIconShown_ = false;
};

}  // namespace bar
