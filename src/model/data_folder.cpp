#include "model/data_folder.h"

namespace model {
namespace {

// A message of several lines, as a message box shows it.
std::string lines(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (const auto part : parts) {
        if (!text.empty()) text += "\r\n";
        text += part;
    }
    return text;
}

}  // namespace

std::string_view fileName(DataFile file)
{
    switch (file) {
    case DataFile::Position: return "fank.qdf";
    case DataFile::Settings: return "apst.qdf";
    case DataFile::Groups: return "group.qdf";
    case DataFile::Shortcuts: return "Shtct.qdf";
    }
    return {};
}

std::string refusalMessage(DataFile file, std::string_view text, TextRefusal why)
{
    return lines({"「" + std::string(text) + "」を保存できません。",
                  why == TextRefusal::DoubleQuote ? "ダブルクォーテーション (\") は保存できません。"
                                                  : "この Windows の文字コードで表せない文字が含まれています。",
                  "", "データファイル「" + std::string(fileName(file)) + "」は変更していません。"});
}

DataFolder::DataFolder(std::string programFolder, char separator, FileStore& store, const AnsiCodec& codec)
    : separator_(separator), store_(store), codec_(codec)
{
    // A program in a drive's root comes with its folder as "C:\".
    if (!programFolder.empty() && programFolder.back() == separator) programFolder.pop_back();
    folder_ = programFolder + separator + "Data";
}

std::string DataFolder::pathOf(DataFile file) const { return folder_ + separator_ + std::string(fileName(file)); }

std::optional<std::string> DataFolder::read(DataFile file, Need need, std::string& problem)
{
    std::string contents;
    std::string error;
    const std::string name(fileName(file));
    switch (store_.readAll(pathOf(file), contents, error)) {
    case ReadStatus::Ok:
        return contents;
    case ReadStatus::NotFound:
        if (need == Need::Required) {
            problem = lines({"データファイル「" + name + "」が見つかりません。", "", "フォルダ: " + folder_, "",
                             "ノクタリスを終了します。"});
        }
        return std::nullopt;
    case ReadStatus::Failed:
        problem = lines({"データファイル「" + name + "」を読み込めませんでした。", error, "", "フォルダ: " + folder_, "",
                         need == Need::Required ? "ノクタリスを終了します。"
                                                : "このファイルの内容は空として扱い、ファイルは書き換えません。"});
        unreadable_[static_cast<std::size_t>(file)] = true;
        return std::nullopt;
    }
    return std::nullopt;
}

bool DataFolder::write(DataFile file, const FileImage& image, std::string& problem)
{
    const std::string name(fileName(file));
    // What could not be read is still the user's: an empty table saved over
    // it would lose every entry the file holds.
    if (unreadable_[static_cast<std::size_t>(file)]) {
        problem = lines({"データファイル「" + name + "」は起動時に読み込めなかったため、書き換えません。", "",
                         "フォルダ: " + folder_, "", "ファイルを確かめてから、ノクタリスを起動し直してください。"});
        return false;
    }
    if (image.refusal) {
        problem = refusalMessage(file, image.refusedText, *image.refusal);
        return false;
    }
    std::string error;
    if (store_.replaceAll(pathOf(file), image.bytes, error)) return true;
    problem = lines({"データファイル「" + name + "」に保存できませんでした。", error, "", "フォルダ: " + folder_, "",
                     "元のファイルはそのまま残っています。"});
    return false;
}

std::optional<WindowPosition> DataFolder::readPosition(std::string& problem)
{
    const auto bytes = read(DataFile::Position, Need::Required, problem);
    if (!bytes) return std::nullopt;
    auto position = parsePosition(*bytes);
    if (!position) {
        problem = lines({"データファイル「fank.qdf」に画面の位置 (2 つの数値) が書かれていません。", "",
                         "フォルダ: " + folder_, "", "ノクタリスを終了します。"});
    }
    return position;
}

std::optional<SettingsReading> DataFolder::readSettings(std::string& problem)
{
    const auto bytes = read(DataFile::Settings, Need::Required, problem);
    if (!bytes) return std::nullopt;
    return parseSettings(*bytes, codec_);
}

GroupNames DataFolder::readGroups(std::string& problem)
{
    const auto bytes = read(DataFile::Groups, Need::Optional, problem);
    return parseGroups(bytes ? *bytes : std::string(), codec_);
}

ShortcutTable DataFolder::readShortcuts(std::string& problem)
{
    const auto bytes = read(DataFile::Shortcuts, Need::Optional, problem);
    return parseShortcuts(bytes ? *bytes : std::string(), codec_);
}

FolderStatus DataFolder::create(std::string& problem)
{
    std::string error;
    const FolderStatus status = store_.createFolder(folder_, error);
    if (status == FolderStatus::Failed) {
        problem = lines({"データフォルダを作成できませんでした。", error, "", "フォルダ: " + folder_, "", "ノクタリスを終了します。"});
    }
    return status;
}

void DataFolder::discardInterruptedWrites()
{
    for (const DataFile file : {DataFile::Position, DataFile::Settings, DataFile::Groups, DataFile::Shortcuts}) {
        store_.discardTemporary(pathOf(file));
    }
}

bool DataFolder::writePosition(const WindowPosition& position, std::string& problem)
{
    return write(DataFile::Position, FileImage{formatPosition(position), {}, {}}, problem);
}

bool DataFolder::writeSettings(const SettingsRecord& settings, std::string& problem)
{
    return write(DataFile::Settings, formatSettings(settings, codec_), problem);
}

bool DataFolder::writeGroups(const GroupNames& names, std::string& problem)
{
    return write(DataFile::Groups, formatGroups(names, codec_), problem);
}

bool DataFolder::writeShortcuts(const ShortcutTable& table, std::string& problem)
{
    return write(DataFile::Shortcuts, formatShortcuts(table, codec_), problem);
}

}  // namespace model
