#include "app/noctaris.h"
#include "bar/form1.h"
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
    app_.openRegistration(index, app::Registration::Drop, data.files->back());
    if (replacing) Text1.setText("");
}

}  // namespace bar
