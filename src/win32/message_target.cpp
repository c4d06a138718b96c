#include "win32/message_target.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "app/title.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace win32 {
namespace {

// A fault inside a handler must not end the program; say what happened once
// and carry on with the next message.
void reportUnexpected(const char* what)
{
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    const std::wstring text = L"予期しないエラーが発生しました。\r\n" + widen(what);
    MessageBoxW(nullptr, text.c_str(), widen(app::kTitle).c_str(), MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    reporting = false;
}

}  // namespace

MessageTarget* MessageTarget::of(HWND hwnd)
{
    return hwnd ? reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

void MessageTarget::destroyWindow()
{
    if (!hwnd_) return;
    const HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

LRESULT MessageTarget::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* target = static_cast<MessageTarget*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        target->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
    }
    MessageTarget* target = MessageTarget::of(hwnd);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (target) target->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (!target) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return target->handleMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        reportUnexpected(e.what());
    } catch (...) {
        reportUnexpected("unknown exception");
    }
    return 0;
}

const wchar_t* registerWindowClass(const wchar_t* name, UINT style, HCURSOR cursor)
{
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return name;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = windowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = cursor;
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) {
        throw std::runtime_error("ウィンドウクラスを登録できませんでした。" + systemErrorText(GetLastError()));
    }
    return name;
}

}  // namespace win32
