#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace model {

// Numbers in the data files: plain decimal, "." as the decimal separator
// whatever the locale, a leading "-" when negative, no trailing zeros.

// Reads a number, ignoring blanks around it; nothing when the text is not one.
std::optional<double> parseNumber(std::string_view text);
std::optional<float> parseSingle(std::string_view text);

std::string formatNumber(double value);
std::string formatSingle(float value);

}  // namespace model
