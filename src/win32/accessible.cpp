#include "win32/accessible.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/window.h"
#include "win32/reader_text.h"
#include "win32/system_library.h"

namespace win32 {
namespace {

// What VariantInit does, without loading the automation library for it.
void setEmpty(VARIANT* out) { *out = VARIANT{}; }

HRESULT number(long value, VARIANT* out)
{
    if (!out) return E_POINTER;
    setEmpty(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

long roleOf(ui::AccessibleRole role)
{
    switch (role) {
    case ui::AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case ui::AccessibleRole::PageTab: return ROLE_SYSTEM_PAGETAB;
    case ui::AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case ui::AccessibleRole::None: break;
    }
    return ROLE_SYSTEM_CLIENT;
}

// The names Japanese Windows gives these actions.
const char* actionOf(ui::AccessibleRole role)
{
    switch (role) {
    case ui::AccessibleRole::PushButton: return "押す";
    case ui::AccessibleRole::PageTab: return "切り替え";
    default: return "";
    }
}

}  // namespace

long accessibleChildId(ui::Window& window, const ui::Control& control)
{
    if (!window.accessibleChildren) return 0;
    const std::vector<ui::Control*> children = window.accessibleChildren();
    const auto found = std::find(children.begin(), children.end(), &control);
    return found == children.end() ? 0 : static_cast<long>(found - children.begin()) + 1;
}

Readers::~Readers()
{
    if (object_) object_->disconnect();
}

LRESULT Readers::answer(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) || !window_.accessibleChildren) return 0;
    if (!object_) object_ = makeComObject<WindowAccessible>(hwnd_, window_);
    return object_->resultFor(wParam);
}

void Readers::nameChanged(const ui::Control& control)
{
    if (const long id = accessibleChildId(window_, control)) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, id);
}

void Readers::childrenChanged() { NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF); }

void Readers::focusChanged(const ui::Control& control)
{
    if (const long id = accessibleChildId(window_, control)) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, id);
}

LRESULT WindowAccessible::resultFor(WPARAM wParam)
{
    const auto result = systemFunction<decltype(LresultFromObject), SystemLibrary::OleAcc, "LresultFromObject">();
    return result ? result(IID_IAccessible, wParam, this) : 0;
}

std::vector<ui::Control*> WindowAccessible::children() const
{
    return window_ && window_->accessibleChildren ? window_->accessibleChildren() : std::vector<ui::Control*>{};
}

HRESULT WindowAccessible::resolve(const VARIANT& child, ui::Control*& control) const
{
    control = nullptr;
    if (!window_) return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) return S_OK;
    const std::vector<ui::Control*> all = children();
    if (child.lVal < 1 || child.lVal > static_cast<long>(all.size())) return E_INVALIDARG;
    control = all[static_cast<std::size_t>(child.lVal - 1)];
    return S_OK;
}

HRESULT WindowAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT WindowAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT WindowAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT WindowAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT WindowAccessible::get_accParent(IDispatch** parent)
{
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!window_) return CO_E_OBJNOTCONNECTED;
    const auto create = systemFunction<decltype(CreateStdAccessibleObject), SystemLibrary::OleAcc,
                                       "CreateStdAccessibleObject">();
    if (!create) return S_FALSE;
    return create(hwnd_, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT WindowAccessible::get_accChildCount(long* count)
{
    if (!count) return E_POINTER;
    if (!window_) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<long>(children().size());
    return S_OK;
}

HRESULT WindowAccessible::get_accChild(VARIANT child, IDispatch** dispatch)
{
    if (!dispatch) return E_POINTER;
    *dispatch = nullptr;
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    // The children are simple elements without objects of their own.
    return FAILED(hr) ? hr : S_FALSE;
}

HRESULT WindowAccessible::get_accName(VARIANT child, BSTR* name)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    return readerText(control ? control->accessibleName() : window_->caption(), name);
}

HRESULT WindowAccessible::get_accValue(VARIANT child, BSTR* value)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    return readerText(control ? control->accessibleValue() : std::string(), value);
}

