#include "model/list_table.h"

namespace model {
namespace {
const std::string kNoText;
}

void ListTable::clear()
{
    items_.clear();
    index_ = -1;
}

void ListTable::addItem(std::string text) { items_.push_back(std::move(text)); }

const std::string& ListTable::list(int index) const
{
    return index >= 0 && index < listCount() ? items_[static_cast<std::size_t>(index)] : kNoText;
}

void ListTable::setList(int index, std::string text)
{
    if (index >= 0 && index < listCount()) items_[static_cast<std::size_t>(index)] = std::move(text);
}

void ListTable::setListIndex(int index) { index_ = index >= 0 && index < listCount() ? index : -1; }

}  // namespace model
