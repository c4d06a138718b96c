#pragma once

#include <windows.h>

#include <cstddef>

#include "win32/handles.h"

namespace win32 {

// A 32-bit top-down DIB section of a picture compiled into the program (a
// PNG file), at the given size: averaged down (or up) from its own size when
// that is another; empty when it cannot be decoded. No system library
// beyond GDI is involved, so the bar draws itself before COM is started.
OwnedBitmap decodePicture(const void* data, std::size_t size, SIZE into);

// A 32-bit top-down DIB section of the size, its pixels at bits; empty
// when the system cannot make it.
OwnedBitmap topDownBitmap(SIZE size, void*& bits);

}  // namespace win32
