#pragma once

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstddef>

namespace win32 {

// Decodes the compressed pictures compiled into the program (PNG files) with
// the system's own Windows Imaging Component, loaded when the first picture
// is drawn.
class ImageDecoder {
public:
    // A 32-bit top-down DIB section of the picture at the given size, scaled
    // down (or up) with a high-quality filter when that is not its own size;
    // nullptr when it cannot be decoded.
    HBITMAP decode(const void* data, std::size_t size, SIZE into);

private:
    IWICImagingFactory* factory();

    Microsoft::WRL::ComPtr<IWICImagingFactory> factory_;
};

}  // namespace win32
