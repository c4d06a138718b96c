#include "app/per_showing.h"

#include "app/noctaris.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace app {

void Showing::show(ui::Window& window)
{
    window.centreOnScreen();
    window.show();
    window.setForeground();
}

void Showing::raise(ui::Window& window)
{
    window.show();
    window.setForeground();
}

void Showing::unload(ui::Window& window, std::shared_ptr<void> holder)
{
    window.unload();
    app_.platform().deleteLater(std::move(holder));
    app_.returnForeground();
}

}  // namespace app
