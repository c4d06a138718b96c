#pragma once

#include <cstdint>

#include "model/launcher_data.h"
#include "model/list_table.h"
#include "model/variant.h"

namespace model {

// What the windows share, owned by the program: the launcher tables, the
// seven settings, the bar's mouse bookkeeping and whether the bar is parked
// in the tray. The windows keep the design's names as references into it.
struct Launcher {
    ListTable List1;  // names by slot
    ListTable List2;  // target paths by slot; empty: a free slot
    ListTable List3;  // group names by group
    SettingsRecord settings;
    Variant ShIn;  // the slot or group last touched by the mouse on the bar
    Variant GrNO;  // the group tab last pressed
    std::int16_t TaskOn = 0;  // 1 while the bar is parked in the tray

    // The tables as the data files hold them, each entry selected in turn
    // as the writers of the tables always did.
    ShortcutTable shortcutTable();
    GroupNames groupNames();
};

}  // namespace model
