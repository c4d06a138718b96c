#include "win32/ansi_codec.h"

#include <windows.h>

#include "model/code_page.h"
#include "win32/text.h"

namespace win32 {

AnsiCodec::AnsiCodec() : codePage_(model::dataCodePage(GetACP())) {}

// Never UTF-8, so a character without a form in the code page is told by
// the default character being used.
std::optional<std::string> AnsiCodec::encode(std::string_view utf8) const
{
    if (utf8.empty()) return std::string();
    const int inSize = static_cast<int>(utf8.size());
    const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inSize, nullptr, 0);
    if (wideSize == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inSize, wide.data(), wideSize);

    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, nullptr, 0, nullptr,
                                      &usedDefault);
    if (n == 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, out.data(), n, nullptr, &usedDefault);
    if (usedDefault) return std::nullopt;
    return out;
}

std::optional<std::string> AnsiCodec::decode(std::string_view ansi) const
{
    if (ansi.empty()) return std::string();
    const int inSize = static_cast<int>(ansi.size());
    const int n = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, ansi.data(), inSize, nullptr, 0);
    if (n == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, ansi.data(), inSize, wide.data(), n);
    return narrow(wide);
}

}  // namespace win32
