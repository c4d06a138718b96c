#pragma once

#include "model/file_store.h"

namespace posix {

// The data folder on a POSIX file system: the native tools and tests.
class PosixFileStore final : public model::FileStore {
public:
    model::ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) override;
    bool replaceAll(const std::string& path, std::string_view contents, std::string& error) override;
    void discardTemporary(const std::string& path) override;
    model::FolderStatus createFolder(const std::string& path, std::string& error) override;
};

}  // namespace posix
