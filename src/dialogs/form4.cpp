#include "dialogs/form4.h"

#include <utility>

#include "app/noctaris.h"
#include "dialogs/twips.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace dialogs {
namespace {

const ui::Font kDialogFont{"ＭＳ ゴシック", 9, false};
constexpr ui::Rgb kWarningText = ui::rgb(160, 0, 0);
constexpr const char* kHotkeyLabel = "バーを呼び出すキー";
}  // namespace

// Owned by the bar, so that a bar kept on top never covers it; on the
// taskbar, so that it can be found when other windows cover it.
Form4::Controls::Controls(ui::Platform& platform, ui::Window& bar)
    : window(platform, ui::WindowFrame::Dialog, "Form4", &bar),
      Image1(window, "Image1"),
      Label1(window, "Label1"),
      Frame1(window, "Frame1"),
      Op1(Frame1, "Op1"),
      Op2(Frame1, "Op2"),
      Frame3(window, "Frame3"),
      Op3(Frame3, "Op3"),
      Op4(Frame3, "Op4"),
      Frame2(window, "Frame2"),
      Op5(Frame2, "Op5"),
      Op6(Frame2, "Op6"),
      Frame4(window, "Frame4"),
      StlY(Frame4, "StlY"),
      StlT(Frame4, "StlT"),
      Check1(window, "Check1"),
      Check2(window, "Check2"),
      Label2(window, "Label2"),
      Command1(window, "Command1"),
      Command2(window, "Command2"),
      Frame5(window, "Frame5"),
      Label3(Frame5, "Label3"),
      HotKey1(Frame5, "HotKey1"),
      Label4(Frame5, "Label4")
{
    window.setFont(kDialogFont);
    window.setPicture(ui::Art::SettingsFace);
    window.setTaskbarButton(true);

    Frame1.setBounds(twips(480, 120, 2535, 735));
    Frame1.setCaption("ノクタリス起動時・・・");
    Op1.setBounds(twips(120, 200, 2055, 255));
    Op1.setCaption("メイン画面を表示");
    Op2.setBounds(twips(120, 450, 2055, 255));
    Op2.setCaption("タスクトレイに格納");

    Frame3.setBounds(twips(480, 960, 2775, 735));
    Frame3.setCaption("ソフトの起動方法・・・");
    Op3.setBounds(twips(120, 200, 2535, 255));
    Op3.setCaption("シングルクリックで起動");
    Op4.setBounds(twips(120, 450, 2535, 255));
    Op4.setCaption("ダブルクリックで起動");

    Frame2.setBounds(twips(480, 1800, 4095, 735));
    Frame2.setCaption("ソフト実行後・・・");
    Op5.setBounds(twips(120, 200, 3855, 255));
    Op5.setCaption("メイン画面を閉じてタスクトレイに格納");
    Op6.setBounds(twips(120, 420, 3855, 255));
    Op6.setCaption("メイン画面は表示したままにしておく");

    Frame4.setBounds(twips(480, 2640, 4155, 495));
    Frame4.setCaption("画面のスタイル");
    StlY.setBounds(twips(120, 240, 1095, 180));
    StlY.setCaption("横型");
    StlT.setBounds(twips(1620, 240, 1095, 180));
    StlT.setCaption("縦型");

    Check1.setBounds(twips(420, 3240, 1995, 195));
    Check1.setCaption("前面に表示する");
    Check2.setBounds(twips(420, 3540, 2775, 195));
    Check2.setCaption("ボタンに登録名を表示する");

    for (ui::Label* label : {&Label1, &Label2, &Label3, &Label4}) label->setFont(kDialogFont);
    Label2.setBounds(twips(420, 3900, 2235, 255));
    Label2.setCaption("スタートアップの設定");
    Command1.setBounds(twips(2580, 3840, 975, 255));
    Command1.setCaption("登録");
    Command2.setBounds(twips(3720, 3840, 975, 255));
    Command2.setCaption("削除");
    Label1.setBounds(twips(3120, 240, 1575, 375));
    Label1.setCaption("設定は自動で保存されます。");

    Frame5.setBounds(twips(480, 4200, 4155, 780));
    Frame5.setCaption("ホットキー");
    Label3.setBounds(twips(120, 270, 1680, 195));
    Label3.setCaption(kHotkeyLabel);
    HotKey1.setBounds(twips(1860, 195, 2175, 300));
    HotKey1.setAccessibleName(kHotkeyLabel);
    Label4.setBounds(twips(120, 540, 3915, 195));
    Label4.setForeColor(kWarningText);

    // Arrows move within a frame's options, Tab from frame to frame.
    for (ui::Control* first : std::initializer_list<ui::Control*>{&Op1, &Op3, &Op5, &StlY, &Check1, &Check2, &Command1, &HotKey1}) {
        first->setStartsGroup(true);
    }

    Image1.setBounds(twips(60, 70, 210, 210));
    Image1.setPicture(ui::Art::SettingsClose);
    Image1.setToolTip("終了");
}

