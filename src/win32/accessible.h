#pragma once

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <vector>

#include "ui/forward.h"
#include "win32/com_object.h"
#include "win32/messages.h"

namespace win32 {

// A window's client area as Microsoft Active Accessibility shows it to
// screen readers and automation: its windowless controls as simple child
// elements (child id n is the window's n-th accessible child), with their
// roles, names, values, places on the screen and default actions. A default
// action is posted to the window as kDefaultActionMessage, so that whatever
// it opens does not block the reader that asked for it.
class WindowAccessible final : public ComObject<IAccessible, IID_IDispatch, IID_IAccessible> {
public:
    WindowAccessible(HWND hwnd, ui::Window& window) : hwnd_(hwnd), window_(&window) {}

    // The window is going away: readers still holding this object get errors.
    void disconnect() { window_ = nullptr; }
    // What WM_GETOBJECT answers for the client area.
    LRESULT resultFor(WPARAM wParam);

    // IDispatch: readers use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~WindowAccessible() = default;

    std::vector<ui::Control*> children() const;
    // The control a child id names; CHILDID_SELF gives nullptr with S_OK.
    HRESULT resolve(const VARIANT& child, ui::Control*& control) const;

    HWND hwnd_;
    ui::Window* window_;
};

// The child id of a control among the window's accessible children, or 0.
long accessibleChildId(ui::Window& window, const ui::Control& control);

// A window's side of screen readers: the object it answers them with, made
// when a reader first asks, and what it tells them.
class Readers {
public:
    Readers(HWND hwnd, ui::Window& window) : hwnd_(hwnd), window_(window) {}
    Readers(const Readers&) = delete;
    Readers& operator=(const Readers&) = delete;
    ~Readers();

    // WM_GETOBJECT for the client area; 0 when the window has nothing to say.
    LRESULT answer(WPARAM wParam, LPARAM lParam);
    void nameChanged(const ui::Control& control);
    void childrenChanged();
    // The keyboard arrived on a control of the active window.
    void focusChanged(const ui::Control& control);

private:
    HWND hwnd_;
    ui::Window& window_;
    Microsoft::WRL::ComPtr<WindowAccessible> object_;
};

}  // namespace win32
