#pragma once

#include <string>
#include <vector>

#include "RigTree.h"

namespace quorvex::test {

// Serves a RigTree read-only through libfuse's high-level interface until it is unmounted.
class RigFileSystem {
public:
    // Arguments as for fuse_main: the program name, the mount point and libfuse options.
    // Returns fuse_main's result.
    static int run(RigTree& tree, std::vector<std::string> arguments);
};

}  // namespace quorvex::test
