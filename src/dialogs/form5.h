#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace dialogs {

// The registration dialog: the target and the name of the slot in ListNo.
// The program prepares it for a new entry, a change (Henkou) or a dropped
// target (DgAndDd) and shows it; it stores the entry on 決定（登録）, and
// every way it closes enables the bar again.
class Form5 {
public:
    static constexpr const char* kCaption = "登録";
    explicit Form5(app::Noctaris& app);
    Form5(const Form5&) = delete;
    Form5& operator=(const Form5&) = delete;
    // The dialog is the one users open first, often soon after the start:
    // the platform makes its first showing ready ahead.
    static void prepareFirstShowing(ui::Platform& platform);

    // Change mode: the caller has put the slot's path into Label1 and its name into Text1.
    void Henkou();
    // Drop mode: the caller has put the dropped path into Label1.
    void DgAndDd();

    void Command1_Click();  // ファイル参照
    void Command4_Click();  // フォルダ参照
    void Command2_Click();  // 決定（登録）
    void Command3_Click();  // キャンセル
    void Form_MouseMove(int button, int shift, float x, float y);
    // A target's icon has arrived: the preview shows it if it is the chosen one.
    void iconChanged(const std::string& path);

    std::int16_t ListNo = 0;  // the slot 決定（登録） writes

    ui::Window window;
    ui::TextBox Text2;        // the chosen path, compacted; its tooltip holds it whole
    ui::PictureBox Picture1;  // the target's icon
    ui::CommandButton Command1;
    ui::CommandButton Command4;
    ui::Label Label2;
    ui::TextBox Text1;        // the name
    ui::CommandButton Command3;
    ui::CommandButton Command2;
    ui::Label Label1;         // the chosen path, whole; below the visible face

private:
    // A chosen target: its path, the proposed name, the path box and the icon.
    void choose(const std::string& path, bool wholePathForEmptyName);
    void ShowPath();
    void showIcon(const std::string& path);
    // The path as it can be stored: in its short form when the code page
    // cannot hold it. Nothing, after telling the user, when it cannot be
    // stored. What the slot holds already (stored) is written back as it is.
    std::optional<std::string> storablePath(const std::string& path, const std::string& stored);
    bool storableName(const std::string& name, const std::string& stored);
    void close();

    app::Noctaris& app_;
};

}  // namespace dialogs
