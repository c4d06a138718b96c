#pragma once

#include <windows.h>

namespace win32 {

// An object behind a native window. The one window procedure stores the
// object at WM_NCCREATE, forgets it at WM_NCDESTROY and lets no exception
// out of a handler.
class MessageTarget {
public:
    MessageTarget() = default;
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;
    virtual ~MessageTarget() = default;

    HWND hwnd() const { return hwnd_; }
    // Whether the dialog manager takes the window's keyboard (Tab, arrows, Esc, Enter).
    virtual bool dialogKeyboard() const { return false; }

    // The object behind a native window of this program, if any.
    static MessageTarget* of(HWND hwnd);

protected:
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // Destroys the native window, if it still exists.
    void destroyWindow();

private:
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
};

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class of this program that uses the one window procedure.
const wchar_t* registerWindowClass(const wchar_t* name, UINT style, HCURSOR cursor);

}  // namespace win32
