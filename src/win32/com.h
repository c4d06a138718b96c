#pragma once

#include <windows.h>
#include <ole2.h>

#include <memory>

namespace win32::com {

// COM and OLE come from ole32, which is loaded when they are first needed:
// the bar shows itself without them. The functions below are ole32's own,
// and fail with E_FAIL when it cannot be loaded.

// Starts COM (a single-threaded apartment) on the calling thread; stop()
// undoes a start that succeeded, on the same thread.
HRESULT start();
void stop();
// Whether COM runs on the calling thread, started now unless it already
// runs there; a start made here lasts until the thread ends.
bool ensureStarted();
// The same for OLE (drag and drop).
bool ensureOleStarted();

HRESULT createInstance(REFCLSID type, REFIID iid, void** object);
void taskMemFree(void* memory);
HRESULT registerDragDrop(HWND window, IDropTarget* target);
HRESULT revokeDragDrop(HWND window);
void releaseStgMedium(STGMEDIUM* medium);

// What a system call allocated with COM's allocator for the caller to free.
struct TaskMemFree {
    void operator()(void* memory) const { taskMemFree(memory); }
};
template <class T>
using TaskMemory = std::unique_ptr<T, TaskMemFree>;

}  // namespace win32::com
