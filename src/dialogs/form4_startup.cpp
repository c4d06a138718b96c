#include "app/noctaris.h"
#include "dialogs/form4.h"
#include "model/paths.h"
#include "shell/shell_api.h"
#include "shell/shell_services.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace dialogs {

// The link is named after the program file; it starts the program file by
// its full name, extension included, in the program's folder, where the
// program finds Data when the system starts it at log-on.
std::string Form4::startupLink()
{
    const std::string folder = shell::SpecialFolderPath(app_.shell(), shell::SpecialFolder::Startup);
    if (folder.empty()) return {};
    ui::Platform& platform = app_.platform();
    return model::inFolder(folder, model::baseName(platform.programPath()) + ".lnk", platform.pathSeparator());
}

void Form4::Command1_Click()
{
    ui::Platform& platform = app_.platform();
    const std::string link = startupLink();
    const bool made = !link.empty() && app_.shell().createShortcut(link, platform.programPath(), platform.programFolder());
    platform.messageBox(window(), made ? "登録が完了しました。" : "ショートカットが作成できませんでした。",
                        ui::message_box::kOk, app::kTitle);
}

void Form4::Command2_Click()
{
    const std::string link = startupLink();
    const bool deleted = !link.empty() && app_.shell().deleteFile(link);
    app_.platform().messageBox(window(),
                               deleted ? "削除が完了しました。"
                                       : "ショートカットが削除できませんでした。\r\n"
                                         "もしくはすでにファイルは削除されています。",
                               ui::message_box::kOk, app::kTitle);
}

}  // namespace dialogs
