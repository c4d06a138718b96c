#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

// A handle of the system that is closed with its owner. Move-only; empty is
// the value the call that makes the handle returns on failure.
template <class Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::none(); }
    // Gives the handle up without closing it.
    Handle release() { return std::exchange(handle_, Traits::none()); }
    void reset(Handle handle = Traits::none())
    {
        if (*this) Traits::close(handle_);
        handle_ = handle;
    }
    // Closes it now; false when the system says closing failed (a file's
    // last write may fail there).
    bool close() { return !*this || Traits::close(release()); }

private:
    Handle handle_ = Traits::none();
};

namespace handle {

template <class H, auto closeFunction>
struct NullWhenNone {
    using Handle = H;
    static Handle none() { return nullptr; }
    static bool close(Handle h) { return closeFunction(h) != 0; }
};

struct File {
    using Handle = HANDLE;
    static Handle none() { return INVALID_HANDLE_VALUE; }
    static bool close(Handle h) { return CloseHandle(h) != 0; }
};

struct LocalMemory {
    using Handle = HLOCAL;
    static Handle none() { return nullptr; }
    static bool close(Handle h) { return LocalFree(h) == nullptr; }
};

}  // namespace handle

// What CreateFile opens.
using OwnedFile = Owned<handle::File>;
// A kernel object other than a file: a mutex, a process, a thread.
using OwnedHandle = Owned<handle::NullWhenNone<HANDLE, CloseHandle>>;
// A font, brush or bitmap.
template <class GdiHandle>
using OwnedGdiObject = Owned<handle::NullWhenNone<GdiHandle, DeleteObject>>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedIcon = Owned<handle::NullWhenNone<HICON, DestroyIcon>>;
// A menu, with the submenus it holds.
using OwnedMenu = Owned<handle::NullWhenNone<HMENU, DestroyMenu>>;
// A device context that was created (CreateCompatibleDC), not borrowed.
using OwnedDC = Owned<handle::NullWhenNone<HDC, DeleteDC>>;
// What the system allocated for the caller to free with LocalFree (FormatMessage).
using OwnedLocalMemory = Owned<handle::LocalMemory>;

// The screen's device context, borrowed for as long as this lives.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC()
    {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for as long as this lives; the
// one it replaced goes back. An owned object must be selected out before it
// is deleted, so this is declared after it.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace win32
