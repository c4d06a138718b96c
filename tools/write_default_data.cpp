// Writes the data files of a first installation into <program folder>/Data,
// through the program's own writer.
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/first_installation.h"
#include "posix/iconv_codec.h"
#include "posix/posix_file_store.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const std::string programFolder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(programFolder) / "Data", ec);

    posix::PosixFileStore store;
    posix::IconvCodec codec;
    model::DataFolder data(programFolder, '/', store, codec);
    std::string problem;
    if (!model::writeFirstInstallation(data, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    return 0;
}
