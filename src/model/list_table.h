#pragma once

#include <string>
#include <vector>

namespace model {

// A hidden list with one selected entry: the launcher's name, path and
// group-name tables. Readers select an entry, then read its text.
class ListTable {
public:
    void clear();
    void addItem(std::string text);
    int listCount() const { return static_cast<int>(items_.size()); }

    // The entry at index; empty text for an index outside the list.
    const std::string& list(int index) const;
    // Replaces the entry in place; the list keeps its length and order.
    void setList(int index, std::string text);

    // The selected entry, -1 when none; an index outside the list selects none.
    int listIndex() const { return index_; }
    void setListIndex(int index);
    // The selected entry's text, empty when none is selected.
    const std::string& text() const { return list(index_); }

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace model
