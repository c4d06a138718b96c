#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace model {

// Conversion between the program's UTF-8 text and the system's ANSI code page
// (932 on the target systems), in which the data files are stored.
// Both directions are strict: nothing is substituted.
class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    // Nothing when some character has no form in the code page.
    virtual std::optional<std::string> encode(std::string_view utf8) const = 0;
    // Nothing when the bytes are not valid text in the code page.
    virtual std::optional<std::string> decode(std::string_view ansi) const = 0;
};

}  // namespace model
