#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "model/data_folder.h"
#include "model/first_installation.h"
#include "posix/iconv_codec.h"
#include "posix/posix_file_store.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing_support::fixture;
using testing_support::readFile;
using testing_support::writeFile;

class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest() { fs::create_directories(dataPath()); }

    fs::path dataPath() const { return program.path() / "Data"; }
    std::vector<std::string> dataFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dataPath())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing_support::TempFolder program;
    posix::PosixFileStore store;
    posix::IconvCodec codec;
    model::DataFolder data{program.path().string(), '/', store, codec};
    std::string problem;
};

TEST_F(DataFolderTest, FirstInstallationMatchesTheHandMadeFiles)
{
    ASSERT_TRUE(model::writeFirstInstallation(data, problem)) << problem;
    for (const char* name : {"fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf"}) {
        EXPECT_EQ(readFile(dataPath() / name), readFile(fixture(std::string("first-install/") + name))) << name;
    }
    EXPECT_EQ(dataFiles(), (std::vector<std::string>{"Shtct.qdf", "apst.qdf", "fank.qdf", "group.qdf"}))
        << "no temporary files left behind";
}

TEST_F(DataFolderTest, MissingRequiredFileNamesTheFileAndItsFolder)
{
    EXPECT_FALSE(data.readPosition(problem));
    EXPECT_THAT(problem, HasSubstr("fank.qdf"));
    EXPECT_THAT(problem, HasSubstr(dataPath().string()));

    problem.clear();
    EXPECT_FALSE(data.readSettings(problem));
    EXPECT_THAT(problem, HasSubstr("apst.qdf"));
}

TEST_F(DataFolderTest, PositionFileWithoutNumbersIsReported)
{
    writeFile(dataPath() / "fank.qdf", "\r\n");
    EXPECT_FALSE(data.readPosition(problem));
    EXPECT_THAT(problem, HasSubstr("fank.qdf"));
}

TEST_F(DataFolderTest, MissingGroupAndShortcutFilesReadAsEmptyWithoutComplaint)
{
    EXPECT_EQ(data.readGroups(problem), model::GroupNames{});
    EXPECT_EQ(data.readShortcuts(problem), model::ShortcutTable{});
    EXPECT_TRUE(problem.empty());
}

TEST_F(DataFolderTest, ShortcutFileThatCannotBeReadIsReported)
{
    fs::create_directory(dataPath() / "Shtct.qdf");
    EXPECT_EQ(data.readShortcuts(problem), model::ShortcutTable{});
    EXPECT_THAT(problem, HasSubstr("Shtct.qdf"));
}

TEST_F(DataFolderTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    // A folder where the file should be: the final replace cannot succeed.
    fs::create_directory(dataPath() / "group.qdf");
    writeFile(dataPath() / "group.qdf" / "keep", "x");
    EXPECT_FALSE(data.writeGroups({}, problem));
    EXPECT_THAT(problem, HasSubstr("group.qdf"));
    EXPECT_THAT(problem, HasSubstr(dataPath().string()));
    EXPECT_TRUE(fs::exists(dataPath() / "group.qdf" / "keep"));
    EXPECT_EQ(dataFiles(), std::vector<std::string>{"group.qdf"});
}

TEST_F(DataFolderTest, RefusedTextWritesNothing)
{
    writeFile(dataPath() / "Shtct.qdf", "old");
    model::ShortcutTable table;
    table[9].name = "Ω≠😀";
    EXPECT_FALSE(data.writeShortcuts(table, problem));
    EXPECT_THAT(problem, HasSubstr("Ω≠😀"));
    EXPECT_EQ(readFile(dataPath() / "Shtct.qdf"), "old");
}

TEST_F(DataFolderTest, MissingDataFolderIsNotCreated)
{
    fs::remove_all(dataPath());
    EXPECT_FALSE(data.writePosition({0, 0}, problem));
    EXPECT_THAT(problem, HasSubstr("fank.qdf"));
    EXPECT_FALSE(fs::exists(dataPath()));
}

TEST(DataFolderPaths, ProgramInADriveRootGetsOneSeparator)
{
    posix::PosixFileStore store;
    posix::IconvCodec codec;
    const model::DataFolder data("C:\\", '\\', store, codec);
    EXPECT_EQ(data.pathOf(model::DataFile::Shortcuts), "C:\\Data\\Shtct.qdf");
}

}  // namespace
