#pragma once

#include <windows.h>

#include "ui/types.h"

namespace win32 {

inline RECT toRect(const ui::Rect& r) { return RECT{r.left, r.top, r.left + r.width, r.top + r.height}; }

}  // namespace win32