Form4::Form4(app::Noctaris& app)
    : KidoA(app.settings().KidoA),
      SKidoA(app.settings().SKidoA),
      SexeA(app.settings().SexeA),
      WindTop(app.settings().WindTop),
      TaskOn(app.launcher().TaskOn),
      app_(app),
      controls_(app)
{
}

Form4::~Form4() = default;

void Form4::Show()
{
    if (controls_.raise()) return;
    controls_.load(app_.platform(), app_.barWindow());
    wireEvents();
    Form_Load();
    controls_.show();
    // Last: the dialog may be closed while the message is up.
    if (!unsaved_.empty()) {
        app_.msgBox(std::exchange(unsaved_, {}), ui::message_box::kExclamation, controls_->window);
    }
}

void Form4::wireEvents()
{
    Controls& c = *controls_;
    // Each option sets its value, which the bar reads too, and saves.
    struct Choice {
        ui::OptionButton& button;
        model::Variant& value;
        int number;
    };
    for (const Choice& choice : {Choice{c.Op1, KidoA, 1}, Choice{c.Op2, KidoA, 2}, Choice{c.Op3, SKidoA, 1},
                                 Choice{c.Op4, SKidoA, 2}, Choice{c.Op5, SexeA, 1}, Choice{c.Op6, SexeA, 2}}) {
        choice.button.onClick = [this, &value = choice.value, number = choice.number] {
            value = model::Variant::number(number);
            saveFromDialog();
        };
    }
    c.StlT.onClick = [this] { StlT_Click(); };
    c.StlY.onClick = [this] { StlY_Click(); };
    c.Check1.onClick = [this] { Check1_Click(); };
    c.Check2.onClick = [this] { Check2_Click(); };
    c.Command1.onClick = [this] { Command1_Click(); };
    c.Command2.onClick = [this] { Command2_Click(); };
    c.HotKey1.onChange = [this] { HotKey1_Change(); };
    c.Image1.onClick = [this] { Image1_Click(); };
    c.window.onMouseMove = [this](const ui::MouseEvent& e) { Form_MouseMove(e.button); };
    c.window.onCloseRequest = [this] { Unload(); };
}

// Opening the dialog applies the stored settings to the bar again. With a
// Data folder that cannot be written, the saves of all these actions fail
// alike: the user hears of it once.
void Form4::Form_Load()
{
    Controls& c = *controls_;
    const model::SettingsRecord& settings = app_.settings();
    c.window.setCaption("設定");
    c.window.setClientSize(4880, 5100);

    loading_ = true;
    (KidoA == 1 ? c.Op1 : c.Op2).setValue(true);
    (SKidoA == 1 ? c.Op3 : c.Op4).setValue(true);
    (SexeA == 1 ? c.Op5 : c.Op6).setValue(true);
    if (WindTop == 1) c.Check1.setValue(true);
    if (settings.FormStyle == 1) {
        c.StlT.setValue(true);
    } else if (settings.FormStyle == 0) {
        c.StlY.setValue(true);
    }
    if (settings.SctName == 1) c.Check2.setValue(true);
    hideBarInTray();
    loading_ = false;
    // A combination another program held may be free by now.
    c.HotKey1.setHotkey(settings.hotkey);
    if (app_.hotkeyResult() != ui::HotkeyResult::Ok) app_.applyHotkey();
    showHotkeyResult();
}

