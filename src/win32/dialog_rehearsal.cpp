#include "win32/dialog_rehearsal.h"

#include <windows.h>

#include "ui/scale.h"
#include "win32/gdi.h"
#include "win32/handles.h"
#include "win32/image_decoder.h"
#include "win32/system_library.h"

namespace win32 {
namespace {

// Kana and kanji, so that the font's Japanese glyphs are loaded too.
constexpr const wchar_t* kSample = L"登録 ファイル";

// A window and its children drawn, frame included, into the memory DC: the
// system makes what their look needs just as a paint on screen would.
void print(HWND hwnd, HDC dc)
{
    SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
}

}  // namespace

void rehearseDialog(Gdi& gdi, const ui::Font& font, ui::Art face, int dpi)
{
    systemLibrary<SystemLibrary::CommonControls>();
    const ui::Scale scale{dpi};
    const ui::Point size = ui::artSize(face);
    const RECT faceRect{0, 0, scale.pixels(size.x), scale.pixels(size.y)};

    const OwnedDC screen(CreateCompatibleDC(nullptr));
    if (!screen) return;
    void* bits = nullptr;
    const OwnedBitmap canvas = topDownBitmap({faceRect.right, faceRect.bottom}, bits);
    if (!canvas) return;
    const SelectedObject selected(screen.get(), canvas.get());
    gdi.drawArt(screen.get(), face, faceRect);

    const HFONT dialogFont = gdi.font(font, dpi);
    {
        const SelectedObject text(screen.get(), dialogFont);
        RECT r = faceRect;
        DrawTextW(screen.get(), kSample, -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    }

    // Hidden, and gone before anything could show it.
    const HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, faceRect.right,
                                        faceRect.bottom, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!dialog) return;
    const HWND children[] = {
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", kSample, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0,
                        faceRect.right / 2, faceRect.bottom / 4, dialog, nullptr, GetModuleHandleW(nullptr), nullptr),
        CreateWindowExW(0, L"BUTTON", kSample, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, faceRect.bottom / 2,
                        faceRect.right / 2, faceRect.bottom / 4, dialog, nullptr, GetModuleHandleW(nullptr), nullptr),
    };
    print(dialog, screen.get());
    for (HWND child : children) {
        if (!child) continue;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        print(child, screen.get());
    }
    DestroyWindow(dialog);
}

}  // namespace win32
