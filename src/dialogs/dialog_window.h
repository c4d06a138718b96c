#pragma once

#include <memory>
#include <string>

namespace ui {
class Platform;
class Window;
}  // namespace ui

namespace dialogs {

// Shows a dialog's window, making it first if it is not there yet: a framed
// window of the given outer size in twips, in the middle of the screen, that
// hides when the user closes it. Showing it again brings up the same window.
void showDialogWindow(std::unique_ptr<ui::Window>& window, ui::Platform& platform, const std::string& name,
                      const std::string& caption, float widthTwips, float heightTwips);

}  // namespace dialogs
