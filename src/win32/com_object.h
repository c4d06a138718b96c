#pragma once

#include <windows.h>
#include <unknwn.h>
#include <wrl/client.h>

#include <utility>

namespace win32 {

// A COM object of the program's own, implementing one interface: the
// reference count, and QueryInterface over IUnknown and the interfaces
// listed, which the object answers with itself. It is made with one
// reference, its maker's (makeComObject), and ends in its own Release.
//
// COM hands objects around as interface pointers and never deletes through
// them, which is why the interfaces have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <class Interface, const IID&... answered>
class ComObject : public Interface {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) final
    {
        if (!object) return E_POINTER;
        if (riid == IID_IUnknown || ((riid == answered) || ...)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() final
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    LONG references_ = 1;
};
#pragma GCC diagnostic pop

template <class Object, class... Arguments>
Microsoft::WRL::ComPtr<Object> makeComObject(Arguments&&... arguments)
{
    Microsoft::WRL::ComPtr<Object> made;
    made.Attach(new Object(std::forward<Arguments>(arguments)...));
    return made;
}

}  // namespace win32
