#include "model/variant.h"

#include <cmath>

#include "model/number_text.h"

namespace model {

Variant Variant::number(double value)
{
    Variant v;
    v.value_ = value;
    return v;
}

Variant Variant::text(std::string value)
{
    Variant v;
    v.value_ = std::move(value);
    return v;
}

std::optional<double> Variant::numericValue() const
{
    if (isEmpty()) return 0.0;
    if (isNumber()) return asNumber();
    return parseNumber(asText());
}

std::optional<std::int16_t> Variant::toInt16() const
{
    const auto x = numericValue();
    if (!x) return std::nullopt;
    const double rounded = std::nearbyint(*x);  // the default rounding mode sends halves to even
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace model
