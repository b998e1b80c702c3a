// Collects a marked folder the way the browser does and prints the entry count, the seconds
// it took and the peak memory of the process: quorvex_collect_bench FOLDER
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "SelectionWalker.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvex_collect_bench FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]).lexically_normal();
    const std::string parent = folder.parent_path().string() + "/";
    const auto start = std::chrono::steady_clock::now();
    const quorvex::Selection selection =
        quorvex::SelectionWalker().collectSelected(parent, {folder.filename().string()});
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%zu %.3f %ld\n", selection.entries.size(), seconds.count(), usage.ru_maxrss);
    return selection.stored() ? 0 : 1;
}
