#pragma once

#include "model/ansi_codec.h"

namespace win32 {

// The system's ANSI code page (CP_ACP): 932 on a Japanese Windows.
class AnsiCodec final : public model::AnsiCodec {
public:
    std::optional<std::string> encode(std::string_view utf8) const override;
    std::optional<std::string> decode(std::string_view ansi) const override;
};

}  // namespace win32
