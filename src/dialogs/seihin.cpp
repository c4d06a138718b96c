#include "dialogs/seihin.h"

#include "app/noctaris.h"
#include "dialogs/twips.h"
#include "model/paths.h"
#include "shell/hover_check.h"
#include "shell/shell_api.h"
#include "ui/platform.h"

namespace dialogs {
namespace {

constexpr ui::Rgb kBackground = ui::rgb(90, 96, 114);
constexpr ui::Rgb kHighlight = ui::rgb(116, 132, 207);
constexpr ui::Rgb kWhite = ui::rgb(255, 255, 255);
const ui::Font kWindowFont{"ＭＳ ゴシック", 9.75f, false};

}  // namespace

// Owned by the bar, so that a bar kept on top never covers it; on the
// taskbar, so that it can be found when other windows cover it.
Seihin::Controls::Controls(ui::Platform& platform, ui::Window& bar)
    : window(platform, ui::WindowFrame::Dialog, "Seihin", &bar),
      Image1(window, "Image1"),
      Label1(window, "Label1"),
      Label2(window, "Label2"),
      Label5(window, "Label5"),
      Label3(window, "Label3"),
      Label12(window, "Label12"),
      Image2(window, "Image2"),
      Label10(window, "Label10"),
      Btn1b(window, "Btn1b"),
      Btn1a(Btn1b, "Btn1a"),
      Label4(window, "Label4"),
      Btn2b(window, "Btn2b"),
      Btn2a(Btn2b, "Btn2a")
{
    window.setCaption("製品情報");
    window.setBackColor(kBackground);
    window.setFont(kWindowFont);
    window.setTaskbarButton(true);

    Image1.setBounds(twips(240, 120, 765, 765));
    Image1.setPicture(ui::Art::ProgramIcon);
    Image2.setBounds(twips(4560, 1500, 1125, 750));
    Image2.setPicture(ui::Art::MakerLogo);

    struct Text {
        ui::Label& label;
        const char* caption;
        ui::Rect at;
        float points;
    };
    for (const Text& text : {Text{Label1, "ノクタリス", twips(1200, 150, 5280, 300), 15},
                             Text{Label2, "Version 2.001　Rev.1", twips(1200, 480, 3255, 195), 9.75f},
                             Text{Label5, "Copyright (C) 2026 Noctaris contributors", twips(1140, 720, 4560, 165),
                                  8.25f},
                             Text{Label3, "[NOC-2001]", twips(4740, 900, 990, 180), 9},
                             Text{Label12, "製作・著作", twips(4440, 1260, 1395, 195), 9.75f},
                             Text{Label10, "お問い合わせ", twips(180, 1320, 1320, 225), 9.75f},
                             Text{Label4, "本ソフトの専用アドレス", twips(180, 2040, 2520, 225), 9.75f}}) {
        text.label.setCaption(text.caption);
        text.label.setBounds(text.at);
        text.label.setFont({kWindowFont.face, text.points, false});
        text.label.setForeColor(kWhite);
    }
    Label12.setAlignment(ui::Alignment::Center);

    Btn1b.setBounds(twips(180, 1560, 3420, 300));
    Btn1a.setBounds(twips(150, 30, 3120, 240));
    Btn1a.setPicture(ui::Art::LinkMaker);
    Btn2b.setBounds(twips(180, 2280, 4560, 300));
    Btn2a.setBounds(twips(150, 30, 4260, 240));
    Btn2a.setPicture(ui::Art::LinkProduct);
    for (ui::PictureBox* frame : {&Btn1b, &Btn2b}) frame->setBackColor(kHighlight);
}

Seihin::Seihin(app::Noctaris& app) : app_(app), controls_(app) {}

Seihin::~Seihin() = default;

void Seihin::Show()
{
    if (controls_.raise()) return;
    controls_.load(app_.platform(), app_.barWindow());
    wireEvents();
    Form_Load();
    controls_.show();
}

void Seihin::wireEvents()
{
    Controls& c = *controls_;
    c.Btn1a.onMouseMove = [this, &c](const ui::MouseEvent& e) { Btn_MouseMove(c.Btn1a, c.Btn1b, e.x, e.y); };
    c.Btn2a.onMouseMove = [this, &c](const ui::MouseEvent& e) { Btn_MouseMove(c.Btn2a, c.Btn2b, e.x, e.y); };
    c.Btn1a.onClick = [this, &c] { Btn_Click(guidePath(), c.Btn1b); };
    c.Btn2a.onClick = [this, &c] { Btn_Click(licencePath(), c.Btn2b); };
    c.window.onClick = [this] { resetLinks(); };
    c.window.onMouseMove = [this](const ui::MouseEvent&) { resetLinks(); };
    c.window.onMouseDown = [this](const ui::MouseEvent& e) { Form_MouseDown(e.button); };
    c.window.onCloseRequest = [this] { Unload(); };
}

void Seihin::Form_Load()
{
    controls_->window.setSize(6015, 3130);
    resetLinks();
}

std::string Seihin::guidePath() const
{
    const ui::Platform& platform = app_.platform();
    const char separator = platform.pathSeparator();
    return model::inFolder(model::inFolder(platform.programFolder(), "guide", separator), "index.html", separator);
}

std::string Seihin::licencePath() const
{
    const ui::Platform& platform = app_.platform();
    return model::inFolder(platform.programFolder(), "LICENSE.txt", platform.pathSeparator());
}

bool Seihin::HoverCheck(ui::PictureBox& target, int x, int y)
{
    return shell::HoverCheck(app_.platform(), target, x, y);
}

void Seihin::Btn_MouseMove(ui::PictureBox& link, ui::PictureBox& frame, float x, float y)
{
    if (HoverCheck(link, ui::roundHalfEven(x), ui::roundHalfEven(y))) {
        frame.setBackColor(kHighlight);
        link.setMousePointer(ui::MousePointer::UpArrow);
    } else {
        frame.setBackColor(controls_->window.backColor());
        link.setMousePointer(ui::MousePointer::Arrow);
    }
}

// The highlight goes although the pointer is still there: the next move
// lights it again.
void Seihin::Btn_Click(const std::string& target, ui::PictureBox& frame)
{
    app_.launches().start(nullptr, target, app_.platform().programFolder(), shell::Rights::User, {});
    frame.setBackColor(controls_->window.backColor());
}

// Dragging by the background, with the left button; the others do nothing.
void Seihin::Form_MouseDown(int button)
{
    if (button == ui::mouse::kLeft) controls_->window.moveBySystem();
}

void Seihin::resetLinks()
{
    for (ui::PictureBox* frame : {&controls_->Btn1b, &controls_->Btn2b}) {
        frame->setBackColor(controls_->window.backColor());
    }
}

void Seihin::Unload() { controls_.unload(); }

}  // namespace dialogs
