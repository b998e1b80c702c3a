#include "RigMount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace quorvex::test {
namespace {

constexpr auto mountTimeout = std::chrono::seconds(10);

std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

bool canOpenFuseDevice() {
    const int descriptor = open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (descriptor < 0) return false;
    close(descriptor);
    return true;
}

}  // namespace

RigMount::RigMount(const std::string& config)
    : mountPoint_(prepare(config)),
      daemon_(QUORVEX_RIG_PROGRAM, folder_.file("rig.conf"), mountPoint_, folder_.file("rig.log")) {
    waitUntilMounted();
}

std::string RigMount::unavailableReason() {
    if (!canOpenFuseDevice()) return "FUSE is not usable here: /dev/fuse cannot be opened";
    const std::string fusermount = findProgram("fusermount3");
    if (fusermount.empty()) return "FUSE is not usable here: fusermount3 is not installed";
    struct stat status {};
    if (geteuid() != 0 && (stat(fusermount.c_str(), &status) != 0 || !(status.st_mode & S_ISUID)))
        return "FUSE is not usable here: fusermount3 is not setuid and the tests do not run as root";
    return {};
}

RigCounters RigMount::counters(const std::string& name) const {
    std::ifstream stats(file(std::string(RigCounters::fileName)));
    RigCounters counters;
    std::string rest;
    while (stats >> counters.reads >> counters.failed >> counters.bytes && std::getline(stats, rest))
        if (rest == " " + name) return counters;
    throw std::runtime_error("the rig has no counters for \"" + name + "\"");
}

// The mount point is resolved, because the mount table lists resolved paths.
std::string RigMount::prepare(const std::string& config) const {
    folder_.write("rig.conf", config);
    std::filesystem::create_directory(folder_.file("mnt"));
    return std::filesystem::canonical(folder_.file("mnt")).string();
}

void RigMount::waitUntilMounted() {
    const auto deadline = std::chrono::steady_clock::now() + mountTimeout;
    while (!RigDaemon::isMounted(mountPoint_)) {
        if (daemon_.exited())
            throw std::runtime_error("quorvex_rig stopped before mounting: " + log());
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("quorvex_rig did not mount within 10 s: " + log());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace quorvex::test
