#include "win32/reader_text.h"

#include "win32/system_library.h"
#include "win32/text.h"

namespace win32 {

HRESULT readerText(const std::string& utf8, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (utf8.empty()) return S_FALSE;
    const auto allocate = systemFunction<decltype(SysAllocStringLen), SystemLibrary::OleAut32, "SysAllocStringLen">();
    if (!allocate) return E_OUTOFMEMORY;
    const std::wstring wide = widen(utf8);
    *out = allocate(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace win32
