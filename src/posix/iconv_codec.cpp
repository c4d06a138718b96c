#include "posix/iconv_codec.h"

#include <stdexcept>

namespace posix {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

iconv_t open(const std::string& to, const std::string& from)
{
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == kNoConverter) throw std::runtime_error("no converter from " + from + " to " + to);
    return cd;
}

std::optional<std::string> convert(iconv_t cd, std::string_view input)
{
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write the input
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (::iconv(cd, &in, &inLeft, &out, &outLeft) == kFailed || inLeft != 0) return std::nullopt;
    if (::iconv(cd, nullptr, nullptr, &out, &outLeft) == kFailed) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

IconvCodec::IconvCodec(const std::string& codePage)
    : encoder_(open(codePage, "UTF-8")), decoder_(open("UTF-8", codePage))
{
}

IconvCodec::~IconvCodec()
{
    ::iconv_close(encoder_);
    ::iconv_close(decoder_);
}

std::optional<std::string> IconvCodec::encode(std::string_view utf8) const { return convert(encoder_, utf8); }

std::optional<std::string> IconvCodec::decode(std::string_view ansi) const { return convert(decoder_, ansi); }

}  // namespace posix
