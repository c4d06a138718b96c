#include "win32/drop_target.h"

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/window.h"
#include "win32/com.h"
#include "win32/text.h"

namespace win32 {
namespace {

struct PostedDrop {
    ui::Point point;
    ui::DropData data;
};

// The shell's file list (CF_HDROP) in its order, paths of any length; nothing
// when the data carries none.
std::optional<std::vector<std::string>> filesOf(IDataObject* data)
{
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium))) return std::nullopt;
    std::vector<std::string> files;
    auto* drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
        files.push_back(narrow(path));
    }
    com::releaseStgMedium(&medium);
    return files;
}

// A copy, or a link where the source offers no copy: never a move, which
// would have the source delete what was dropped.
DWORD effectOf(bool taken, DWORD allowed)
{
    if (!taken) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_LINK;
}

}  // namespace

POINT DropTarget::clientPoint(POINTL screen) const
{
    POINT p{screen.x, screen.y};
    ScreenToClient(hwnd_, &p);
    return p;
}

HRESULT DropTarget::DragEnter(IDataObject*, DWORD, POINTL point, DWORD* effect)
{
    if (window_) entered_();
    const POINT p = clientPoint(point);
    *effect = effectOf(window_ && window_->dragEnter({p.x, p.y}), *effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL point, DWORD* effect)
{
    const POINT p = clientPoint(point);
    *effect = effectOf(window_ && window_->dragOver({p.x, p.y}), *effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave()
{
    if (window_) window_->dragLeave();
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect)
{
    const POINT p = clientPoint(point);
    const bool taken = window_ && window_->dragOver({p.x, p.y});
    if (window_) window_->dragLeave();
    *effect = effectOf(taken, *effect);
    if (taken) {
        auto posted = std::make_unique<PostedDrop>(PostedDrop{{p.x, p.y}, {filesOf(data)}});
        if (PostMessageW(hwnd_, kDropMessage, 0, reinterpret_cast<LPARAM>(posted.get()))) posted.release();
    }
    return S_OK;
}

void deliverDrop(ui::WindowInput& window, LPARAM posted)
{
    const std::unique_ptr<PostedDrop> drop(reinterpret_cast<PostedDrop*>(posted));
    window.drop(drop->point, drop->data);
}

}  // namespace win32
