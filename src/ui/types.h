#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace ui {

// A rectangle in pixels: left and top edges, width and height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A colour as a 32-bit value with red in the low byte.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int red, int green, int blue)
{
    return static_cast<Rgb>(red & 0xFF) | (static_cast<Rgb>(green & 0xFF) << 8) |
           (static_cast<Rgb>(blue & 0xFF) << 16);
}

struct Font {
    std::string face = "ＭＳ Ｐゴシック";
    float points = 9;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class MousePointer { Default, Arrow, Hourglass, UpArrow };

// Mouse buttons and shift keys as event handlers receive them.
namespace mouse {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace mouse
namespace shift {
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
}  // namespace shift

struct MouseEvent {
    int button = 0;  // the button pressed or released; for moves, the buttons held
    int shift = 0;
    float x = 0;     // in the control's own scale: pixels
    float y = 0;
};

// Conversion to the nearest whole number, halves going to the even neighbour.
inline int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace ui
