#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <utility>

namespace win32 {

// What an owner holds. Every owner keeps a count of the handles of its kind
// that are open, so that a long test can see whether any kind grows; the
// program answers a registered message with them (kLiveHandlesMessage).
enum class HandleKind { File, Kernel, Font, Brush, Bitmap, Icon, Menu, DeviceContext, LocalMemory };
inline constexpr std::size_t kHandleKinds = 9;
// The registered message's name; wParam is a HandleKind, the answer its count.
inline constexpr wchar_t kLiveHandlesMessage[] = L"Noctaris.LiveHandles";

namespace handle {
inline std::array<std::atomic<long>, kHandleKinds> live{};
}  // namespace handle

inline long liveHandles(HandleKind kind) { return handle::live[static_cast<std::size_t>(kind)].load(); }

// A handle of the system that is closed with its owner. Move-only; empty is
// the value the call that makes the handle returns on failure. A handle given
// up (release) is counted no more: whoever took it closes it.
template <class Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) { count(1); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Traits::none())) {}
    Owned& operator=(Owned&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::none(); }
    // Gives the handle up without closing it.
    Handle release()
    {
        count(-1);
        return std::exchange(handle_, Traits::none());
    }
    void reset(Handle handle = Traits::none())
    {
        if (*this) Traits::close(release());
        handle_ = handle;
        count(1);
    }
    // Closes it now; false when the system says closing failed (a file's
    // last write may fail there).
    bool close() { return !*this || Traits::close(release()); }

private:
    void count(long change)
    {
        if (*this) handle::live[static_cast<std::size_t>(Traits::kind)] += change;
    }

    Handle handle_ = Traits::none();
};

namespace handle {

template <class H, auto closeFunction, HandleKind k>
struct NullWhenNone {
    using Handle = H;
    static constexpr HandleKind kind = k;
    static Handle none() { return nullptr; }
    static bool close(Handle h) { return closeFunction(h) != 0; }
};

struct File {
    using Handle = HANDLE;
    static constexpr HandleKind kind = HandleKind::File;
    static Handle none() { return INVALID_HANDLE_VALUE; }
    static bool close(Handle h) { return CloseHandle(h) != 0; }
};

struct LocalMemory {
    using Handle = HLOCAL;
    static constexpr HandleKind kind = HandleKind::LocalMemory;
    static Handle none() { return nullptr; }
    static bool close(Handle h) { return LocalFree(h) == nullptr; }
};

}  // namespace handle

// What CreateFile opens.
using OwnedFile = Owned<handle::File>;
// A kernel object other than a file: a mutex, a process, a thread.
using OwnedHandle = Owned<handle::NullWhenNone<HANDLE, CloseHandle, HandleKind::Kernel>>;
// A font, brush or bitmap.
template <class GdiHandle, HandleKind kind>
using OwnedGdiObject = Owned<handle::NullWhenNone<GdiHandle, DeleteObject, kind>>;
using OwnedFont = OwnedGdiObject<HFONT, HandleKind::Font>;
using OwnedBrush = OwnedGdiObject<HBRUSH, HandleKind::Brush>;
using OwnedBitmap = OwnedGdiObject<HBITMAP, HandleKind::Bitmap>;
using OwnedIcon = Owned<handle::NullWhenNone<HICON, DestroyIcon, HandleKind::Icon>>;
// A menu, with the submenus it holds.
using OwnedMenu = Owned<handle::NullWhenNone<HMENU, DestroyMenu, HandleKind::Menu>>;
// A device context that was created (CreateCompatibleDC), not borrowed.
using OwnedDC = Owned<handle::NullWhenNone<HDC, DeleteDC, HandleKind::DeviceContext>>;
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
