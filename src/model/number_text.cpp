#include "model/number_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

// The C runtime's strtod and printf do the conversions. std::from_chars and
// std::to_chars would do them too, but bring about 200 KB of tables and code
// into the program, a quarter of it, all of which Wine keeps in memory.

namespace model {
namespace {

std::string_view trimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// strtod also takes "inf", "nan", hex forms and blanks; the files only ever
// hold plain decimals, so anything else is not a number.
bool looksDecimal(std::string_view s)
{
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.')) return false;
    return s.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
}

template <typename T>
T readBack(const char* text, char** end)
{
    if constexpr (std::is_same_v<T, float>) {
        return std::strtof(text, end);
    } else {
        return std::strtod(text, end);
    }
}

template <typename T>
std::optional<T> parse(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (!looksDecimal(text)) return std::nullopt;
    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const T value = readBack<T>(terminated.c_str(), &end);
    if (errno == ERANGE || end != terminated.c_str() + terminated.size()) return std::nullopt;
    return value;
}

// A positive decimal: digits × 10^exponent.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The shorter of the plain and the scientific form, the plain one when they
// are as long. A whole number too large for its digits is written out in
// full, as printf's %.0f writes it.
std::string plainText(Decimal d, double value)
{
    std::string text = std::to_string(d.digits);
    std::string sci = text.substr(0, 1);
    const int scientificExponent = d.exponent + static_cast<int>(text.size()) - 1;
    if (text.size() > 1) sci += "." + text.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", scientificExponent < 0 ? '-' : '+',
                  std::abs(scientificExponent));
    sci += exponent;

    std::string fixed;
    if (d.exponent >= 0) {
        fixed = text + std::string(static_cast<std::size_t>(d.exponent), '0');
        if (d.exponent > 0 && fixed.size() <= sci.size()) {
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", value);
            fixed = whole;
        }
    } else if (scientificExponent >= 0) {
        fixed = text.substr(0, static_cast<std::size_t>(scientificExponent) + 1) + "." +
                text.substr(static_cast<std::size_t>(scientificExponent) + 1);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-scientificExponent - 1), '0') + text;
    }
    return fixed.size() <= sci.size() ? fixed : sci;
}

template <typename T>
bool readsBackAs(Decimal d, T value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(d.digits), d.exponent);
    return readBack<T>(text, nullptr) == value;
}

// The fewest significant digits that read back as the value; of two such
// texts, the one nearer the value. This is the text std::to_chars gives.
template <typename T>
Decimal shortest(T value)
{
    constexpr int kMostDigits = std::numeric_limits<T>::max_digits10;
    for (int count = 1;; ++count) {
        // The value rounded to `count` digits, as d.ddde±x.
        char text[48];
        std::snprintf(text, sizeof text, "%.*e", count - 1, static_cast<double>(value));
        Decimal nearest;
        for (const char* p = text; *p != 'e'; ++p) {
            if (*p != '.') nearest.digits = nearest.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
        nearest.exponent = std::atoi(std::strchr(text, 'e') + 1) - (count - 1);
        const T back = readBack<T>(text, nullptr);
        if (back == value || count == kMostDigits) return nearest;
        // Beside a power of two the values that read back lie further on one
        // side than the other, so the neighbour across the value may do.
        Decimal across = nearest;
        across.digits = back > value ? across.digits - 1 : across.digits + 1;
        if (across.digits > 0 && readsBackAs(across, value)) return across;
    }
}

template <typename T>
std::string format(T value)
{
    if (value == 0 || !std::isfinite(value)) return "0";  // never "-0"
    const T magnitude = std::fabs(value);
    Decimal d = shortest(magnitude);
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return (value < 0 ? "-" : "") + plainText(d, magnitude);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) { return parse<double>(text); }
std::optional<float> parseSingle(std::string_view text) { return parse<float>(text); }
std::string formatNumber(double value) { return format(value); }
std::string formatSingle(float value) { return format(value); }

}  // namespace model
