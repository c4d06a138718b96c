#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <utility>

#include "win32/com_object.h"
#include "win32/messages.h"

namespace ui {
class WindowInput;
}

namespace win32 {

// A window's OLE drop target. Files and folders dragged from another program
// are offered to the window's portable side, which says whether the control
// under the pointer takes them; the pointer shows "no drop" elsewhere. The
// drop itself reaches the window through a posted message, after the drag
// source's DoDragDrop has returned: the drop may ask the user a question, and
// the other program should not wait for the answer.
class DropTarget final : public ComObject<IDropTarget, IID_IDropTarget> {
public:
    // entered: a drag came over the window.
    DropTarget(HWND hwnd, ui::WindowInput& window, std::function<void()> entered)
        : hwnd_(hwnd), window_(&window), entered_(std::move(entered))
    {
    }

    // The window is going away: nothing more reaches it.
    void detach() { window_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~DropTarget() = default;
    POINT clientPoint(POINTL screen) const;

    HWND hwnd_;
    ui::WindowInput* window_;
    std::function<void()> entered_;
};

// Hands a drop posted with kDropMessage to the window.
void deliverDrop(ui::WindowInput& window, LPARAM posted);

}  // namespace win32
