#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace win32 {

// A text for a screen reader, as a string of the automation library, which
// the reader frees: S_FALSE with no string when it is empty.
HRESULT readerText(const std::string& utf8, BSTR* out);

}  // namespace win32
