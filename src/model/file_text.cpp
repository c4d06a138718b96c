#include "model/file_text.h"

namespace model {
namespace {

constexpr char32_t kKeptByteBase = 0xF700;
constexpr std::size_t kLongestCharacter = 4;  // bytes, in any ANSI code page

void appendUtf8(std::string& out, char32_t c)
{
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// The kept byte a three-byte UTF-8 sequence at text[i] stands for, if it is one.
std::optional<unsigned char> keptByteAt(std::string_view text, std::size_t i)
{
    if (i + 3 > text.size()) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if (b0 != 0xEF || (b1 & 0xFC) != 0x9C || (b2 & 0xC0) != 0x80) return std::nullopt;
    const char32_t c = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
    if (c < kKeptByteBase || c > kKeptByteBase + 0xFF) return std::nullopt;
    return static_cast<unsigned char>(c - kKeptByteBase);
}

// Every kept byte starts with 0xEF; a search for that byte is faster than a
// test at every position.
bool holdsKeptByte(std::string_view text)
{
    for (auto i = text.find('\xEF'); i != std::string_view::npos; i = text.find('\xEF', i + 1)) {
        if (keptByteAt(text, i)) return true;
    }
    return false;
}

// The text of some bytes, when writing that text gives back those very bytes.
// A code page may have two forms of one character; only the form it writes
// itself is read as that character, so that a rewrite changes no byte.
std::optional<std::string> decodeExactly(const AnsiCodec& codec, std::string_view ansi)
{
    auto text = codec.decode(ansi);
    if (!text || holdsKeptByte(*text) || codec.encode(*text) != ansi) return std::nullopt;
    return text;
}

}  // namespace

std::string decodeFileText(const AnsiCodec& codec, std::string_view ansi)
{
    if (auto whole = decodeExactly(codec, ansi)) return *whole;

    std::string out;
    std::size_t i = 0;
    while (i < ansi.size()) {
        bool decoded = false;
        for (std::size_t n = 1; n <= kLongestCharacter && i + n <= ansi.size(); ++n) {
            if (auto piece = decodeExactly(codec, ansi.substr(i, n))) {
                out += *piece;
                i += n;
                decoded = true;
                break;
            }
        }
        if (!decoded) {
            appendUtf8(out, kKeptByteBase + static_cast<unsigned char>(ansi[i]));
            ++i;
        }
    }
    return out;
}

EncodedText encodeFileText(const AnsiCodec& codec, std::string_view utf8)
{
    EncodedText result;
    if (utf8.find('"') != std::string_view::npos) {
        result.refusal = TextRefusal::DoubleQuote;
        return result;
    }
    std::size_t runStart = 0;
    auto flushRun = [&](std::size_t end) {
        if (end == runStart) return true;
        auto piece = codec.encode(utf8.substr(runStart, end - runStart));
        if (!piece) return false;
        result.bytes += *piece;
        return true;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        if (auto byte = keptByteAt(utf8, i)) {
            if (!flushRun(i)) {
                result.refusal = TextRefusal::Unrepresentable;
                return result;
            }
            result.bytes += static_cast<char>(*byte);
            i += 3;
            runStart = i;
        } else {
            ++i;
        }
    }
    if (!flushRun(utf8.size())) result.refusal = TextRefusal::Unrepresentable;
    return result;
}

std::optional<TextRefusal> checkUserText(const AnsiCodec& codec, std::string_view utf8)
{
    if (utf8.find('"') != std::string_view::npos) return TextRefusal::DoubleQuote;
    if (!codec.encode(utf8) || holdsKeptByte(utf8)) return TextRefusal::Unrepresentable;
    return std::nullopt;
}

std::optional<TextRefusal> checkEditedText(const AnsiCodec& codec, std::string_view utf8, std::string_view stored)
{
    if (utf8 == stored) return encodeFileText(codec, utf8).refusal;
    return checkUserText(codec, utf8);
}

}  // namespace model
