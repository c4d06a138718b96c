#include "win32/reader_libraries.h"

#include "win32/system_library.h"
#include "win32/text.h"

namespace win32 {

const ReaderLibraries& readerLibraries()
{
    static const ReaderLibraries loaded{
        systemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        systemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        systemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen"),
    };
    return loaded;
}

HRESULT readerText(const std::string& utf8, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (utf8.empty()) return S_FALSE;
    const auto allocate = readerLibraries().sysAllocStringLen;
    if (!allocate) return E_OUTOFMEMORY;
    const std::wstring wide = widen(utf8);
    *out = allocate(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace win32
