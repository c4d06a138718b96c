#include "app/noctaris.h"
#include "bar/form1.h"
#include "bar/tool_texts.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "menus/form2.h"
#include "shell/hover_check.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace bar {

void Form1::hoverTool(ui::PictureBox& tool, const char* text, float x, float y)
{
    if (FormStyle != 0) return;
    if (shell::HoverCheck(app_.platform(), tool, ui::roundHalfEven(x), ui::roundHalfEven(y))) {
        if (text) Text1.setText(text);
    } else {
        Text1.setText("");
    }
}

void Form1::Picture1_MouseMove(int, int, float x, float y) { hoverTool(Picture1, tool_text::kTray, x, y); }
void Form1::Picture2_MouseMove(int, int, float x, float y) { hoverTool(Picture2, tool_text::kSettings, x, y); }
void Form1::Picture3_MouseMove(int, int, float x, float y) { hoverTool(Picture3, tool_text::kInfo, x, y); }
void Form1::Picture4_MouseMove(int, int, float x, float y) { hoverTool(Picture4, tool_text::kExit, x, y); }

// Hover texts show on the horizontal bar only, where this switch leads to the vertical one.
void Form1::FormStyleHen_MouseMove(int, int, float x, float y)
{
    hoverTool(FormStyleHen, kHorizontal.styleToolTip, x, y);
}

void Form1::Picture5_MouseMove(int, int, float x, float y)
{
    const model::Variant& topmost = app_.settings().WindTop;
    const char* text = topmost == 1 ? tool_text::kNotTopmost : topmost == 0 ? tool_text::kTopmost : nullptr;
    hoverTool(Picture5, text, x, y);
    if (text) Picture5.setToolTip(text);
}

void Form1::Picture6_MouseMove(int, int, float x, float y)
{
    hoverTool(Picture6, FomMov == 0 ? tool_text::kFix : FomMov == 1 ? tool_text::kUnfix : nullptr, x, y);
}

void Form1::Picture1_MouseUp(int, int, float, float)
{
    if (!parkInTray()) {
        app_.msgBox("タスクトレイにアイコンを置けないため、格納できません。", ui::message_box::kExclamation);
        return;
    }
    Text1.setText("");
}

// A bar hidden without a tray icon could never be brought back.
bool Form1::parkInTray()
{
    if (!trayIconReady()) return false;
    window.hide();
    launcher_.TaskOn = 1;
    return true;
}

void Form1::Picture2_MouseUp(int, int, float, float) { app_.form4().Show(); }

void Form1::Picture3_MouseUp(int, int, float, float) { app_.seihin().Show(); }

void Form1::Picture4_MouseUp(int, int, float, float) { Form_Unload(); }

void Form1::Picture5_MouseUp(int, int, float, float)
{
    model::Variant& topmost = app_.settings().WindTop;
    if (topmost == 1) {
        placeTopmost(false);
        topmost = model::Variant::number(0);
    } else if (topmost == 0) {
        placeTopmost(true);
        topmost = model::Variant::number(1);
    }
    nameTopmostSwitch();
    app_.form4().SetSave();
    app_.settingsChanged();
}

void Form1::Picture6_MouseUp(int, int, float, float)
{
    if (FomMov == 0) {
        FomMov = 1;
    } else if (FomMov == 1) {
        FomMov = 0;
    }
    showFixButton();
    app_.form4().SetSave();
}

void Form1::FormStyleHen_MouseUp(int, int, float, float)
{
    if (FormStyle == 0) {
        TateForm();
        FormStyle = 1;
    } else if (FormStyle == 1) {
        YokoForm();
        FormStyle = 0;
    }
    app_.form4().SetSave();
    app_.settingsChanged();
}

void Form1::Form_MouseMove(int button, int, float, float)
{
    if (FomMov == 0 && (button & ui::mouse::kLeft)) window.moveBySystem();
    savePosition();
    Text1.setText("");
}

// The position file follows the bar as it moves, written only when the
// position changed: no disk write for every move of the pointer.
void Form1::savePosition()
{
    const model::WindowPosition now{window.left(), window.top()};
    if (now == savedPosition_) return;
    savedPosition_ = now;
    std::string problem;
    if (!app_.data().writePosition(now, problem)) app_.msgBox(problem, ui::message_box::kExclamation);
}

// A left press opens the menu at the pointer; the keyboard opens it at the icon.
void Form1::TrayIcon_MouseEvent(ui::TrayEvent event, ui::Point anchor)
{
    const bool byKeyboard = event == ui::TrayEvent::KeySelect;
    if (event != ui::TrayEvent::LeftDown && !byKeyboard) return;
    // While a dialog of the bar's own or a message box over it is open, that
    // is what the user is to finish: no menu command may start another.
    if (!window.takesInput()) {
        if (!app_.raiseOpenDialog()) window.setForeground();
        return;
    }
    window.setForeground();
    app_.platform().popupMenu(window, app_.form2().TaskMenu, byKeyboard ? std::optional(anchor) : std::nullopt);
}

bool Form1::trayIconReady() { return trayIcon_.shown() || TrayIn(); }

}  // namespace bar
