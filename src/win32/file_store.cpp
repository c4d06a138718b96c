#include "win32/file_store.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace win32 {
namespace {

constexpr int kAttempts = 20;
constexpr DWORD kPauseMs = 50;

// A scanner or backup program holding the file lets go within moments. A
// folder that denies access stays so: retrying would only freeze the bar.
bool isTransient(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// The system refuses to replace a file that another program has open (a
// scanner, an indexer, a backup) as access denied, not as a sharing
// violation. A file that denies access for good is read-only, or a folder.
bool isTransientReplace(DWORD error, const std::wstring& target)
{
    if (isTransient(error)) return true;
    if (error != ERROR_ACCESS_DENIED) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// Runs an attempt until it succeeds, fails for good, or the time is up; the
// result is 0 on success, else the last error.
template <typename Attempt, typename Transient = bool (*)(DWORD)>
DWORD retrying(Attempt attempt, Transient transient = isTransient)
{
    DWORD error = 0;
    for (int i = 0; i < kAttempts; ++i) {
        error = attempt();
        if (error == 0 || !transient(error)) break;
        Sleep(kPauseMs);
    }
    return error;
}

DWORD writeTemporary(const std::wstring& path, std::string_view contents)
{
    OwnedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file.get(), contents.data(), chunk, &written, nullptr)) return GetLastError();
        contents.remove_prefix(written);
    }
    if (!FlushFileBuffers(file.get())) return GetLastError();
    if (!file.close()) return GetLastError();
    return 0;
}

std::wstring temporaryOf(const std::string& path) { return widen(path) + L".tmp"; }

}  // namespace

model::ReadStatus FileStore::readAll(const std::string& path, std::string& contents, std::string& error)
{
    const std::wstring widePath = widen(path);
    HANDLE opened = INVALID_HANDLE_VALUE;
    const DWORD openError = retrying([&]() -> DWORD {
        opened = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    });
    OwnedFile file(opened);
    if (!file) {
        error = systemErrorText(openError);
        return openError == ERROR_FILE_NOT_FOUND || openError == ERROR_PATH_NOT_FOUND ? model::ReadStatus::NotFound
                                                                                       : model::ReadStatus::Failed;
    }
    contents.clear();
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            error = systemErrorText(GetLastError());
            return model::ReadStatus::Failed;
        }
        if (read == 0) return model::ReadStatus::Ok;
        contents.append(buffer, read);
    }
}

bool FileStore::replaceAll(const std::string& path, std::string_view contents, std::string& error)
{
    const std::wstring target = widen(path);
    const std::wstring temporary = temporaryOf(path);
    DWORD failure = retrying([&] { return writeTemporary(temporary, contents); });
    if (failure == 0) {
        failure = retrying(
            [&]() -> DWORD {
                return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                           ? 0
                           : GetLastError();
            },
            [&](DWORD refused) { return isTransientReplace(refused, target); });
    }
    if (failure == 0) return true;
    DeleteFileW(temporary.c_str());
    error = systemErrorText(failure);
    return false;
}

// DeleteFileW removes files only, never a folder of that name.
void FileStore::discardTemporary(const std::string& path) { DeleteFileW(temporaryOf(path).c_str()); }

model::FolderStatus FileStore::createFolder(const std::string& path, std::string& error)
{
    if (CreateDirectoryW(widen(path).c_str(), nullptr)) return model::FolderStatus::Created;
    const DWORD failure = GetLastError();
    if (failure == ERROR_ALREADY_EXISTS) return model::FolderStatus::Existed;
    error = systemErrorText(failure);
    return model::FolderStatus::Failed;
}

}  // namespace win32
