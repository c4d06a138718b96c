#include "win32/system_library.h"

#include <commctrl.h>

namespace win32 {
namespace {

const wchar_t* fileOf(SystemLibrary library)
{
    switch (library) {
    case SystemLibrary::Ole32: return L"ole32.dll";
    case SystemLibrary::OleAut32: return L"oleaut32.dll";
    case SystemLibrary::OleAcc: return L"oleacc.dll";
    case SystemLibrary::CommonControls: return L"comctl32.dll";
    case SystemLibrary::CommonDialogs: return L"comdlg32.dll";
    case SystemLibrary::User32: break;
    }
    return L"user32.dll";
}

}  // namespace

// LOAD_LIBRARY_SEARCH_SYSTEM32 needs Windows 8, or Windows 7 with its 2011
// update KB2533623.
HMODULE loadSystemLibrary(SystemLibrary library)
{
    HMODULE module = LoadLibraryExW(fileOf(library), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module && library == SystemLibrary::CommonControls) {
        const auto initialise = reinterpret_cast<decltype(InitCommonControlsEx)*>(
            reinterpret_cast<void*>(GetProcAddress(module, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        if (initialise) initialise(&classes);
    }
    return module;
}

}  // namespace win32
