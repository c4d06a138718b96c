#include "win32/system_error.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/text.h"

namespace win32 {

std::string systemErrorText(unsigned long code)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const OwnedLocalMemory allocated(buffer);
    std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    if (text.empty()) text = L"(エラー " + std::to_wstring(code) + L")";
    return narrow(text);
}

}  // namespace win32
