#include "win32/dpi.h"

#include "win32/handles.h"
#include "win32/system_library.h"

namespace win32 {

int systemDpi()
{
    const ScreenDC screen;
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

int dpiOfWindow(HWND hwnd)
{
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    const auto getDpiForWindow = systemFunction<GetDpiForWindowFn, SystemLibrary::User32, "GetDpiForWindow">();
    const UINT dpi = getDpiForWindow ? getDpiForWindow(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = systemFunction<AdjustFn, SystemLibrary::User32, "AdjustWindowRectExForDpi">();
    if (!adjust || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
}

}  // namespace win32
