#include "app/noctaris.h"
#include "bar/form1.h"

namespace bar {

// The info line says what came back; a step that could not be written was
// told by a message, and stays to be tried again.
void Form1::undoChange()
{
    if (const auto what = app_.undo(window)) Text1.setText("元に戻しました" + (what->empty() ? "" : "：" + *what));
}

void Form1::redoChange()
{
    if (const auto what = app_.redo(window)) Text1.setText("やり直しました" + (what->empty() ? "" : "：" + *what));
}

}  // namespace bar
