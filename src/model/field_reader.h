#pragma once

#include <optional>
#include <string_view>

namespace model {

// One field of a data file, still in the file's code page.
struct Field {
    std::string_view bytes;
    bool quoted = false;
};

// Reads a data file as one stream of fields. Fields are separated by commas
// or line ends; blanks before a field are skipped; a field that starts with a
// double quote runs to the next double quote and whatever follows it up to
// the next separator is skipped; an unquoted field runs to the next separator.
// Works on bytes: in the code pages used, no trail byte is a quote, comma or
// line end, so a byte scan never splits a character.
class FieldReader {
public:
    explicit FieldReader(std::string_view data) : data_(data) {}

    // The next field, or nothing when the data is exhausted.
    std::optional<Field> next();

private:
    void skipSeparator();

    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace model
