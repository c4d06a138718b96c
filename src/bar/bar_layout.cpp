#include "bar/form1.h"

namespace bar {
namespace {
constexpr int kButtonSize = 32;
}  // namespace

// The bar changes its shape where it is, shown: hidden and shown again, the
// active bar would hand the keyboard to another program.
void Form1::YokoForm()
{
    layOut(kHorizontal);
    window.show();
}

void Form1::TateForm()
{
    layOut(kVertical);
    window.show();
}

void Form1::layOut(const BarLayout& layout)
{
    window.setPicture(layout.background);
    window.setSize(layout.widthTwips, layout.heightTwips);
    FormStyleHen.setPicture(layout.stylePicture);
    for (auto& panel : Grp) panel.setBounds(layout.panel);
    for (int s = 0; s < model::kSlotCount; ++s) {
        const int k = s % model::kSlotsPerGroup;
        ShortCut[s].setBounds({layout.slotStep.x * k, layout.slotStep.y * k, kButtonSize, kButtonSize});
        ShortCut[s].setAcceptsDrops(true);
    }
    for (int g = 0; g < model::kGroupCount; ++g) {
        Conts[g].move(layout.firstTab.x + layout.tabStep.x * g, layout.firstTab.y + layout.tabStep.y * g);
    }
    Picture4.move(layout.exitButton.x, layout.exitButton.y);
    Picture1.move(layout.trayButton.x, layout.trayButton.y);
    Picture2.move(layout.settingsButton.x, layout.settingsButton.y);
    Picture3.setBounds({layout.infoButton.x, layout.infoButton.y, layout.infoSize.x, layout.infoSize.y});
    Picture3.setPicture(layout.infoPicture);
    Picture5.move(layout.topmostButton.x, layout.topmostButton.y);
    Picture6.move(layout.fixButton.x, layout.fixButton.y);
    FormStyleHen.move(layout.styleButton.x, layout.styleButton.y);
    FormStyleHen.setToolTip(layout.styleToolTip);
    FormStyleHen.setAccessibleName(layout.styleToolTip);
    if (layout.infoLine) {
        Label1.setVisible(true);
        Label1.setBounds(kInfoLabel);
    } else {
        Label1.setVisible(false);
    }
}

}  // namespace bar
