#include "posix/iconv_codec.h"

#include <iconv.h>

namespace posix {
namespace {

std::optional<std::string> convert(const std::string& to, const std::string& from, std::string_view input)
{
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write the input
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t converted = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    const bool flushed = converted != static_cast<std::size_t>(-1) &&
                         ::iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(cd);
    if (!flushed || inLeft != 0) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> IconvCodec::encode(std::string_view utf8) const { return convert(codePage_, "UTF-8", utf8); }

std::optional<std::string> IconvCodec::decode(std::string_view ansi) const { return convert("UTF-8", codePage_, ansi); }

}  // namespace posix
