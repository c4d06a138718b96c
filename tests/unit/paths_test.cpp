#include <gtest/gtest.h>

#include "model/paths.h"

namespace {

TEST(Paths, FolderOfAFileKeepsADrivesRootWhole)
{
    EXPECT_EQ(model::folderOfFile("C:\\Noctaris.exe"), "C:\\") << "\"C:\" alone is C's current folder";
    EXPECT_EQ(model::folderOfFile("C:\\Tools\\Noctaris\\Noctaris.exe"), "C:\\Tools\\Noctaris");
    EXPECT_EQ(model::folderOfFile("\\\\server\\share\\Noctaris.exe"), "\\\\server\\share");
    EXPECT_EQ(model::folderOfFile("/opt/noctaris/noctaris"), "/opt/noctaris");
}

}  // namespace
