#include "win32/ansi_codec.h"

#include <windows.h>

#include "win32/text.h"

namespace win32 {

std::optional<std::string> AnsiCodec::encode(std::string_view utf8) const
{
    if (utf8.empty()) return std::string();
    const int inSize = static_cast<int>(utf8.size());
    const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inSize, nullptr, 0);
    if (wideSize == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inSize, wide.data(), wideSize);

    // A UTF-8 code page has a form for every character and takes no default character.
    const bool utf8CodePage = GetACP() == CP_UTF8;
    const DWORD flags = utf8CodePage ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8CodePage ? nullptr : &usedDefault;
    const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), wideSize, nullptr, 0, nullptr, usedDefaultOut);
    if (n == 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), wideSize, out.data(), n, nullptr, usedDefaultOut);
    if (usedDefault) return std::nullopt;
    return out;
}

std::optional<std::string> AnsiCodec::decode(std::string_view ansi) const
{
    if (ansi.empty()) return std::string();
    const int inSize = static_cast<int>(ansi.size());
    const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), inSize, nullptr, 0);
    if (n == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), inSize, wide.data(), n);
    return narrow(wide);
}

}  // namespace win32
