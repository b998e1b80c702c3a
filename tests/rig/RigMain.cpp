#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "RigConfig.h"
#include "RigFileSystem.h"
#include "RigTree.h"

using quorvex::test::RigConfig;

namespace {

RigConfig readConfig(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) throw std::invalid_argument("cannot be read");
    std::ostringstream text;
    text << input.rdbuf();
    return RigConfig::parse(text.str());
}

}  // namespace

// quorvex_rig CONFIG MOUNTPOINT [libfuse options such as -f, -d, -s]
int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: quorvex_rig CONFIG MOUNTPOINT [fuse options]\n";
        return 2;
    }
    try {
        quorvex::test::RigTree tree(readConfig(argv[1]));
        std::vector<std::string> arguments{argv[0], argv[2], "-o",
                                           "ro,fsname=quorvex-rig,subtype=quorvex-rig"};
        arguments.insert(arguments.end(), argv + 3, argv + argc);
        return quorvex::test::RigFileSystem::run(tree, std::move(arguments));
    } catch (const std::invalid_argument& error) {
        std::cerr << "quorvex_rig: " << argv[1] << ": " << error.what() << '\n';
        return 2;
    }
}
