#pragma once

#include <iconv.h>

#include <string>

#include "model/ansi_codec.h"

namespace posix {

// The ANSI code page of a Japanese Windows system, through iconv: the data
// files written by the native tools and read by the tests. The converters
// are opened once; a codec is for one thread.
class IconvCodec final : public model::AnsiCodec {
public:
    explicit IconvCodec(const std::string& codePage = "CP932");
    IconvCodec(const IconvCodec&) = delete;
    IconvCodec& operator=(const IconvCodec&) = delete;
    ~IconvCodec() override;

    std::optional<std::string> encode(std::string_view utf8) const override;
    std::optional<std::string> decode(std::string_view ansi) const override;

private:
    iconv_t encoder_;
    iconv_t decoder_;
};

}  // namespace posix
