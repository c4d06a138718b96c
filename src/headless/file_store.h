#pragma once

#include <string>

#include "posix/iconv_codec.h"
#include "posix/posix_file_store.h"

namespace headless {

class Platform;

// The data folder of the headless backend: on the local disk, or in the
// memory of a fuzzer, with every read and write logged and a switch that
// makes writes fail as on a full disk.
class FileStore final : public model::FileStore {
public:
    // On the disk.
    explicit FileStore(Platform& platform) : platform_(platform), store_(disk_) {}
    // In another store.
    FileStore(Platform& platform, model::FileStore& store) : platform_(platform), store_(store) {}

    model::ReadStatus readAll(const std::string& path, std::string& contents, std::string& error) override;
    bool replaceAll(const std::string& path, std::string_view contents, std::string& error) override;
    void discardTemporary(const std::string& path) override;
    model::FolderStatus createFolder(const std::string& path, std::string& error) override;

    bool failWrites = false;

private:
    Platform& platform_;
    posix::PosixFileStore disk_;
    model::FileStore& store_;
};

// The code page of the data files: CP932 through iconv, which has no form
// for the private-use characters that stand for kept bytes. A code page of
// the system may have one; a test switches that on.
class CodePage final : public model::AnsiCodec {
public:
    std::optional<std::string> encode(std::string_view utf8) const override;
    std::optional<std::string> decode(std::string_view ansi) const override { return iconv_.decode(ansi); }

    // Each of those characters is written as the byte it stands for.
    bool writesKeptBytes = false;

private:
    posix::IconvCodec iconv_;
};

}  // namespace headless
