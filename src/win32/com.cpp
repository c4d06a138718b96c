#include "win32/com.h"

#include "win32/system_library.h"

namespace win32::com {
namespace {

struct Ole32 {
    template <class Function>
    static Function* get(const char* name)
    {
        return systemFunction<Function>(L"ole32.dll", name);
    }

    decltype(CoInitializeEx)* coInitializeEx = get<decltype(CoInitializeEx)>("CoInitializeEx");
    decltype(CoUninitialize)* coUninitialize = get<decltype(CoUninitialize)>("CoUninitialize");
    decltype(OleInitialize)* oleInitialize = get<decltype(OleInitialize)>("OleInitialize");
    decltype(CoCreateInstance)* coCreateInstance = get<decltype(CoCreateInstance)>("CoCreateInstance");
    decltype(CoTaskMemFree)* coTaskMemFree = get<decltype(CoTaskMemFree)>("CoTaskMemFree");
    decltype(RegisterDragDrop)* registerDragDrop = get<decltype(RegisterDragDrop)>("RegisterDragDrop");
    decltype(RevokeDragDrop)* revokeDragDrop = get<decltype(RevokeDragDrop)>("RevokeDragDrop");
    decltype(ReleaseStgMedium)* releaseStgMedium = get<decltype(ReleaseStgMedium)>("ReleaseStgMedium");
};

const Ole32& ole32()
{
    static const Ole32 loaded;
    return loaded;
}

// How many starts that succeeded this thread has not undone yet.
thread_local int started = 0;
thread_local bool oleStarted = false;

}  // namespace

HRESULT start()
{
    const auto initialise = ole32().coInitializeEx;
    const HRESULT result = initialise ? initialise(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
    if (SUCCEEDED(result)) ++started;
    return result;
}

void stop()
{
    if (started == 0 || !ole32().coUninitialize) return;
    --started;
    ole32().coUninitialize();
}

bool keep() { return started > 0 || SUCCEEDED(start()); }

bool keepOle()
{
    if (!oleStarted && ole32().oleInitialize && SUCCEEDED(ole32().oleInitialize(nullptr))) {
        oleStarted = true;
        ++started;
    }
    return oleStarted;
}

HRESULT createInstance(REFCLSID type, REFIID iid, void** object)
{
    const auto create = ole32().coCreateInstance;
    return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, iid, object) : E_FAIL;
}

void taskMemFree(void* memory)
{
    if (ole32().coTaskMemFree) ole32().coTaskMemFree(memory);
}

HRESULT registerDragDrop(HWND window, IDropTarget* target)
{
    return ole32().registerDragDrop ? ole32().registerDragDrop(window, target) : E_FAIL;
}

HRESULT revokeDragDrop(HWND window)
{
    return ole32().revokeDragDrop ? ole32().revokeDragDrop(window) : E_FAIL;
}

void releaseStgMedium(STGMEDIUM* medium)
{
    if (ole32().releaseStgMedium) ole32().releaseStgMedium(medium);
}

}  // namespace win32::com
