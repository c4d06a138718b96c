#include "win32/image_decoder.h"

#include <cstring>

#include "ui/pixels.h"

namespace win32 {

OwnedBitmap topDownBitmap(SIZE size, void*& bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

OwnedBitmap decodePicture(const void* data, std::size_t size, SIZE into)
{
    auto decoded = ui::decodePng({static_cast<const std::byte*>(data), size});
    if (!decoded || into.cx <= 0 || into.cy <= 0) return {};
    const ui::Pixels pixels = decoded->width == into.cx && decoded->height == into.cy
                                  ? std::move(*decoded)
                                  : ui::resized(*decoded, into.cx, into.cy);
    void* bits = nullptr;
    OwnedBitmap bitmap = topDownBitmap(into, bits);
    if (bitmap) std::memcpy(bits, pixels.bgra.data(), pixels.bgra.size());
    return bitmap;
}

}  // namespace win32
