#pragma once

#include <memory>
#include <string>

#include "app/per_showing.h"
#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace dialogs {

// The product information window: the program's name, version and notice,
// and two picture links to the user guide and the licence, the files beside
// the program. There is one; opening it again brings up the same window.
class Seihin {
public:
    // The window and its controls, there while it is loaded.
    struct Controls {
        Controls(ui::Platform& platform, ui::Window& bar);
        ui::Window window;
        ui::Image Image1;  // the program's icon
        ui::Label Label1;
        ui::Label Label2;
        ui::Label Label5;
        ui::Label Label3;
        ui::Label Label12;
        ui::Image Image2;
        ui::Label Label10;
        ui::PictureBox Btn1b;  // the first link's frame, lit while the pointer is over the link
        ui::PictureBox Btn1a;  // the first link: the user guide
        ui::Label Label4;
        ui::PictureBox Btn2b;
        ui::PictureBox Btn2a;  // the second link: the licence
    };

    explicit Seihin(app::Noctaris& app);
    ~Seihin();

    void Show();
    ui::Window* window() const { return controls_ ? &controls_->window : nullptr; }
    Controls* controls() const { return controls_.get(); }

    // Whether (x, y), in the control's own scale, lies inside it. Entering
    // takes the mouse so that the move that leaves is heard too.
    bool HoverCheck(ui::PictureBox& target, int x, int y);

    // What the links open.
    std::string guidePath() const;
    std::string licencePath() const;

private:
    void wireEvents();
    void Form_Load();
    // A link lights its frame while the pointer is over it.
    void Btn_MouseMove(ui::PictureBox& link, ui::PictureBox& frame, float x, float y);
    void Btn_Click(const std::string& target, ui::PictureBox& frame);
    void Form_MouseDown(int button);
    // Both links at rest.
    void resetLinks();
    void Unload();

    app::Noctaris& app_;
    app::PerShowing<Controls> controls_;
};

}  // namespace dialogs
