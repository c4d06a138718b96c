#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "model/table_change.h"

namespace model {

// The changes of the running session that can be taken back, and those
// taken back that can be made again: each kept as the change that reverses
// it. The oldest steps go once there are more than kSteps.
class ChangeHistory {
public:
    static constexpr std::size_t kSteps = 100;

    // A new change was made: its reversal is the next to undo, and what was
    // undone before can no longer be redone.
    void made(TableChange reversal);
    std::optional<TableChange> nextUndo() const { return top(undo_); }
    std::optional<TableChange> nextRedo() const { return top(redo_); }
    // The next undo was applied; its own reversal is the next redo. And the
    // other way round.
    void undone(TableChange reversal);
    void redone(TableChange reversal);

private:
    static std::optional<TableChange> top(const std::deque<TableChange>& steps);
    static void push(std::deque<TableChange>& steps, TableChange step);

    std::deque<TableChange> undo_;
    std::deque<TableChange> redo_;
};

}  // namespace model
