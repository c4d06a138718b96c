#include "posix/iconv_codec.h"

#include <cerrno>
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

// Leaves the converter in its initial state, as it was opened: a finished
// conversion is flushed, a failed one reset.
std::optional<std::string> convert(iconv_t cd, std::string_view input)
{
    std::string output;
    if (input.empty()) return output;
    // Through a small buffer on the stack: the fields are short, and a short
    // result then needs no allocation beyond the string's own.
    char buffer[256];
    char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write the input
    std::size_t inLeft = input.size();
    std::size_t converted;
    do {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        converted = ::iconv(cd, &in, &inLeft, &out, &outLeft);
        if (converted == kFailed && errno != E2BIG) {
            ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
            return std::nullopt;
        }
        output.append(buffer, static_cast<std::size_t>(out - buffer));
    } while (converted == kFailed);
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    if (::iconv(cd, nullptr, nullptr, &out, &outLeft) == kFailed) {
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return std::nullopt;
    }
    output.append(buffer, static_cast<std::size_t>(out - buffer));
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
