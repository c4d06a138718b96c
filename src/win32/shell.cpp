#include "win32/shell.h"

#include <windows.h>
#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>
#include <commoncontrols.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>

#include "ui/window.h"
#include "win32/com.h"
#include "win32/gdi.h"
#include "win32/handles.h"
#include "win32/platform.h"
#include "win32/system_library.h"
#include "win32/text.h"

using Microsoft::WRL::ComPtr;

namespace win32 {
namespace {

HWND ownerOf(const ui::Window* owner) { return owner ? Platform::hwndOf(const_cast<ui::Window&>(*owner)) : nullptr; }

// The file-system path of an item-ID list; nothing when it has none.
std::optional<std::string> pathOf(const com::TaskMemory<ITEMIDLIST>& list)
{
    wchar_t buffer[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(list.get(), buffer) && buffer[0];
    return found ? std::optional(narrow(buffer)) : std::nullopt;
}

// The longest path the system can return, with its NUL.
constexpr DWORD kFileBuffer = 32768;

// What the file dialog's error code means, for the user.
std::string fileDialogFailure(DWORD code)
{
    const char* what = "ファイルを開く画面でエラーが起きました。";
    if (code == FNERR_BUFFERTOOSMALL) what = "選んだファイルのパスが長すぎます。";
    if (code == FNERR_INVALIDFILENAME) what = "ファイル名が正しくありません。";
    if (code == CDERR_MEMALLOCFAILURE || code == CDERR_MEMLOCKFAILURE) what = "メモリが足りません。";
    char number[32];
    std::snprintf(number, sizeof number, " (CommDlgExtendedError 0x%04lX)", static_cast<unsigned long>(code));
    return what + std::string(number);
}

// Whether this is a 32-bit program on 64-bit Windows, and where Windows is.
shell::SystemFolders systemFolders()
{
    BOOL wow64 = FALSE;
    const bool redirected = IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    return {redirected, n > 0 && n < MAX_PATH ? narrow(folder) : std::string()};
}

}  // namespace

Shell::Shell() : folders_(systemFolders()) {}

// As administrator through ShellExecuteEx and its "runas" verb, which raises
// the elevation prompt; it waits for the shell to finish, as it runs on a
// thread that ends afterwards.
shell::LaunchResult Shell::launch(const ui::Window* owner, std::string_view path, std::string_view folder,
                                  shell::Rights rights)
{
    const std::wstring file = widen(shell::launchPath(path, folders_));
    const std::wstring directory = widen(folder);
    if (rights == shell::Rights::Administrator) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        // The program's own message tells of a failure: no box of the shell's first.
        info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        info.hwnd = ownerOf(owner);
        info.lpVerb = L"runas";
        info.lpFile = file.c_str();
        info.lpDirectory = directory.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&info)) return shell::LaunchResult::Opened;
        switch (GetLastError()) {
        case ERROR_CANCELLED: return shell::LaunchResult::Cancelled;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return shell::LaunchResult::NotFound;
        default: return shell::LaunchResult::Failed;
        }
    }
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(ownerOf(owner), L"open", file.c_str(), nullptr,
                                                                directory.c_str(), SW_SHOWNORMAL));
    // Above 32 is success; the values below are the old error codes.
    if (result > 32) return shell::LaunchResult::Opened;
    if (result == SE_ERR_FNF || result == SE_ERR_PNF) return shell::LaunchResult::NotFound;
    return shell::LaunchResult::Failed;
}

// From the shell's image list of the smallest size that is at least the
// size asked for, so that a button at 150 % or 200 % gets a sharp icon
// drawn down to its size rather than a 32-pixel one blown up.
ui::Icon Shell::fileIcon(std::string_view path, int size)
{
    // The shell's lookups want COM on the thread that makes them: on the
    // user-interface thread it starts with the first one.
    if (!com::ensureStarted()) return nullptr;
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(widen(shell::nativePath(path, folders_)).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX)) {
        return nullptr;
    }
    constexpr int kExtraLarge = 48;
    const int list = size <= GetSystemMetrics(SM_CXICON) ? SHIL_LARGE : size <= kExtraLarge ? SHIL_EXTRALARGE : SHIL_JUMBO;
    ComPtr<IImageList> images;
    if (FAILED(SHGetImageList(list, IID_PPV_ARGS(&images))) || !images) return nullptr;
    HICON icon = nullptr;
    images->GetIcon(info.iIcon, ILD_TRANSPARENT, &icon);
    return icon ? std::make_shared<Icon>(icon) : nullptr;
}

