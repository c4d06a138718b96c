#include "win32/named_accessible.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <string>

#include "win32/com_object.h"
#include "win32/reader_text.h"
#include "win32/system_library.h"

using Microsoft::WRL::ComPtr;

namespace win32 {
namespace {

// Wine: the system's own way to name a control for readers, a property set
// on its window (IAccPropServices::SetHwndPropStr with PROPID_ACC_NAME), does
// not run there. Its oleacc makes the service, but SetHwndPropStr answers
// E_NOTIMPL, and readers see the boxes unnamed. So the control answers
// WM_GETOBJECT itself with this object, which works on Windows and Wine alike.
//
// Everything is the system object's but the control's own name. It answers
// for no other interface of the system object's: that would be marshalled,
// or asked, without the name.
class NamedAccessible final : public ComObject<IAccessible, IID_IDispatch, IID_IAccessible> {
public:
    NamedAccessible(ComPtr<IAccessible> system, std::string name) : system_(std::move(system)), name_(std::move(name))
    {
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) return readerText(name_, name);
        return system_->get_accName(child, name);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT n, LCID locale, ITypeInfo** info) override
    {
        return system_->GetTypeInfo(n, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return system_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override
    {
        return system_->Invoke(id, riid, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return system_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override
    {
        return system_->get_accChild(child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return system_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return system_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return system_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return system_->put_accValue(child, value);
    }

private:
    ComPtr<IAccessible> system_;
    std::string name_;
};

}  // namespace

LRESULT namedAccessibleObject(HWND window, WPARAM wParam, const std::string& name)
{
    const auto create =
        systemFunction<decltype(CreateStdAccessibleObject), SystemLibrary::OleAcc, "CreateStdAccessibleObject">();
    const auto result = systemFunction<decltype(LresultFromObject), SystemLibrary::OleAcc, "LresultFromObject">();
    ComPtr<IAccessible> system;
    if (name.empty() || !create || !result ||
        FAILED(create(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(system.GetAddressOf())))) {
        return 0;
    }
    return result(IID_IAccessible, wParam, makeComObject<NamedAccessible>(std::move(system), name).Get());
}

}  // namespace win32
