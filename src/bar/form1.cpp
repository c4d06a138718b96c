#include "bar/form1.h"

#include <algorithm>
#include <string>

#include "app/noctaris.h"
#include "bar/skin.h"
#include "bar/tool_texts.h"
#include "menus/form2.h"
#include "model/first_installation.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace bar {
namespace {

constexpr int kToolSize = 16;
constexpr int kTabWidth = 24;
constexpr int kTabHeight = 14;
// The first lookup also starts COM and the shell's icon lists on its worker:
// under Wine 70-90 ms on a quiet machine, more on a busy one. The wait ends
// well before this once lookups have answered; only a first group none of
// whose targets answers waits it whole. The bar is shown before the wait,
// so it delays the first paint, not the showing.
constexpr std::chrono::milliseconds kFirstFacesBudget{250};

std::string indexed(const char* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

}  // namespace

Form1::Form1(app::Noctaris& app)
    : List1(app.launcher().List1),
      List2(app.launcher().List2),
      List3(app.launcher().List3),
      FormStyle(app.settings().FormStyle),
      SctName(app.settings().SctName),
      FomMov(app.settings().FomMov),
      ShIn(app.launcher().ShIn),
      GrNO(app.launcher().GrNO),
      window(app.platform(), ui::WindowFrame::None, "Form1"),
      Picture1(window, "Picture1"),
      Picture2(window, "Picture2"),
      Picture3(window, "Picture3"),
      Picture4(window, "Picture4"),
      Picture5(window, "Picture5"),
      Picture6(window, "Picture6"),
      FormStyleHen(window, "FormStyleHen"),
      Label1(window, "Label1"),
      Text1(window, "Text1"),
      app_(app),
      launcher_(app.launcher()),
      trayIcon_(window, std::string(app::kTitle))
{
    window.setBackColor(kBorder);
    window.setFocusRingColor(kFocusRing);
    window.setMarkColor(kMoveMark);
    for (int g = 0; g < model::kGroupCount; ++g) Grp.add(window, indexed("Grp", g)).setBackColor(kPanel);
    for (int s = 0; s < model::kSlotCount; ++s) {
        auto& button = ShortCut.add(Grp[model::groupOfSlot(s)], indexed("ShortCut", s));
        button.setBackColor(kButtonFace);
        button.setFont(kBarFont);
    }
    for (int g = 0; g < model::kGroupCount; ++g) {
        auto& tab = Conts.add(window, indexed("Conts", g));
        tab.setBounds({0, 0, kTabWidth, kTabHeight});
        tab.setPicture(g == 0 ? ui::btF(g) : ui::btB(g));
    }

    struct Tool {
        ui::PictureBox& picture;
        ui::Art art;
        const char* toolTip;
    };
    for (const Tool& tool : {Tool{Picture1, ui::Art::ToolTray, tool_text::kTray},
                             Tool{Picture2, ui::Art::ToolSettings, tool_text::kSettings},
                             Tool{Picture3, ui::Art::SeiY, tool_text::kInfo},
                             Tool{Picture4, ui::Art::ToolExit, tool_text::kExit},
                             Tool{Picture5, ui::Art::ToolTopmost, tool_text::kTopmost},
                             Tool{Picture6, ui::Art::FomDragOk, ""},
                             Tool{FormStyleHen, ui::Art::StyleT, ""}}) {
        tool.picture.setBounds({0, 0, kToolSize, kToolSize});
        tool.picture.setPicture(tool.art);
        tool.picture.setToolTip(tool.toolTip);
    }

    Label1.setForeColor(kInfoText);
    Label1.setFont(kBarFont);
    Text1.setVisible(false);
    wireEvents();
    describeForScreenReaders();
    layOut(kHorizontal);
}

void Form1::wireEvents()
{
    using ui::MouseEvent;
    for (int s = 0; s < model::kSlotCount; ++s) {
        ui::PictureBox& b = ShortCut[s];
        b.onMouseDown = [this, s](const MouseEvent& e) { ShortCut_MouseDown(s, e.button, e.shift, e.x, e.y); };
        b.onMouseMove = [this, s](const MouseEvent& e) { ShortCut_MouseMove(s, e.button, e.shift, e.x, e.y); };
        b.onMouseUp = [this, s](const MouseEvent& e) { ShortCut_MouseUp(s, e.button, e.shift, e.x, e.y); };
        b.onDblClick = [this, s] { ShortCut_DblClick(s); };
        b.onDrop = [this, s](const ui::DropData& data) { ShortCut_OLEDragDrop(s, data); };
    }
    for (int g = 0; g < model::kGroupCount; ++g) {
        ui::PictureBox& tab = Conts[g];
        tab.onMouseDown = [this, g](const MouseEvent& e) { Conts_MouseDown(g, e.button, e.shift, e.x, e.y); };
        tab.onMouseMove = [this, g](const MouseEvent& e) { Conts_MouseMove(g, e.button, e.shift, e.x, e.y); };
        tab.onMouseUp = [this, g](const MouseEvent& e) { Conts_MouseUp(g, e.button, e.shift, e.x, e.y); };
    }
    using Handler = void (Form1::*)(int, int, float, float);
    struct Tool {
        ui::PictureBox& picture;
        Handler move;
        Handler up;
    };
    for (const Tool& tool : {Tool{Picture1, &Form1::Picture1_MouseMove, &Form1::Picture1_MouseUp},
                             Tool{Picture2, &Form1::Picture2_MouseMove, &Form1::Picture2_MouseUp},
                             Tool{Picture3, &Form1::Picture3_MouseMove, &Form1::Picture3_MouseUp},
                             Tool{Picture4, &Form1::Picture4_MouseMove, &Form1::Picture4_MouseUp},
                             Tool{Picture5, &Form1::Picture5_MouseMove, &Form1::Picture5_MouseUp},
                             Tool{Picture6, &Form1::Picture6_MouseMove, &Form1::Picture6_MouseUp},
                             Tool{FormStyleHen, &Form1::FormStyleHen_MouseMove, &Form1::FormStyleHen_MouseUp}}) {
        tool.picture.onMouseMove = [this, h = tool.move](const MouseEvent& e) { (this->*h)(e.button, e.shift, e.x, e.y); };
        tool.picture.onMouseUp = [this, h = tool.up](const MouseEvent& e) { (this->*h)(e.button, e.shift, e.x, e.y); };
    }
    window.onMouseMove = [this](const MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
    window.onTrayEvent = [this](ui::TrayEvent event, ui::Point anchor) { TrayIcon_MouseEvent(event, anchor); };
    window.onTaskbarCreated = [this] { trayIcon_.taskbarCreated(); };
    window.onShellIconsChanged = [this] {
        app_.icons().renew();
        redrawShownGroup();
    };
    // Icons are fetched at the button's size on the new monitor.
    window.onScaleChanged = [this] { redrawShownGroup(); };
    window.onFirstPaint = [this] { prefetchIcons(); };
    window.onCloseRequest = [this] { Form_Unload(); };
    window.onKeyDown = [this](const ui::KeyInput& key) { Form_KeyDown(key); };
    window.onActivate = [this] { Form_Activate(); };
    window.onTimer = [this] { dragOverTab(); };
    window.onCaptureLost = [this] { cancelDrag(); };
    window.onHotkey = [this] { Form_Hotkey(); };
    Text1.onChange = [this] { Text1_Change(); };
}

void Form1::Form_Load()
{
    window.hide();
    if (!app_.platform().claimSingleInstance()) {
        app_.msgBox("ノクタリスはすでに開かれています。", ui::message_box::kExclamation);
        Form_Unload();
        return;
    }
    Text1.setText("");
    Label1.setCaption("");
    List1.clear();
    List2.clear();
    Grp[0].bringToFront();
    window.setCaption("ノクタリス - メイン画面");
    GrNO = model::Variant::number(0);
    if (!readStartUpFiles()) return;

    // The first faces wait for their icons a moment, so that a bar of
    // ordinary targets shows whole; a slow target does not hold it up.
    redrawGroup(0, kFirstFacesBudget);
    TrayIn();
    app_.applyHotkey();

    const model::SettingsRecord& settings = app_.settings();
    if (settings.WindTop == 1) {
        placeTopmost(true);
    } else if (settings.WindTop == 0) {
        placeTopmost(false);
    }
    showFixButton();
    nameTopmostSwitch();
    savedPosition_ = {window.left(), window.top()};

    // Without a tray icon a hidden bar could never be reached again.
    if (settings.KidoA == 2 && trayIcon_.shown()) {
        window.hide();
        launcher_.TaskOn = 1;
    } else if (!trayIcon_.shown()) {
        window.show();
    }
}

bool Form1::readStartUpFiles()
{
    model::DataFolder& data = app_.data();
    std::string problem;
    const bool installed = model::installIfMissing(data, problem);
    data.discardInterruptedWrites();

    const auto position = installed ? data.readPosition(problem) : std::nullopt;
    const auto settings = position ? data.readSettings(problem) : std::nullopt;
    if (!position || !settings) {
        app_.msgBox(problem, ui::message_box::kCritical);
        Form_Unload();
        return false;
    }
    window.setLeft(position->left);
    window.setTop(position->top);
    app_.settings() = settings->values;

    if (FormStyle == 0) {
        YokoForm();
    } else if (FormStyle == 1) {
        TateForm();
    }
    keepOnScreen();

    menus::Form2& form2 = app_.form2();
    std::string groupProblem;
    const model::GroupNames groups = data.readGroups(groupProblem);
    for (int g = 0; g < model::kGroupCount; ++g) {
        List3.addItem(groups[static_cast<std::size_t>(g)]);
        form2.GrpN(g).caption = groups[static_cast<std::size_t>(g)];
        Conts[g].setAccessibleName(groups[static_cast<std::size_t>(g)]);
    }
    std::string tableProblem;
    const model::ShortcutTable table = data.readShortcuts(tableProblem);
    for (const model::Slot& slot : table) {
        List1.addItem(slot.name);
        List2.addItem(slot.path);
    }
    form2.TaskMenuSet();
    for (const std::string& unread : {groupProblem, tableProblem}) {
        if (!unread.empty()) app_.msgBox(unread, ui::message_box::kExclamation);
    }
    return true;
}

// A bar stored wholly off every monitor (one was unplugged) is brought to
// the nearest place inside the primary work area for this run; the stored
// position stays until the user moves the bar.
void Form1::keepOnScreen()
{
    ui::Platform& platform = app_.platform();
    const ui::Rect b = window.pixelBounds();
    if (platform.onAnyMonitor(b)) return;
    const ui::Rect area = platform.primaryWorkArea();
    const int x = std::clamp(b.left, area.left, std::max(area.left, area.left + area.width - b.width));
    const int y = std::clamp(b.top, area.top, std::max(area.top, area.top + area.height - b.height));
    window.setPixelBounds({x, y, b.width, b.height});
}

void Form1::Form_Unload()
{
    trayIcon_.remove();
    // Gone from the screen at once, even where a thread waiting for a dead
    // share keeps the process a while.
    window.unload();
    app_.platform().endProgram();
}

bool Form1::TrayIn() { return trayIcon_.add(); }

void Form1::placeTopmost(bool topmost)
{
    window.place(topmost ? ui::Stacking::Topmost : ui::Stacking::NotTopmost, window.pixelBounds());
}

void Form1::showFixButton()
{
    if (FomMov == 0) {
        Picture6.setPicture(ui::Art::FomDragOk);
        Picture6.setToolTip(tool_text::kFix);
        Picture6.setAccessibleName(tool_text::kFix);
    } else if (FomMov == 1) {
        Picture6.setPicture(ui::Art::FomDragNo);
        Picture6.setToolTip(tool_text::kUnfix);
        Picture6.setAccessibleName(tool_text::kUnfix);
    }
}

void Form1::Text1_Change()
{
    Label1.setCaption(Text1.text());
    Label1.setAccessibleName(Text1.text());
}

}  // namespace bar
