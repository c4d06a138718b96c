#pragma once

#include <string>
#include <string_view>

namespace model {

enum class ReadStatus { Ok, NotFound, Failed };
enum class FolderStatus { Created, Existed, Failed };

// Whole-file access to the data folder. Paths are UTF-8.
class FileStore {
public:
    virtual ~FileStore() = default;

    // Reads the whole file into contents. On failure, error holds the
    // system's own description of what went wrong.
    virtual ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) = 0;

    // Replaces the file's whole contents atomically: the new contents are
    // written to a temporary file beside it, flushed to the disk and moved
    // over the old file. On failure the old file is left as it was, no
    // temporary file remains, and error holds the system's description.
    virtual bool replaceAll(const std::string& path, std::string_view contents, std::string& error) = 0;

    // Removes the temporary file that a replaceAll of this path left when
    // the program was ended in the middle of it. Nothing else is touched,
    // and a temporary file that cannot be removed is simply left.
    virtual void discardTemporary(const std::string& path) = 0;

    // Makes the folder unless something of that name is there already. On
    // failure, error holds the system's own description.
    virtual FolderStatus createFolder(const std::string& path, std::string& error) = 0;
};

}  // namespace model
