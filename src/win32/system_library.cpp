#include "win32/system_library.h"

#include <commctrl.h>

#include <string>

namespace win32 {

// From the system folder by its full path: never a copy that happens to lie
// beside the program or in the current folder.
FARPROC systemProcedure(const wchar_t* library, const char* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + library;
    HMODULE module = LoadLibraryW(path.c_str());
    return module ? GetProcAddress(module, name) : nullptr;
}

HMODULE loadCommonControls()
{
    static const HMODULE loaded = [] {
        // By name, not by path: the manifest then picks version 6, where the
        // system folder holds version 5.
        HMODULE module = LoadLibraryW(L"comctl32.dll");
        const auto initialise = module ? reinterpret_cast<decltype(InitCommonControlsEx)*>(
                                             reinterpret_cast<void*>(GetProcAddress(module, "InitCommonControlsEx")))
                                       : nullptr;
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        if (initialise) initialise(&classes);
        return module;
    }();
    return loaded;
}

}  // namespace win32
