#pragma once

#include <string>

#include "model/ansi_codec.h"

namespace posix {

// The ANSI code page of a Japanese Windows system, through iconv: the data
// files written by the native tools and read by the tests.
class IconvCodec final : public model::AnsiCodec {
public:
    explicit IconvCodec(std::string codePage = "CP932") : codePage_(std::move(codePage)) {}
    std::optional<std::string> encode(std::string_view utf8) const override;
    std::optional<std::string> decode(std::string_view ansi) const override;

private:
    std::string codePage_;
};

}  // namespace posix
