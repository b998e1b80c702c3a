#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "ItemNoteRecorder.h"
#include "RecoveryRig.h"

namespace quorvex::test {

// A recovery rig that also records the items' notes and has a folder outside the destination,
// where nothing may ever change.
class DestinationRig : public RecoveryRig {
protected:
    DestinationRig() {
        engine.display().setObserver(&recorder);
        outside.write("victim", "outside");
    }

    // Every name below a folder with what it holds: its bytes, a link's target or a folder mark.
    static std::map<std::string, std::string> snapshot(const std::filesystem::path& root) {
        namespace fs = std::filesystem;
        std::map<std::string, std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string name = fs::relative(entry.path(), root).string();
            if (entry.is_symlink())
                entries[name] = "-> " + fs::read_symlink(entry.path()).string();
            else if (entry.is_directory())
                entries[name] = "/";
            else
                entries[name] = readAll(entry.path());
        }
        return entries;
    }
    static std::string readAll(const std::filesystem::path& path) {
        std::ifstream input(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(input), {});
    }
    static struct stat statusOf(const std::string& path) {
        struct stat status {};
        EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
        return status;
    }

    TemporaryFolder outside;
    ItemNoteRecorder recorder;
};

}  // namespace quorvex::test
