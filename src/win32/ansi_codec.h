#pragma once

#include "model/ansi_codec.h"

namespace win32 {

// The code page of the data files: the system's ANSI code page (932 on a
// Japanese Windows), or 932 where that is UTF-8 (model::dataCodePage).
class AnsiCodec final : public model::AnsiCodec {
public:
    AnsiCodec();
    std::optional<std::string> encode(std::string_view utf8) const override;
    std::optional<std::string> decode(std::string_view ansi) const override;

private:
    unsigned codePage_;
};

}  // namespace win32
