#include "win32/gdi.h"

#include <algorithm>

#include "ui/container.h"
#include "ui/control.h"
#include "ui/window.h"
#include "ui/hit_test.h"
#include "win32/image_decoder.h"
#include "win32/text.h"

namespace win32 {

namespace {

// Shell icons are drawn at the size of the button they sit on, whatever
// size the shell hands out.
constexpr int kShellIconSize = 32;

// What stands in for a picture that could not be loaded: plainly visible,
// so the window still shows where the picture belongs.
constexpr ui::Rgb kMissingArt = ui::rgb(128, 128, 128);

}  // namespace

LOGFONTW logFontOf(const ui::Font& f, int dpi)
{
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(static_cast<int>(f.points * 100 + 0.5f), dpi, 7200);
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = widen(f.face);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return lf;
}

COLORREF toColorRef(ui::Rgb color) { return RGB(color.red, color.green, color.blue); }

void fillRect(HDC dc, const RECT& rect, ui::Rgb color)
{
    const COLORREF old = SetBkColor(dc, toColorRef(color));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

HBITMAP Gdi::bitmap(ui::Art art, SIZE size)
{
    const auto key = std::make_tuple(art, size.cx, size.cy);
    auto found = bitmaps_.find(key);
    if (found != bitmaps_.end()) return found->second.get();
    // Compiled in as "<name>_<percent>" (assets/art.rc).
    const int percent = ui::artVariantDpi(art, {size.cx, size.cy}) * 100 / ui::Scale::kDesignDpi;
    const std::wstring name = widen(ui::artName(art)) + L"_" + std::to_wstring(percent);
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    OwnedBitmap bitmap = data ? decodePicture(data, SizeofResource(module, resource), size) : OwnedBitmap();
    // A picture that failed is tried again the next time it is drawn.
    if (!bitmap) return nullptr;
    return bitmaps_.emplace(key, std::move(bitmap)).first->second.get();
}

HFONT Gdi::font(const ui::Font& f, int dpi)
{
    const auto key = std::make_tuple(f.face, f.points, f.bold, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    const LOGFONTW lf = logFontOf(f, dpi);
    HFONT font = CreateFontIndirectW(&lf);
    if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, OwnedFont(font));
    return font;
}

HBRUSH Gdi::brush(ui::Rgb color)
{
    auto found = brushes_.find(color);
    if (found != brushes_.end()) return found->second.get();
    HBRUSH brush = CreateSolidBrush(toColorRef(color));
    brushes_.emplace(color, OwnedBrush(brush));
    return brush;
}

HICON Gdi::programIcon(int size)
{
    auto found = icons_.find(size);
    if (found != icons_.end()) return found->second.get();
    auto* icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!icon) return LoadIconW(nullptr, IDI_APPLICATION);
    icons_.emplace(size, OwnedIcon(icon));
    return icon;
}

void Gdi::drawArt(HDC dc, ui::Art art, const RECT& into)
{
    if (art == ui::Art::None) return;
    if (art == ui::Art::ProgramIcon) {
        const int width = into.right - into.left;
        const int height = into.bottom - into.top;
        DrawIconEx(dc, into.left, into.top, programIcon(width), width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    const SIZE size{into.right - into.left, into.bottom - into.top};
    if (size.cx <= 0 || size.cy <= 0) return;
    HBITMAP b = bitmap(art, size);
    if (!b) {
        fillRect(dc, into, kMissingArt);
        return;
    }
    const OwnedDC source(CreateCompatibleDC(dc));
    const SelectedObject selected(source.get(), b);
    BitBlt(dc, into.left, into.top, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

void Gdi::drawSurface(HDC dc, const ui::Surface& surface, const ui::Font& f, POINT origin, const ui::Scale& scale)
{
    if (surface.drawings().empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, font(f, scale.dpi));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int iconSize = scale.pixels(kShellIconSize);
    for (const ui::Drawing& drawing : surface.drawings()) {
        const int x = origin.x + ui::roundHalfEven(drawing.x * scale.dpi / ui::Scale::kDesignDpi);
        const int y = origin.y + ui::roundHalfEven(drawing.y * scale.dpi / ui::Scale::kDesignDpi);
        if (drawing.kind == ui::Drawing::Kind::ShellIcon) {
            if (const auto* native = dynamic_cast<const Icon*>(drawing.icon.get())) {
                DrawIconEx(dc, x, y, native->get(), iconSize, iconSize, 0, nullptr, DI_NORMAL);
            }
        } else {
            SetTextColor(dc, toColorRef(drawing.color));
            const std::wstring wide = widen(drawing.text);
            TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        }
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void Gdi::drawControls(HDC dc, ui::Container& container, const RECT& update)
{
    const auto& children = container.children();
    // Back to front: the list holds the front one first.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        ui::Control& control = **it;
        if (!control.visible() || !ui::isWindowless(control)) continue;
        const ui::Rect b = ui::deviceRect(control);
        RECT rect{b.left, b.top, b.left + b.width, b.top + b.height};
        RECT meets;
        if (!IntersectRect(&meets, &rect, &update)) continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        drawControl(dc, control, rect, update);
        RestoreDC(dc, saved);
    }
}

void Gdi::drawFocusRing(HDC dc, const RECT& around, ui::Rgb color, const ui::Scale& scale)
{
    const int width = std::max(1, scale.pixels(1));
    const RECT edges[] = {{around.left, around.top, around.right, around.top + width},
                          {around.left, around.bottom - width, around.right, around.bottom},
                          {around.left, around.top, around.left + width, around.bottom},
                          {around.right - width, around.top, around.right, around.bottom}};
    for (const RECT& edge : edges) fillRect(dc, edge, color);
}

void Gdi::drawMark(HDC dc, const RECT& around, ui::Rgb color, const ui::Scale& scale)
{
    const int width = std::max(1, scale.pixels(1));
    drawFocusRing(dc, around, color, scale);
    drawFocusRing(dc, RECT{around.left + width, around.top + width, around.right - width, around.bottom - width}, color,
                  scale);
}

void Gdi::drawControl(HDC dc, ui::Control& control, const RECT& rect, const RECT& update)
{
    const POINT corner{rect.left, rect.top};
    const ui::Scale scale = control.window().scale();
    switch (control.kind()) {
    case ui::ControlKind::PictureBox: {
        auto* picture = static_cast<ui::PictureBox*>(&control);
        fillRect(dc, rect, picture->backColor());
        const ui::Point art = ui::artSize(picture->picture());
        drawArt(dc, picture->picture(),
                RECT{rect.left, rect.top, rect.left + scale.pixels(art.x), rect.top + scale.pixels(art.y)});
        drawSurface(dc, picture->surface(), picture->font(), corner, scale);
        drawControls(dc, *picture, update);
        break;
    }
    case ui::ControlKind::Frame: {
        auto* frame = static_cast<ui::Frame*>(&control);
        const ui::Window& window = frame->window();
        fillRect(dc, rect, window.backColor());
        HGDIOBJ oldFont = SelectObject(dc, font(window.font(), scale.dpi));
        const std::wstring caption = widen(frame->caption());
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        RECT edge = rect;
        edge.top += text.cy / 2;
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, toColorRef(window.backColor()));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        if (!caption.empty()) {
            TextOutW(dc, rect.left + scale.pixels(8), rect.top, caption.c_str(), static_cast<int>(caption.size()));
        }
        SelectObject(dc, oldFont);
        drawControls(dc, *frame, update);
        break;
    }
    case ui::ControlKind::Label: {
        const auto* label = static_cast<const ui::Label*>(&control);
        HGDIOBJ oldFont = SelectObject(dc, font(label->font(), scale.dpi));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, toColorRef(label->foreColor()));
        const std::wstring text = widen(label->caption());
        RECT r = rect;
        const UINT align = label->alignment() == ui::Alignment::Center ? DT_CENTER : DT_LEFT;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, align | DT_WORDBREAK | DT_NOPREFIX);
        SetBkMode(dc, oldMode);
        SelectObject(dc, oldFont);
        break;
    }
    case ui::ControlKind::Image:
        drawArt(dc, static_cast<const ui::Image&>(control).picture(), rect);
        break;
    default:
        break;
    }
}

OffscreenPaint::OffscreenPaint(HWND hwnd) : hwnd_(hwnd)
{
    target_ = BeginPaint(hwnd, &ps_);
    memory_.reset(CreateCompatibleDC(target_));
    const RECT& r = ps_.rcPaint;
    // A DIB section rather than a device bitmap: drawing into it stays in
    // the process, where a device bitmap may cost a round trip per call.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max(1L, r.right - r.left);
    info.bmiHeader.biHeight = -std::max(1L, r.bottom - r.top);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(target_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected_.emplace(memory_.get(), bitmap_.get());
    SetWindowOrgEx(memory_.get(), r.left, r.top, nullptr);
}

OffscreenPaint::~OffscreenPaint()
{
    const RECT& r = ps_.rcPaint;
    BitBlt(target_, r.left, r.top, r.right - r.left, r.bottom - r.top, memory_.get(), r.left, r.top, SRCCOPY);
    EndPaint(hwnd_, &ps_);
}

}  // namespace win32
