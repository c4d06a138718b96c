// Arbitrary bytes as each of the four data files: the readers must never
// crash, hang or read out of bounds, and whatever they read must be written
// back and read again unchanged. The one text a writer may refuse is one
// holding a double quote, which a damaged file can put in an unquoted field:
// writing it would shift every later field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/data_formats.h"
#include "posix/iconv_codec.h"

namespace {

void require(bool condition)
{
    if (!condition) std::abort();
}

// The image reads back as the values it was made from, unless it was
// rightly refused for a double quote.
template <typename Values, typename Parse>
void requireRoundTrip(const Values& values, const model::FileImage& image, Parse parse)
{
    if (image.refusal) {
        require(*image.refusal == model::TextRefusal::DoubleQuote);
        require(image.refusedText.find('"') != std::string::npos);
        return;
    }
    require(parse(image.bytes) == values);
}

}  // namespace

// An input allocates a few kilobytes, so a 16 MB quarantine still holds the
// freed memory of thousands of runs for use-after-free checks; the default
// 256 MB kept the fuzzer at about 450-580 MB resident.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const posix::IconvCodec codec;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const auto position = model::parsePosition(bytes)) {
        require(model::parsePosition(model::formatPosition(*position)) == position);
    }

    const auto settings = model::parseSettings(bytes, codec).values;
    requireRoundTrip(settings, model::formatSettings(settings, codec),
                     [](std::string_view image) { return model::parseSettings(image, codec).values; });

    const auto groups = model::parseGroups(bytes, codec);
    requireRoundTrip(groups, model::formatGroups(groups, codec),
                     [](std::string_view image) { return model::parseGroups(image, codec); });

    const auto table = model::parseShortcuts(bytes, codec);
    requireRoundTrip(table, model::formatShortcuts(table, codec),
                     [](std::string_view image) { return model::parseShortcuts(image, codec); });
    return 0;
}
