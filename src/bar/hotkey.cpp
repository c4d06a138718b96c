#include "app/noctaris.h"
#include "bar/form1.h"

namespace bar {

// The keyboard user's way to the bar from anywhere: parked, hidden or behind
// other windows, it comes up active with the keyboard on a button; when it
// is the window the user works in, it goes into the tray as its tray tool
// sends it. The system lets the program that hears its hotkey take the
// foreground.
void Form1::Form_Hotkey()
{
    // While a dialog of the bar's own or a message box over it is open, that
    // is what the user is to finish: the bar itself does nothing.
    if (!window.takesInput()) {
        if (!app_.raiseOpenDialog()) window.setForeground();
        return;
    }
    if (window.visible() && window.active()) {
        Picture1_MouseUp(ui::mouse::kLeft, 0, 0, 0);
        return;
    }
    if (!window.visible()) app_.unparkBar();
    window.setForeground();
    window.setKeyboardFocus(&startingButton());
}

}  // namespace bar
