// A screen reader's view of a window through Microsoft Active Accessibility,
// from another process, as the e2e tests need it:
//
//   noctaris-reader list CAPTION      the client area's children
//   noctaris-reader press CAPTION N   child N's default action
//   noctaris-reader controls CAPTION  the native child windows, each as its own object
//
// Prints one JSON line; exit code 0 when the window answered, 1 when not.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>

#include "json_text.h"

namespace {

std::string textOf(IAccessible* object, VARIANT child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR value = nullptr;
    const HRESULT hr = (object->*get)(child, &value);
    const std::string text = SUCCEEDED(hr) && value ? jsonString(value) : "null";
    SysFreeString(value);
    return text;
}

VARIANT childId(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// A native control's own accessible object, as the system makes it.
BOOL CALLBACK describeControl(HWND control, LPARAM line)
{
    auto& out = *reinterpret_cast<std::string*>(line);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) || !object) {
        return TRUE;
    }
    const VARIANT self = childId(CHILDID_SELF);
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    out += std::string(out.back() == '[' ? "" : ",") + "{\"name\":" + textOf(object, self, &IAccessible::get_accName) +
           ",\"role\":" + std::to_string(role.vt == VT_I4 ? role.lVal : -1) + "}";
    object->Release();
    return TRUE;
}

int fail(const char* why)
{
    std::printf("{\"found\":false,\"why\":\"%s\"}\n", why);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return fail("usage");
    CoInitialize(nullptr);
    HWND window = FindWindowW(nullptr, argv[2]);
    if (!window) return fail("no window");
    if (std::wstring(argv[1]) == L"controls") {
        std::string line = "{\"found\":true,\"controls\":[";
        EnumChildWindows(window, describeControl, reinterpret_cast<LPARAM>(&line));
        std::printf("%s]}\n", line.c_str());
        return 0;
    }
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))) ||
        !object) {
        return fail("no accessible object");
    }
    if (std::wstring(argv[1]) == L"press" && argc > 3) {
        const HRESULT hr = object->accDoDefaultAction(childId(_wtol(argv[3])));
        std::printf("{\"found\":true,\"result\":%ld}\n", static_cast<long>(hr));
        object->Release();
        return 0;
    }
    long count = 0;
    object->get_accChildCount(&count);
    std::string line = "{\"found\":true,\"children\":[";
    for (long id = 1; id <= count; ++id) {
        const VARIANT child = childId(id);
        VARIANT role;
        VariantInit(&role);
        object->get_accRole(child, &role);
        long left = 0, top = 0, width = 0, height = 0;
        object->accLocation(&left, &top, &width, &height, child);
        line += std::string(id > 1 ? "," : "") + "{\"name\":" + textOf(object, child, &IAccessible::get_accName) +
                ",\"value\":" + textOf(object, child, &IAccessible::get_accValue) +
                ",\"action\":" + textOf(object, child, &IAccessible::get_accDefaultAction) +
                ",\"role\":" + std::to_string(role.vt == VT_I4 ? role.lVal : -1) + ",\"location\":[" +
                std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width) + "," +
                std::to_string(height) + "]}";
    }
    std::printf("%s]}\n", line.c_str());
    object->Release();
    return 0;
}
