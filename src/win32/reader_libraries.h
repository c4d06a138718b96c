#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace win32 {

// The libraries of screen readers, loaded when a reader first asks: most
// sessions never need them. A function is nullptr when it is missing.
struct ReaderLibraries {
    decltype(LresultFromObject)* lresultFromObject;
    decltype(CreateStdAccessibleObject)* createStdAccessibleObject;
    // Texts go to the reader as strings of the automation library, which frees them.
    decltype(SysAllocStringLen)* sysAllocStringLen;
};

const ReaderLibraries& readerLibraries();

// A text for a reader: S_FALSE with no string when it is empty.
HRESULT readerText(const std::string& utf8, BSTR* out);

}  // namespace win32
