#pragma once

#include <cmath>
#include <compare>
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

inline bool contains(const Rect& r, Point p)
{
    return p.x >= r.left && p.y >= r.top && p.x < r.left + r.width && p.y < r.top + r.height;
}

// How far a window's frame reaches in from each edge, pixels.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A colour: red, green and blue, 0 to 255 each.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    auto operator<=>(const Rgb&) const = default;
};
constexpr Rgb rgb(int red, int green, int blue)
{
    return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
}

struct Font {
    std::string face = "ＭＳ Ｐゴシック";
    float points = 9;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// Move and No: a button being moved over where it can land, and over where it cannot.
enum class MousePointer { Default, Arrow, Hourglass, UpArrow, Move, No };

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

// A mouse event as the system reports it on a top-level window, before it
// is routed to the control under the pointer.
enum class MouseAction { Move, Press, Release };
struct MouseInput {
    MouseAction action = MouseAction::Move;
    int button = 0;         // the button pressed or released; 0 for a move
    int held = 0;           // the buttons held once the event has happened
    int shift = 0;
    Point point;            // in the window's client area, pixels
    unsigned timeMs = 0;    // when it happened, for telling a double click

    static MouseInput of(MouseAction action, int button, int held, Point point = {}, unsigned timeMs = 0)
    {
        MouseInput in;
        in.action = action;
        in.button = button;
        in.held = held;
        in.point = point;
        in.timeMs = timeMs;
        return in;
    }
};

// A key the bar answers, as the backend reports it. Menu is the system's
// request for a context menu from the keyboard (Shift+F10, the menu key).
// Z and Y are the letter keys (with Ctrl: undo and redo).
enum class Key { Other, Left, Right, Up, Down, Tab, Enter, Space, F2, Menu, Digit, Escape, Z, Y };
struct KeyInput {
    Key key = Key::Other;
    int digit = 0;  // for Key::Digit, 0 to 9
    int shift = 0;  // shift::kShift, kCtrl, kAlt
};

// A mouse event on a notification-area icon, or the icon chosen from the
// keyboard (Win+B, the arrows, then Enter or Space).
enum class TrayEvent {
    LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick, MiddleDown, MiddleUp, KeySelect
};

// What the event handlers of a control or window receive.
struct MouseEvent {
    int button = 0;  // the button pressed or released; for moves, the buttons held
    int shift = 0;
    float x = 0;     // in the control's own scale: pixels
    float y = 0;
};

// Conversion to the nearest whole number, halves going to the even neighbour.
inline int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace ui