void Form4::showSettings()
{
    if (!controls_) return;
    Controls& c = *controls_;
    const model::SettingsRecord& settings = app_.settings();
    (KidoA == 1 ? c.Op1 : c.Op2).reflectValue(true);
    (SKidoA == 1 ? c.Op3 : c.Op4).reflectValue(true);
    (SexeA == 1 ? c.Op5 : c.Op6).reflectValue(true);
    c.StlT.reflectValue(settings.FormStyle == 1);
    c.StlY.reflectValue(settings.FormStyle == 0);
    c.Check1.reflectValue(WindTop == 1);
    c.Check2.reflectValue(settings.SctName == 1);
}

void Form4::SetSave() { app_.saveSettings(app_.barWindow(), loading_ ? &unsaved_ : nullptr); }

// A failure is told over the dialog, which waits meanwhile: further clicks
// on it do not pile up messages.
void Form4::saveFromDialog() { app_.saveSettings(controls_->window, loading_ ? &unsaved_ : nullptr); }

void Form4::StlT_Click()
{
    app_.settings().FormStyle = 1;
    app_.layOutBar();
    saveFromDialog();
    hideBarInTray();
}

void Form4::StlY_Click()
{
    app_.settings().FormStyle = 0;
    app_.layOutBar();
    saveFromDialog();
    hideBarInTray();
}

void Form4::Check1_Click()
{
    const bool checked = controls_->Check1.value();
    app_.placeBarTopmost(checked);
    WindTop = model::Variant::number(checked ? 1 : 0);
    saveFromDialog();
    hideBarInTray();
}

void Form4::Check2_Click()
{
    std::int16_t& names = app_.settings().SctName;
    if (controls_->Check2.value()) {
        app_.drawNamesOnButtons();
        names = 1;
    } else {
        names = 0;  // first: the faces are redrawn with names while it is 1
        GroupIconRedraw();
    }
    saveFromDialog();
}

// The tab last pressed (GrNO) may have been right-clicked only, leaving
// another group on the buttons: that group must lose its names too.
void Form4::GroupIconRedraw()
{
    const int shown = app_.shownGroup();
    app_.redrawGroup(shown);
    const auto pressed = app_.launcher().GrNO.toInt16();
    if (pressed && *pressed != shown && *pressed >= 0 && *pressed < model::kGroupCount) app_.redrawGroup(*pressed);
}

// The re-layout and the topmost placement show the bar; one parked in the
// tray goes back there.
void Form4::hideBarInTray()
{
    if (TaskOn == 1) app_.barWindow().hide();
}

// The new combination calls the bar at once and is saved, as every setting
// here is; one another program holds is kept all the same, and the words
// beside the box say why it does not work.
void Form4::HotKey1_Change()
{
    app_.settings().hotkey = controls_->HotKey1.hotkey();
    app_.applyHotkey();
    showHotkeyResult();
    saveFromDialog();
}

void Form4::showHotkeyResult()
{
    Controls& c = *controls_;
    switch (app_.hotkeyResult()) {
    case ui::HotkeyResult::Ok: c.Label4.setCaption(""); break;
    case ui::HotkeyResult::Taken: c.Label4.setCaption("他のソフトが使用中のため、使えません。"); break;
    case ui::HotkeyResult::Failed: c.Label4.setCaption("このキーは使えません。"); break;
    }
    // A screen reader hears the words with the box.
    const std::string& words = c.Label4.caption();
    c.HotKey1.setAccessibleName(words.empty() ? kHotkeyLabel : std::string(kHotkeyLabel) + "　" + words);
}

void Form4::Image1_Click()
{
    ui::Window& bar = app_.barWindow();
    if (bar.visible()) bar.place(ui::Stacking::Front, bar.pixelBounds());
    Unload();
}

// Dragging by the background: only with the left button alone.
void Form4::Form_MouseMove(int button)
{
    if (button == ui::mouse::kLeft) controls_->window.moveBySystem();
}

void Form4::Unload() { controls_.unload(); }

}  // namespace dialogs