HRESULT WindowAccessible::get_accDescription(VARIANT child, BSTR* description) { return get_accValue(child, description); }

HRESULT WindowAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    return number(control ? roleOf(control->accessibleRole()) : ROLE_SYSTEM_CLIENT, role);
}

HRESULT WindowAccessible::get_accState(VARIANT child, VARIANT* state)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    long flags = window_->takesInput() ? 0 : STATE_SYSTEM_UNAVAILABLE;
    if (!window_->visible()) flags |= STATE_SYSTEM_INVISIBLE;
    if (control && control->onDefaultAction && window_->onKeyDown) flags |= STATE_SYSTEM_FOCUSABLE;
    if (control && control == window_->keyboardFocus() && window_->active()) flags |= STATE_SYSTEM_FOCUSED;
    return number(flags, state);
}

HRESULT WindowAccessible::get_accHelp(VARIANT, BSTR* help) { return readerText({}, help); }

HRESULT WindowAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
}

HRESULT WindowAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) { return readerText({}, shortcut); }

HRESULT WindowAccessible::get_accFocus(VARIANT* child)
{
    if (!child) return E_POINTER;
    setEmpty(child);
    if (!window_) return CO_E_OBJNOTCONNECTED;
    const ui::Control* focus = window_->keyboardFocus();
    const long id = focus && window_->active() ? accessibleChildId(*window_, *focus) : 0;
    return id ? number(id, child) : S_FALSE;
}

HRESULT WindowAccessible::get_accSelection(VARIANT* children)
{
    if (!children) return E_POINTER;
    setEmpty(children);
    return S_FALSE;
}

HRESULT WindowAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    return readerText(control && control->onDefaultAction ? actionOf(control->accessibleRole()) : "", action);
}

HRESULT WindowAccessible::accSelect(long, VARIANT) { return DISP_E_MEMBERNOTFOUND; }

HRESULT WindowAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!left || !top || !width || !height) return E_POINTER;
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    RECT r{};
    if (control) {
        const ui::Rect device = ui::deviceRect(*control);
        r = RECT{device.left, device.top, device.left + device.width, device.top + device.height};
    } else {
        GetClientRect(hwnd_, &r);
    }
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT WindowAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end) return E_POINTER;
    setEmpty(end);
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(start, control);
    if (FAILED(hr)) return hr;
    const long count = static_cast<long>(children().size());
    long to = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD: to = start.lVal == CHILDID_SELF ? 1 : 0; break;
    case NAVDIR_LASTCHILD: to = start.lVal == CHILDID_SELF ? count : 0; break;
    case NAVDIR_NEXT: to = control ? start.lVal + 1 : 0; break;
    case NAVDIR_PREVIOUS: to = control ? start.lVal - 1 : 0; break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    if (to < 1 || to > count) return S_FALSE;
    return number(to, end);
}

HRESULT WindowAccessible::accHitTest(long x, long y, VARIANT* child)
{
    if (!child) return E_POINTER;
    setEmpty(child);
    if (!window_) return CO_E_OBJNOTCONNECTED;
    POINT p{x, y};
    ScreenToClient(hwnd_, &p);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    const ui::Control* under = ui::controlAt(*window_, {p.x, p.y}, ui::HitFor::ToolTip);
    const long id = under ? accessibleChildId(*window_, *under) : 0;
    return number(id > 0 ? id : CHILDID_SELF, child);
}

HRESULT WindowAccessible::accDoDefaultAction(VARIANT child)
{
    ui::Control* control = nullptr;
    const HRESULT hr = resolve(child, control);
    if (FAILED(hr)) return hr;
    if (!control || !control->onDefaultAction) return DISP_E_MEMBERNOTFOUND;
    // A disabled bar refuses the reader as it refuses the mouse; the window
    // asks again when the posted action arrives.
    if (!window_->takesInput()) return E_ACCESSDENIED;
    return PostMessageW(hwnd_, kDefaultActionMessage, 0, reinterpret_cast<LPARAM>(control)) ? S_OK : E_FAIL;
}

HRESULT WindowAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT WindowAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace win32
