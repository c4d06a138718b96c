#include "model/number_text.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace model {
namespace {

std::string_view trimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// from_chars also takes "inf", "nan" and hex forms; the files only ever hold
// plain decimals, so anything else is not a number.
bool looksDecimal(std::string_view s)
{
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    return !s.empty() && (std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.');
}

template <typename T>
std::optional<T> parse(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (!looksDecimal(text)) return std::nullopt;
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

template <typename T>
std::string format(T value)
{
    if (value == 0) return "0";  // never "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) { return parse<double>(text); }
std::optional<float> parseSingle(std::string_view text) { return parse<float>(text); }
std::string formatNumber(double value) { return format(value); }
std::string formatSingle(float value) { return format(value); }

}  // namespace model
