#include "headless/file_store.h"

#include "headless/platform.h"

namespace headless {
namespace {

std::string baseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// The byte that the private-use character U+F700 + byte at text[i] stands for.
std::optional<char> keptByteAt(std::string_view text, std::size_t i)
{
    if (i + 3 > text.size() || text[i] != '\xEF') return std::nullopt;
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if ((b1 & 0xFC) != 0x9C || (b2 & 0xC0) != 0x80) return std::nullopt;
    return static_cast<char>(((b1 & 0x03) << 6) | (b2 & 0x3F));
}

}  // namespace

model::ReadStatus FileStore::readAll(const std::string& path, std::string& contents, std::string& error)
{
    platform_.note("read " + baseName(path));
    return store_.readAll(path, contents, error);
}

bool FileStore::replaceAll(const std::string& path, std::string_view contents, std::string& error)
{
    platform_.note("write " + baseName(path));
    if (failWrites) {
        error = "ディスクに空き領域がありません。";
        return false;
    }
    return store_.replaceAll(path, contents, error);
}

void FileStore::discardTemporary(const std::string& path)
{
    platform_.note("discard " + baseName(path) + ".tmp");
    store_.discardTemporary(path);
}

model::FolderStatus FileStore::createFolder(const std::string& path, std::string& error)
{
    const model::FolderStatus status = store_.createFolder(path, error);
    if (status != model::FolderStatus::Existed) platform_.note("create folder " + baseName(path));
    return status;
}

std::optional<std::string> CodePage::encode(std::string_view utf8) const
{
    if (!writesKeptBytes) return iconv_.encode(utf8);
    std::string ansi;
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto kept = keptByteAt(utf8, i);
        if (!kept) {
            ++i;
            continue;
        }
        const auto before = iconv_.encode(utf8.substr(run, i - run));
        if (!before) return std::nullopt;
        ansi += *before + *kept;
        i += 3;
        run = i;
    }
    const auto rest = iconv_.encode(utf8.substr(run));
    if (!rest) return std::nullopt;
    return ansi + *rest;
}

}  // namespace headless
