#include "app/noctaris.h"
#include "bar/form1.h"
#include "bar/tool_texts.h"
#include "menus/form2.h"

namespace bar {

// The bar draws its buttons itself, so it tells screen readers what they
// are: the shown group's ten buttons, the ten tabs, the toolbar and the info
// line. A default action does what a click does.
void Form1::describeForScreenReaders()
{
    using Role = ui::AccessibleRole;
    for (int s = 0; s < model::kSlotCount; ++s) {
        ShortCut[s].setAccessibleRole(Role::PushButton);
        ShortCut[s].onDefaultAction = [this, s] {
            touchSlot(s);
            app_.form2().ListNoA = ShIn;
            SctExec();
        };
    }
    for (int g = 0; g < model::kGroupCount; ++g) {
        Conts[g].setAccessibleRole(Role::PageTab);
        Conts[g].onDefaultAction = [this, g] { Conts_MouseUp(g, ui::mouse::kLeft, 0, 0, 0); };
    }
    using Handler = void (Form1::*)(int, int, float, float);
    const std::pair<ui::PictureBox*, Handler> tools[] = {
        {&Picture4, &Form1::Picture4_MouseUp}, {&Picture1, &Form1::Picture1_MouseUp},
        {&Picture2, &Form1::Picture2_MouseUp}, {&Picture3, &Form1::Picture3_MouseUp},
        {&Picture5, &Form1::Picture5_MouseUp}, {&Picture6, &Form1::Picture6_MouseUp},
        {&FormStyleHen, &Form1::FormStyleHen_MouseUp}};
    for (const auto& [picture, handler] : tools) {
        picture->setAccessibleRole(Role::PushButton);
        picture->setAccessibleName(picture->toolTip());
        picture->onDefaultAction = [this, h = handler] { (this->*h)(ui::mouse::kLeft, 0, 0, 0); };
    }
    Label1.setAccessibleRole(Role::StaticText);

    window.accessibleChildren = [this] {
        std::vector<ui::Control*> children;
        const int first = shownGroup_ * model::kSlotsPerGroup;
        for (int s = first; s < first + model::kSlotsPerGroup; ++s) children.push_back(&ShortCut[s]);
        for (auto& tab : Conts) children.push_back(&tab);
        for (ui::PictureBox* tool : {&Picture4, &Picture1, &Picture2, &Picture3, &Picture5, &Picture6, &FormStyleHen}) {
            children.push_back(tool);
        }
        if (Label1.visible()) children.push_back(&Label1);
        return children;
    };
}

// The switch's tooltip follows the state only on the next hover; a reader
// hears the state at once.
void Form1::nameTopmostSwitch()
{
    const model::Variant& topmost = app_.settings().WindTop;
    if (topmost == 1) Picture5.setAccessibleName(tool_text::kNotTopmost);
    if (topmost == 0) Picture5.setAccessibleName(tool_text::kTopmost);
}

}  // namespace bar
