// How long reading and writing all four data files takes: the start-up's
// reads and one rewrite of each file, as the program does them. Reports the
// median of many rounds, for the files alone (parse and format) and with the
// disk (open, read, write a temporary file, flush it, rename it).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "model/data_folder.h"
#include "posix/iconv_codec.h"
#include "posix/posix_file_store.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Round>
double medianMicroseconds(int rounds, Round round)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        round();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string slurp(const std::filesystem::path& path)
{
    std::string contents;
    std::string error;
    posix::PosixFileStore().readAll(path.string(), contents, error);
    return contents;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder with fank.qdf, apst.qdf, group.qdf, Shtct.qdf>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const auto work = std::filesystem::temp_directory_path() / "noctaris-bench";
    std::filesystem::create_directories(work / "Data");
    for (const char* name : {"fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf"}) {
        std::filesystem::copy_file(source / name, work / "Data" / name, std::filesystem::copy_options::overwrite_existing);
    }

    posix::PosixFileStore store;
    posix::IconvCodec codec;
    model::DataFolder data(work.string(), '/', store, codec);
    const std::string fank = slurp(work / "Data/fank.qdf");
    const std::string apst = slurp(work / "Data/apst.qdf");
    const std::string group = slurp(work / "Data/group.qdf");
    const std::string shtct = slurp(work / "Data/Shtct.qdf");

    const double formats = medianMicroseconds(2000, [&] {
        const auto position = model::parsePosition(fank);
        const auto settings = model::parseSettings(apst, codec);
        const auto groups = model::parseGroups(group, codec);
        const auto table = model::parseShortcuts(shtct, codec);
        (void)model::formatPosition(*position);
        (void)model::formatSettings(settings.values, codec);
        (void)model::formatGroups(groups, codec);
        (void)model::formatShortcuts(table, codec);
    });

    const double withDisk = medianMicroseconds(200, [&] {
        std::string problem;
        const auto position = data.readPosition(problem);
        const auto settings = data.readSettings(problem);
        const auto groups = data.readGroups(problem);
        const auto table = data.readShortcuts(problem);
        data.writePosition(*position, problem);
        data.writeSettings(settings->values, problem);
        data.writeGroups(groups, problem);
        data.writeShortcuts(table, problem);
    });

    std::printf("read and write all four files, parse and format only: %.1f us (median of 2000)\n", formats);
    std::printf("read and write all four files, with the disk (4 flushed atomic replaces): %.1f us (median of 200)\n",
                withDisk);
    std::filesystem::remove_all(work);
    return 0;
}
