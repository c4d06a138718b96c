#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ui {

// A picture as rows of pixels from the top, four bytes each: blue, green,
// red and alpha, the order the system's 32-bit bitmaps take.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;

    friend bool operator==(const Pixels&, const Pixels&) = default;
};

// The pixels of a PNG file; nothing when the data is not a whole PNG.
std::optional<Pixels> decodePng(std::span<const std::byte> file);

// The picture at another size, each new pixel the average of the part of
// the picture it covers: a drawing made for a larger scale shrinks without
// dropping its thin lines, and a sharp edge blurs by one pixel at most.
Pixels resized(const Pixels& picture, int width, int height);

}  // namespace ui
