#include "model/launcher.h"

namespace model {

ShortcutTable Launcher::shortcutTable()
{
    ShortcutTable table;
    for (int s = 0; s < kSlotCount; ++s) {
        List1.setListIndex(s);
        List2.setListIndex(s);
        table[static_cast<std::size_t>(s)] = {List1.text(), List2.text()};
    }
    return table;
}

GroupNames Launcher::groupNames()
{
    GroupNames names;
    for (int g = 0; g < kGroupCount; ++g) {
        List3.setListIndex(g);
        names[static_cast<std::size_t>(g)] = List3.text();
    }
    return names;
}

}  // namespace model
