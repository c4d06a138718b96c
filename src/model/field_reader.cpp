#include "model/field_reader.h"

namespace model {
namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
}  // namespace

std::optional<Field> FieldReader::next()
{
    while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;
    if (pos_ >= data_.size()) return std::nullopt;

    Field field;
    if (data_[pos_] == '"') {
        const auto start = pos_ + 1;
        auto close = data_.find('"', start);
        if (close == std::string_view::npos) close = data_.size();
        field.bytes = data_.substr(start, close - start);
        field.quoted = true;
        pos_ = close < data_.size() ? close + 1 : close;
        while (pos_ < data_.size() && !isSeparator(data_[pos_])) ++pos_;
    } else {
        const auto start = pos_;
        while (pos_ < data_.size() && !isSeparator(data_[pos_])) ++pos_;
        auto value = data_.substr(start, pos_ - start);
        while (!value.empty() && isBlank(value.back())) value.remove_suffix(1);
        field.bytes = value;
    }
    skipSeparator();
    return field;
}

void FieldReader::skipSeparator()
{
    if (pos_ >= data_.size()) return;
    const char c = data_[pos_++];
    if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
}

}  // namespace model
