#include "win32/com.h"

#include "win32/system_library.h"

namespace win32::com {
namespace {

template <class Function, FunctionName name>
Function* ole32()
{
    return systemFunction<Function, SystemLibrary::Ole32, name>();
}

// How many starts that succeeded this thread has not undone yet.
thread_local int started = 0;
thread_local bool oleStarted = false;

}  // namespace

HRESULT start()
{
    const auto initialise = ole32<decltype(CoInitializeEx), "CoInitializeEx">();
    const HRESULT result = initialise ? initialise(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
    if (SUCCEEDED(result)) ++started;
    return result;
}

void stop()
{
    const auto uninitialise = ole32<decltype(CoUninitialize), "CoUninitialize">();
    if (started == 0 || !uninitialise) return;
    --started;
    uninitialise();
}

bool ensureStarted() { return started > 0 || SUCCEEDED(start()); }

bool ensureOleStarted()
{
    const auto initialise = ole32<decltype(OleInitialize), "OleInitialize">();
    if (!oleStarted && initialise && SUCCEEDED(initialise(nullptr))) {
        oleStarted = true;
        ++started;
    }
    return oleStarted;
}

HRESULT createInstance(REFCLSID type, REFIID iid, void** object)
{
    const auto create = ole32<decltype(CoCreateInstance), "CoCreateInstance">();
    return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, iid, object) : E_FAIL;
}

void taskMemFree(void* memory)
{
    if (const auto freeMemory = ole32<decltype(CoTaskMemFree), "CoTaskMemFree">()) freeMemory(memory);
}

HRESULT registerDragDrop(HWND window, IDropTarget* target)
{
    const auto registerTarget = ole32<decltype(RegisterDragDrop), "RegisterDragDrop">();
    return registerTarget ? registerTarget(window, target) : E_FAIL;
}

HRESULT revokeDragDrop(HWND window)
{
    const auto revoke = ole32<decltype(RevokeDragDrop), "RevokeDragDrop">();
    return revoke ? revoke(window) : E_FAIL;
}

void releaseStgMedium(STGMEDIUM* medium)
{
    if (const auto release = ole32<decltype(ReleaseStgMedium), "ReleaseStgMedium">()) release(medium);
}

}  // namespace win32::com
