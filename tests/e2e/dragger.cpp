// Drags files from a program of its own onto a point of the screen and drops
// them there, as a user does from a file window. For the e2e tests of the
// program's drop target.
//
//   noctaris-dragger X Y PATH...        the paths as a file list (CF_HDROP)
//
// Wine's drag loop reads the mouse button from its own thread's input, and
// its capture steers the mouse only while that thread is in the foreground.
// So the helper opens a window, makes it the foreground window, presses the
// left button in it with SendInput and waits for the WM_LBUTTONDOWN; then it
// calls DoDragDrop while a second thread moves the pointer to (X, Y) and
// releases the button there.
//
// Prints one JSON line: the DoDragDrop result and the effect the target chose.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool pressed = false;

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) pressed = true;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// COM objects go through Release, never through a pointer to their interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// A file list in global memory, handed out as a copy each time it is asked for.
class DataObject final : public IDataObject {
public:
    explicit DataObject(std::vector<char> bytes) : bytes_(std::move(bytes)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        if (!copy) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(copy), bytes_.data(), bytes_.size());
        GlobalUnlock(copy);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override
    {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<char> bytes_;
    LONG references_ = 1;
};

class DropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        if (escape) return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

#pragma GCC diagnostic pop

// DROPFILES followed by the paths, each ended by a NUL, and one more NUL.
std::vector<char> fileList(const std::vector<std::wstring>& paths)
{
    std::wstring all;
    for (const auto& path : paths) all += path + L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<char> bytes(reinterpret_cast<const char*>(&header), reinterpret_cast<const char*>(&header + 1));
    const auto* names = reinterpret_cast<const char*>(all.c_str());
    bytes.insert(bytes.end(), names, names + (all.size() + 1) * sizeof(wchar_t));
    return bytes;
}

void sendMouse(DWORD flags, int x = 0, int y = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
}

void moveTo(int x, int y) { sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y); }

struct Path {
    int fromX, fromY, toX, toY;
};

// The hand: moves the pointer to the target in steps, rests there, releases.
DWORD WINAPI moveAndRelease(void* parameter)
{
    const Path& p = *static_cast<const Path*>(parameter);
    Sleep(300);
    const int steps = 20;
    for (int i = 1; i <= steps; ++i) {
        moveTo(p.fromX + (p.toX - p.fromX) * i / steps, p.fromY + (p.toY - p.fromY) * i / steps);
        Sleep(30);
    }
    Sleep(300);
    moveTo(p.toX, p.toY);
    Sleep(300);
    sendMouse(MOUSEEVENTF_LEFTUP);
    return 0;
}

// Runs the queued messages for a while, or until the button press arrived.
void pump(DWORD ms, bool untilPressed)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end && !(untilPressed && pressed)) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

int emit(const char* json, int code)
{
    std::fputs(json, stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
    return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) return emit("{\"error\":\"usage: noctaris-dragger X Y PATH...\"}", 2);
    const int x = _wtoi(argv[1]);
    const int y = _wtoi(argv[2]);
    const std::vector<std::wstring> paths(argv + 3, argv + argc);

    OleInitialize(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"NoctarisDragger";
    RegisterClassW(&wc);
    const RECT place{20, 640, 140, 700};
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"dragger", WS_POPUP | WS_BORDER, place.left,
                                place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    pump(300, false);

    const int startX = (place.left + place.right) / 2;
    const int startY = (place.top + place.bottom) / 2;
    moveTo(startX, startY);
    pump(200, false);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pump(5000, true);
    if (!pressed) return emit("{\"error\":\"the press did not reach the dragger's window\"}", 1);
    const bool foreground = GetForegroundWindow() == hwnd;

    DataObject data(fileList(paths));
    DropSource source;
    Path path{startX, startY, x, y};
    HANDLE hand = CreateThread(nullptr, 0, moveAndRelease, &path, 0, nullptr);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    WaitForSingleObject(hand, INFINITE);
    CloseHandle(hand);

    char line[128];
    std::snprintf(line, sizeof line, "{\"result\":\"0x%lx\",\"dropped\":%s,\"effect\":%lu,\"foreground\":%s}",
                  static_cast<unsigned long>(result), result == DRAGDROP_S_DROP ? "true" : "false",
                  static_cast<unsigned long>(effect), foreground ? "true" : "false");
    DestroyWindow(hwnd);
    OleUninitialize();
    return emit(line, 0);
}
