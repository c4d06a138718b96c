#pragma once

#include <string>

namespace win32 {

// The system's own description of an error code, in the user's language.
std::string systemErrorText(unsigned long code);

}  // namespace win32
