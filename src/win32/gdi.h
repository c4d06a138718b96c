#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <tuple>

#include "ui/art.h"
#include "ui/scale.h"
#include "ui/surface.h"
#include "ui/types.h"
#include "win32/handles.h"

namespace ui {
class Container;
class Control;
}  // namespace ui

namespace win32 {

// The icon a shell lookup returned, destroyed with its last user.
class Icon final : public ui::IconImage {
public:
    explicit Icon(HICON icon) : icon_(icon) {}
    HICON get() const { return icon_.get(); }

private:
    OwnedIcon icon_;
};

// Pictures and fonts, made once and kept for the program's lifetime.
class Gdi {
public:
    Gdi() = default;
    Gdi(const Gdi&) = delete;
    Gdi& operator=(const Gdi&) = delete;

    HFONT font(const ui::Font& font, int dpi);
    HBRUSH brush(ui::Rgb color);
    HICON programIcon(int size);

    // Draws the picture into a device rectangle, from the drawing made for
    // that size when there is one (see ui::artVariantDpi).
    void drawArt(HDC dc, ui::Art art, const RECT& into);
    // Draws the windowless controls of a container, back to front, each
    // clipped to its own rectangle; only those that meet the update rectangle.
    void drawControls(HDC dc, ui::Container& container, const RECT& update);
    // The keyboard's ring around a control's rectangle: whole device pixels,
    // one at 100 %, two at 150 % and more.
    void drawFocusRing(HDC dc, const RECT& around, ui::Rgb color, const ui::Scale& scale);
    // Where a dragged element would land: a ring twice as thick.
    void drawMark(HDC dc, const RECT& around, ui::Rgb color, const ui::Scale& scale);

private:
    // The picture at a device size, decoded from the drawing compiled in
    // for it; nullptr when that fails.
    HBITMAP bitmap(ui::Art art, SIZE size);
    void drawSurface(HDC dc, const ui::Surface& surface, const ui::Font& font, POINT origin, const ui::Scale& scale);
    void drawControl(HDC dc, ui::Control& control, const RECT& rect, const RECT& update);

    std::map<std::tuple<ui::Art, LONG, LONG>, OwnedBitmap> bitmaps_;
    std::map<std::tuple<std::string, float, bool, int>, OwnedFont> fonts_;
    std::map<ui::Rgb, OwnedBrush> brushes_;
    std::map<int, OwnedIcon> icons_;
};

// A window's paint (BeginPaint to EndPaint) drawn off screen: into a memory
// bitmap of the invalid part, copied to the window in one go so that nothing
// flickers. Its DC uses the window's coordinates.
class OffscreenPaint {
public:
    explicit OffscreenPaint(HWND hwnd);
    OffscreenPaint(const OffscreenPaint&) = delete;
    OffscreenPaint& operator=(const OffscreenPaint&) = delete;
    ~OffscreenPaint();
    HDC dc() const { return memory_.get(); }
    // The part of the window being painted.
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC target_;
    OwnedDC memory_;
    OwnedBitmap bitmap_;
    std::optional<SelectedObject> selected_;
};

// The system's description of the program's font, at 96 dpi.
LOGFONTW logFontOf(const ui::Font& font, int dpi);

COLORREF toColorRef(ui::Rgb color);
void fillRect(HDC dc, const RECT& rect, ui::Rgb color);

}  // namespace win32
