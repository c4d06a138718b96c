#pragma once

#include <windows.h>
#include <ole2.h>

namespace win32::com {

// COM and OLE come from ole32, which is loaded when they are first needed:
// the bar shows itself without them. The functions below are ole32's own,
// and fail with E_FAIL when it cannot be loaded.

// Starts COM (a single-threaded apartment) on the calling thread; stop()
// undoes a start that succeeded, on the same thread.
HRESULT start();
void stop();
// COM on the calling thread from now until the thread ends, started unless
// it already runs there.
bool keep();
// OLE (drag and drop) on the calling thread, which keeps it.
bool keepOle();

HRESULT createInstance(REFCLSID type, REFIID iid, void** object);
void taskMemFree(void* memory);
HRESULT registerDragDrop(HWND window, IDropTarget* target);
HRESULT revokeDragDrop(HWND window);
void releaseStgMedium(STGMEDIUM* medium);

}  // namespace win32::com
