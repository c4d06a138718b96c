#pragma once

#include "model/file_store.h"

namespace win32 {

// The data files on a Windows file system. A file briefly held by a virus
// scanner or an indexer is tried again for up to a second.
class FileStore final : public model::FileStore {
public:
    model::ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) override;
    bool replaceAll(const std::string& path, std::string_view contents, std::string& error) override;
    void discardTemporary(const std::string& path) override;
    model::FolderStatus createFolder(const std::string& path, std::string& error) override;
};

}  // namespace win32
