#include "dialogs/dialog_window.h"

#include "ui/window.h"

namespace dialogs {

void showDialogWindow(std::unique_ptr<ui::Window>& window, ui::Platform& platform, const std::string& name,
                      const std::string& caption, float widthTwips, float heightTwips)
{
    if (!window) {
        window = std::make_unique<ui::Window>(platform, ui::WindowFrame::Dialog, name);
        window->setCaption(caption);
        window->setSize(widthTwips, heightTwips);
        window->centreOnScreen();
        window->onCloseRequest = [w = window.get()] { w->hide(); };
    }
    window->show();
}

}  // namespace dialogs
