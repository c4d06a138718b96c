#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace model {

// A loosely typed setting value: empty (never set or read), a number or a text.
// Empty counts as 0, so an unset setting compares equal to 0 and unequal to 1 and 2.
class Variant {
public:
    Variant() = default;
    static Variant number(double value);
    static Variant text(std::string value);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isNumber() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    double asNumber() const { return std::get<double>(value_); }
    const std::string& asText() const { return std::get<std::string>(value_); }

    // The value as a number: empty is 0, a text counts when it reads as a number.
    std::optional<double> numericValue() const;
    // Conversion to a 16-bit integer, halves rounding to the even neighbour;
    // nothing for a non-numeric text or a value out of range.
    std::optional<std::int16_t> toInt16() const;

    friend bool operator==(const Variant& v, double n)
    {
        const auto x = v.numericValue();
        return x && *x == n;
    }
    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, double, std::string> value_;
};

}  // namespace model
