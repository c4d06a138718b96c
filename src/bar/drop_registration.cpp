#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/form5.h"
#include "ui/message_box.h"

namespace bar {

// A drop never stores anything itself: the registration dialog opens in its
// drop mode for the last dropped item, and the user confirms there.
void Form1::ShortCut_OLEDragDrop(int index, const ui::DropData& data)
{
    if (app_.raiseOpenDialog()) return;
    touchSlot(index);
    const bool replacing = !List2.text().empty();
    if (replacing) {
        const ui::Answer answer = app_.msgBox(
            "ファイルはすでに登録されています。\r\n"
            "ドラッグ&ドロップしたファイルを新しく設定しますか？\r\n"
            "\r\n"
            "[いいえ]を押すとキャンセルされ、[はい]を押すと確認画面へ移動します。",
            ui::message_box::kWarningQuestion);
        if (answer == ui::Answer::No) {
            Text1.setText("");
            return;
        }
    }
    if (!data.files || data.files->empty()) return;
    dialogs::Form5& form5 = app_.form5();
    form5.Label1.setCaption(data.files->back());
    window.setEnabled(false);
    form5.ListNo = static_cast<std::int16_t>(index);
    form5.DgAndDd();
    form5.Show();
    if (replacing) Text1.setText("");
}

}  // namespace bar
