#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "menus/form2.h"
#include "shell/hover_check.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace bar {
namespace {
constexpr int kTrayLeftButtonDown = 0x201;
}  // namespace

void Form1::hoverTool(ui::PictureBox& tool, const char* text, float x, float y)
{
    if (FormStyle != 0) return;
    if (shell::HoverCheck(app_.platform(), tool, ui::roundHalfEven(x), ui::roundHalfEven(y))) {
        if (text) Text1.setText(text);
    } else {
        Text1.setText("");
    }
}

void Form1::Picture1_MouseMove(int, int, float x, float y) { hoverTool(Picture1, "タスクトレイに格納", x, y); }
void Form1::Picture2_MouseMove(int, int, float x, float y) { hoverTool(Picture2, "ソフトの設定", x, y); }
void Form1::Picture3_MouseMove(int, int, float x, float y) { hoverTool(Picture3, "製品情報", x, y); }
void Form1::Picture4_MouseMove(int, int, float x, float y) { hoverTool(Picture4, "終了", x, y); }
void Form1::FormStyleHen_MouseMove(int, int, float x, float y) { hoverTool(FormStyleHen, "縦型に変更", x, y); }

void Form1::Picture5_MouseMove(int, int, float x, float y)
{
    const model::Variant& topmost = app_.form4().WindTop;
    const char* text = topmost == 1 ? "前面に表示を解除する" : topmost == 0 ? "前面に表示" : nullptr;
    hoverTool(Picture5, text, x, y);
    if (topmost == 0) Picture5.setToolTip("前面に表示");
    if (topmost == 1) Picture5.setToolTip("前面に表示を解除する");
}

void Form1::Picture6_MouseMove(int, int, float x, float y)
{
    hoverTool(Picture6, FomMov == 0 ? "画面を固定する" : FomMov == 1 ? "画面を移動可能にする" : nullptr, x, y);
}

void Form1::Picture1_MouseUp(int, int, float, float)
{
    if (!trayIconReady()) {
        app_.msgBox("タスクトレイにアイコンを置けないため、格納できません。", ui::message_box::kIconExclamation);
        return;
    }
    window.hide();
    Text1.setText("");
    app_.form4().TaskOn = 1;
}

void Form1::Picture2_MouseUp(int, int, float, float) { app_.form4().Show(); }

void Form1::Picture3_MouseUp(int, int, float, float) { app_.seihin().Show(); }

void Form1::Picture4_MouseUp(int, int, float, float) { Form_Unload(); }

void Form1::Picture5_MouseUp(int, int, float, float)
{
    dialogs::Form4& settings = app_.form4();
    if (settings.WindTop == 1) {
        placeTopmost(ui::InsertAfter::NoTopmost);
        settings.WindTop = model::Variant::number(0);
    } else if (settings.WindTop == 0) {
        placeTopmost(ui::InsertAfter::Topmost);
        settings.WindTop = model::Variant::number(1);
    }
    settings.SetSave();
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
    if (!app_.data().writePosition(now, problem)) app_.msgBox(problem, ui::message_box::kIconExclamation);
}

void Form1::TrayIcon_MouseEvent(int message)
{
    if (message != kTrayLeftButtonDown) return;
    window.setForeground();
    app_.platform().popupMenu(window, app_.form2().TaskMenu);
}

bool Form1::trayIconReady()
{
    if (!trayIconShown_) trayIconShown_ = TrayIn();
    return trayIconShown_;
}

}  // namespace bar
