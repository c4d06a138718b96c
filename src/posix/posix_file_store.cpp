#include "posix/posix_file_store.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace posix {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string systemText(int code) { return std::strerror(code); }

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const auto n = ::write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string temporaryOf(const std::string& path) { return path + ".tmp"; }

}  // namespace

model::ReadStatus PosixFileStore::readAll(const std::string& path, std::string& contents, std::string& error)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = systemText(errno);
        return errno == ENOENT ? model::ReadStatus::NotFound : model::ReadStatus::Failed;
    }
    contents.clear();
    char buffer[4096];
    for (;;) {
        const auto n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) return model::ReadStatus::Ok;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemText(errno);
            return model::ReadStatus::Failed;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
}

bool PosixFileStore::replaceAll(const std::string& path, std::string_view contents, std::string& error)
{
    const std::string temporary = temporaryOf(path);
    {
        Fd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (fd.get() < 0) {
            error = systemText(errno);
            return false;
        }
        if (!writeAll(fd.get(), contents) || ::fsync(fd.get()) != 0 || !fd.close()) {
            error = systemText(errno);
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = systemText(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk only with its folder.
    Fd folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
    return true;
}

// unlink removes files only, never a folder of that name.
void PosixFileStore::discardTemporary(const std::string& path) { ::unlink(temporaryOf(path).c_str()); }

model::FolderStatus PosixFileStore::createFolder(const std::string& path, std::string& error)
{
    if (::mkdir(path.c_str(), 0755) == 0) return model::FolderStatus::Created;
    if (errno == EEXIST) return model::FolderStatus::Existed;
    error = systemText(errno);
    return model::FolderStatus::Failed;
}

}  // namespace posix
