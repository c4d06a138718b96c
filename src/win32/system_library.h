#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>

namespace win32 {

// The system libraries the program takes functions from when it first needs
// them rather than with the program, so that start-up does not pay for what
// most sessions never use.
enum class SystemLibrary {
    Ole32,           // COM and OLE
    OleAut32,        // the strings screen readers are handed
    OleAcc,          // screen readers
    CommonControls,  // subclassing and tooltips; their window classes are registered when loaded
    CommonDialogs,   // the file dialog, which brings the printing system with it
    User32,          // loaded with the program; asked for what older systems lack
};

// Loads a system library from the system folder, never a copy that lies
// beside the program or in the current folder. The common controls go by name
// there too, so the program's manifest still picks version 6 rather than the
// system folder's version 5. nullptr when the library cannot be loaded.
HMODULE loadSystemLibrary(SystemLibrary library);

// A system library, loaded on the first call; it then stays loaded.
template <SystemLibrary library>
HMODULE systemLibrary()
{
    static const HMODULE loaded = loadSystemLibrary(library);
    return loaded;
}

// A function's name as a template argument, so that each function is looked
// up once.
template <std::size_t N>
struct FunctionName {
    constexpr FunctionName(const char (&name)[N]) { std::copy_n(name, N, text); }
    char text[N];
};

// A function of a system library, or nullptr when the library or the function
// is missing: the caller's own fallback applies, as on a system without it.
template <class Function, SystemLibrary library, FunctionName name>
Function* systemFunction()
{
    static Function* const found = [] {
        HMODULE module = systemLibrary<library>();
        return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name.text)))
                      : nullptr;
    }();
    return found;
}

}  // namespace win32
