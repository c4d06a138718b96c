#pragma once

#include <windows.h>

namespace win32 {

// A function of a system library that is loaded when it is first needed
// rather than with the program, so that start-up does not pay for what most
// sessions never use. The library then stays loaded. nullptr when the
// library or the function is missing.
FARPROC systemProcedure(const wchar_t* library, const char* name);

template <class Function>
Function* systemFunction(const wchar_t* library, const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(systemProcedure(library, name)));
}

// Loads the common controls, version 6 as the program's manifest asks, for
// the first standard control or tooltip: the bar shows itself without them.
// nullptr when they cannot be loaded.
HMODULE loadCommonControls();

// A function of the common controls (loading them), or nullptr.
template <class Function>
Function* commonControlsFunction(const char* name)
{
    HMODULE module = loadCommonControls();
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace win32