shell::FileStamp Shell::fileStamp(std::string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(widen(shell::nativePath(path, folders_)).c_str(), GetFileExInfoStandard, &attributes)) {
        return {};
    }
    const FILETIME& t = attributes.ftLastWriteTime;
    return {true, (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime};
}

// Existing files only, the read-only box hidden, with room for any path.
shell::FileChoice Shell::chooseFile(const ui::Window* owner, std::string_view title,
                                    const std::vector<shell::FileFilter>& filters)
{
    // Pairs of description and pattern, each ended by a NUL, and a NUL after the last.
    std::wstring filter;
    for (const shell::FileFilter& f : filters) filter += widen(f.description) + L'\0' + widen(f.pattern) + L'\0';
    filter.push_back(L'\0');
    const std::wstring caption = widen(title);
    std::wstring file(kFileBuffer, L'\0');
    std::wstring fileTitle(kFileBuffer, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ownerOf(owner);
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    ofn.lpstrTitle = caption.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    // The common dialogs are loaded with the first file dialog: they bring the
    // printing system with them, which the bar never needs to show itself.
    const auto getOpenFileName =
        systemFunction<decltype(GetOpenFileNameW), SystemLibrary::CommonDialogs, "GetOpenFileNameW">();
    const auto extendedError =
        systemFunction<decltype(CommDlgExtendedError), SystemLibrary::CommonDialogs, "CommDlgExtendedError">();
    if (!getOpenFileName || !extendedError) {
        return {std::nullopt, "ファイルを開く画面を表示できません。comdlg32.dll を読み込めませんでした。"};
    }
    if (!getOpenFileName(&ofn)) {
        const DWORD error = extendedError();
        return {std::nullopt, error ? fileDialogFailure(error) : std::string()};
    }
    return {narrow(file.c_str()), {}};
}

std::optional<std::string> Shell::chooseFolder(const ui::Window* owner, std::string_view title)
{
    const std::wstring caption = widen(title);
    BROWSEINFOW info{};
    info.hwndOwner = ownerOf(owner);
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!com::ensureStarted()) return std::nullopt;
    const com::TaskMemory<ITEMIDLIST> list(SHBrowseForFolderW(&info));
    if (!list) return std::nullopt;
    return pathOf(list);
}

std::optional<std::string> Shell::specialFolder(shell::SpecialFolder folder)
{
    const KNOWNFOLDERID* id = &FOLDERID_Startup;
    switch (folder) {
    case shell::SpecialFolder::Startup: id = &FOLDERID_Startup; break;
    }
    wchar_t* path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(*id, 0, nullptr, &path);
    // The caller frees the path even when the call fails.
    const com::TaskMemory<wchar_t> allocated(path);
    if (FAILED(found) || !path || !path[0]) return std::nullopt;
    return narrow(path);
}

// The shell's own link object rather than the scripting host: the same
// file, and it works where policy switches the scripting host off.
bool Shell::createShortcut(std::string_view linkPath, std::string_view targetPath, std::string_view workingFolder)
{
    ComPtr<IShellLinkW> link;
    if (!com::ensureStarted() || FAILED(com::createInstance(CLSID_ShellLink, IID_PPV_ARGS(&link)))) return false;
    ComPtr<IPersistFile> file;
    return SUCCEEDED(link->SetPath(widen(targetPath).c_str())) &&
           SUCCEEDED(link->SetWorkingDirectory(widen(workingFolder).c_str())) && SUCCEEDED(link.As(&file)) &&
           SUCCEEDED(file->Save(widen(linkPath).c_str(), TRUE));
}

bool Shell::deleteFile(std::string_view path) { return DeleteFileW(widen(path).c_str()) != 0; }
std::optional<std::string> Shell::shortPath(std::string_view path)
{
    const std::wstring wide = widen(path);
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring brief(size, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), brief.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    brief.resize(length);
    return narrow(brief);
}

// PathCompactPath measures with the font selected into the device context;
// it needs a buffer of at least MAX_PATH characters.
std::string Shell::compactPath(std::string_view path, const ui::Font& font, int dpi, int widthPixels)
{
    std::wstring text = widen(path);
    const std::size_t length = text.size();
    text.resize(std::max<std::size_t>(length + 1, MAX_PATH), L'\0');
    const LOGFONTW description = logFontOf(font, dpi);
    const OwnedFont handle(CreateFontIndirectW(&description));
    const OwnedDC dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), handle ? handle.get() : GetStockObject(DEFAULT_GUI_FONT));
    PathCompactPathW(dc.get(), text.data(), static_cast<UINT>(std::max(widthPixels, 0)));
    text.resize(std::wcslen(text.c_str()));
    return narrow(text);
}

}  // namespace win32
