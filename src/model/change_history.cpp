#include "model/change_history.h"

namespace model {

std::optional<TableChange> ChangeHistory::top(const std::deque<TableChange>& steps)
{
    if (steps.empty()) return std::nullopt;
    return steps.back();
}

void ChangeHistory::push(std::deque<TableChange>& steps, TableChange step)
{
    steps.push_back(std::move(step));
    if (steps.size() > kSteps) steps.pop_front();
}

void ChangeHistory::made(TableChange reversal)
{
    push(undo_, std::move(reversal));
    redo_.clear();
}

void ChangeHistory::undone(TableChange reversal)
{
    if (!undo_.empty()) undo_.pop_back();
    push(redo_, std::move(reversal));
}

void ChangeHistory::redone(TableChange reversal)
{
    if (!redo_.empty()) redo_.pop_back();
    push(undo_, std::move(reversal));
}

}  // namespace model
