// JSON text for the e2e helpers. Everything outside printable ASCII is
// written as \uXXXX so that no console or file code page can garble it.
#pragma once

#include <string>
#include <string_view>

inline std::string jsonString(std::wstring_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            const unsigned u = static_cast<unsigned>(c) & 0xffffu;
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += hex[(u >> shift) & 0xfu];
        }
    }
    return out + "\"";
}
