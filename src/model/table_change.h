#pragma once

#include <map>
#include <string>

#include "model/data_folder.h"
#include "model/launcher.h"

namespace model {

// A change the user makes to the launcher tables: new entries for slots,
// kept in Shtct.qdf, or a group's new name, kept in group.qdf. Applying a
// change gives back the one that undoes it. Entries outside the tables are
// left out.
class TableChange {
public:
    static TableChange ofSlots(const std::map<int, Slot>& entries);
    static TableChange ofGroup(int group, std::string name);

    // The file that keeps what the change touches.
    DataFile file() const { return file_; }
    const std::map<int, Slot>& slots() const { return slots_; }
    const std::map<int, std::string>& groups() const { return groups_; }

    // Writes the change into the tables; returns the change that puts back
    // what it replaced.
    TableChange applyTo(Launcher& launcher) const;

    bool operator==(const TableChange&) const = default;

private:
    explicit TableChange(DataFile file) : file_(file) {}

    DataFile file_;
    std::map<int, Slot> slots_;
    std::map<int, std::string> groups_;
};

}  // namespace model
