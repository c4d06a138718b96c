#include "dialogs/form5.h"

#include <algorithm>

#include "app/noctaris.h"
#include "dialogs/twips.h"
#include "model/data_folder.h"
#include "model/file_text.h"
#include "model/paths.h"
#include "model/table_change.h"
#include "shell/shell_api.h"
#include "shell/shell_services.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace dialogs {
namespace {

constexpr const char* kNothingChosen = "ファイルまたはフォルダを選択してください。";
const ui::Font kDialogFont{"ＭＳ ゴシック", 9, false};
// The well the face draws around the icon preview.
constexpr ui::Rgb kPreviewWell = ui::rgb(250, 251, 254);

}  // namespace

void Form5::prepareFirstShowing(ui::Platform& platform) { platform.prepareDialog(kDialogFont, ui::Art::RegisterFace); }

Form5::Form5(app::Noctaris& app)
    : window(app.platform(), ui::WindowFrame::Dialog, "Form5", &app.barWindow()),
      Text2(window, "Text2"),
      Picture1(window, "Picture1"),
      Command1(window, "Command1"),
      Command4(window, "Command4"),
      Label2(window, "Label2"),
      Text1(window, "Text1"),
      Command3(window, "Command3"),
      Command2(window, "Command2"),
      Label1(window, "Label1"),
      app_(app)
{
    window.setCaption(kCaption);
    window.setFont(kDialogFont);
    window.setPicture(ui::Art::RegisterFace);
    window.setClientSize(5310, 2190);

    Text2.setBounds(twips(360, 120, 4875, 270));
    Picture1.setBounds(twips(420, 480, 550, 550));
    Command1.setBounds(twips(3840, 480, 1395, 300));
    Command4.setBounds(twips(3840, 840, 1395, 300));
    Label2.setBounds(twips(360, 1380, 1275, 255));
    Text1.setBounds(twips(1800, 1320, 3435, 270));
    Command3.setBounds(twips(2340, 1800, 1335, 300));
    Command2.setBounds(twips(3900, 1800, 1335, 300));
    Label1.setBounds(twips(600, 3240, 3795, 240));

    Text2.setFont(kDialogFont);
    Text2.setText(kNothingChosen);
    Text2.setLocked(true);
    Picture1.setBackColor(kPreviewWell);
    Command1.setCaption("ファイル参照");
    Command4.setCaption("フォルダ参照");
    Label2.setFont(kDialogFont);
    Label2.setCaption("登録名");
    Text1.setFont(kDialogFont);
    Text1.setText("新しいショートカット");
    Command3.setCaption("キャンセル");
    Command2.setCaption("決定（登録）");
    Label1.setCaption("ファイルを選択してください。");
    // The labels are drawn, not windows, so a screen reader hears these names.
    Text2.setAccessibleName("パス");
    Text1.setAccessibleName(Label2.caption());
    // The keyboard starts on the name, and Enter registers.
    Text1.setTabIndex(0);
    Command2.setDefault(true);

    Command1.onClick = [this] { Command1_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    window.onMouseMove = [this](const ui::MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
    // The close box, Alt+F4 and Esc cancel: the bar must not stay disabled.
    window.onCloseRequest = [this] { Command3_Click(); };
}

void Form5::Henkou()
{
    showIcon(Label1.caption());
    ShowPath();
}

void Form5::DgAndDd() { choose(Label1.caption(), true); }

void Form5::Command1_Click()
{
    std::string failure;
    const std::string path = shell::FileOpen(app_.shell(), &window, {{"各種ファイル(*.*)", "*.*"}}, failure);
    if (!failure.empty()) {
        app_.msgBox("ファイルを選べませんでした。\r\n" + failure, ui::message_box::kExclamation, window);
        return;
    }
    if (!path.empty()) choose(path, false);
}

void Form5::Command4_Click()
{
    const std::string path = shell::FolderOpen(app_.shell(), &window);
    if (!path.empty()) choose(path, true);
}

void Form5::choose(const std::string& path, bool wholePathForEmptyName)
{
    Label1.setCaption(path);
    std::string name = model::baseName(path);
    if (wholePathForEmptyName && name.empty()) name = path;
    Text1.setText(name);
    ShowPath();
    showIcon(path);
}

void Form5::ShowPath()
{
    const std::string& path = Label1.caption();
    // The edit box's frame and margins take some of its width: the whole
    // compacted path, its file name last, is to show. Device pixels.
    const ui::Scale scale = window.scale();
    const int width = std::min(scale.pixels(Text2.width()) - 1, Text2.textRoom());
    Text2.setText(app_.shell().compactPath(path, Text2.font(), scale.dpi, width));
    Text2.setToolTip(path);
}

void Form5::showIcon(const std::string& path)
{
    Picture1.cls();
    shell::DrawFileIcon(app_.icons(), Picture1, path);
}

void Form5::iconChanged(const std::string& path)
{
    if (path == Label1.caption()) showIcon(path);
}

void Form5::Command2_Click()
{
    if (Text2.text() == kNothingChosen) {
        app_.msgBox(kNothingChosen, ui::message_box::kOk, window);
        return;
    }
    model::Launcher& launcher = app_.launcher();
    const int slot = ListNo;
    const model::Slot before{launcher.List1.list(slot), launcher.List2.list(slot)};
    const std::string name = Text1.text();
    if (!storableName(name, before.name)) return;
    const auto path = storablePath(Label1.caption(), before.path);
    if (!path) return;

    // The dialog stays open on a failed save.
    if (!app_.commit(model::TableChange::ofSlots({{slot, {name, *path}}}), window)) return;
    app_.barWindow().show();
    close();
}

void Form5::Command3_Click() { close(); }

void Form5::close() { app_.closeRegistration(); }

void Form5::Form_MouseMove(int button, int, float, float)
{
    if (button & ui::mouse::kLeft) window.moveBySystem();
}

bool Form5::storableName(const std::string& name, const std::string& stored)
{
    const auto refusal = model::checkEditedText(app_.data().codec(), name, stored);
    if (refusal) {
        app_.msgBox(model::refusalMessage(model::DataFile::Shortcuts, name, *refusal), ui::message_box::kExclamation,
                    window);
    }
    return !refusal;
}

// A short form is plain ASCII and opens the same target, so any file can be
// registered and any program reading the file can still open it.
std::optional<std::string> Form5::storablePath(const std::string& path, const std::string& stored)
{
    const model::AnsiCodec& codec = app_.data().codec();
    const auto refusal = model::checkEditedText(codec, path, stored);
    if (!refusal) return path;
    if (*refusal == model::TextRefusal::Unrepresentable) {
        const auto brief = app_.shell().shortPath(path);
        if (brief && !model::checkUserText(codec, *brief)) return brief;
    }
    app_.msgBox(model::refusalMessage(model::DataFile::Shortcuts, path, *refusal), ui::message_box::kExclamation,
                window);
    return std::nullopt;
}

}  // namespace dialogs
