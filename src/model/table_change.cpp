#include "model/table_change.h"

namespace model {

TableChange TableChange::ofSlots(const std::map<int, Slot>& entries)
{
    TableChange change(DataFile::Shortcuts);
    for (const auto& [slot, entry] : entries) {
        if (slot >= 0 && slot < kSlotCount) change.slots_.emplace(slot, entry);
    }
    return change;
}

TableChange TableChange::ofGroup(int group, std::string name)
{
    TableChange change(DataFile::Groups);
    if (group >= 0 && group < kGroupCount) change.groups_.emplace(group, std::move(name));
    return change;
}

TableChange TableChange::applyTo(Launcher& launcher) const
{
    TableChange undo(file_);
    for (const auto& [slot, entry] : slots_) {
        undo.slots_.emplace(slot, Slot{launcher.List1.list(slot), launcher.List2.list(slot)});
        launcher.List1.setList(slot, entry.name);
        launcher.List2.setList(slot, entry.path);
    }
    for (const auto& [group, name] : groups_) {
        undo.groups_.emplace(group, launcher.List3.list(group));
        launcher.List3.setList(group, name);
    }
    return undo;
}

}  // namespace model
