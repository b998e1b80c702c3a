#include <algorithm>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ErrorNumberOf.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ResponsiveFileLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::errorNumberOf;

using namespace std::chrono_literals;

// A medium whose reads and writes hang until the test opens the gate (or for five seconds at
// most), then hand back the scripted bytes or failure. It records the thread they ran on.
class HangingFileLayer final : public FileLayer {
public:
    void openGate() {
        {
            const std::lock_guard lock(mutex_);
            gateOpen_ = true;
        }
        opened_.notify_all();
    }

    std::size_t read(int, std::int64_t position, std::span<char> buffer) override {
        passGate();
        if (failure) throw RunTimeError(*failure, "scripted");
        const auto from = static_cast<std::size_t>(position - 1);
        const std::size_t count = std::min(buffer.size(), content.size() - from);
        std::copy_n(content.begin() + static_cast<std::ptrdiff_t>(from), count, buffer.begin());
        return count;
    }
    void write(int, std::int64_t position, std::span<const char> bytes) override {
        passGate();
        if (failure) throw RunTimeError(*failure, "scripted");
        written = std::to_string(position) + ":" + std::string(bytes.begin(), bytes.end());
    }

    void open(int, const std::string&, FileOpenMode) override {}
    std::int64_t length(int) override { return static_cast<std::int64_t>(content.size()); }
    FileOpenMode openMode(int) override { return FileOpenMode::Read; }
    void close(int) override {}
    void closeAll() override {}
    std::string fileDateTime(const std::string&) override { return {}; }
    bool exists(const std::string&) override { return true; }
    bool isSameFile(const std::string&, const std::string&) override { return false; }
    void remove(const std::string&) override {}
    std::string currentDirectory() override { return "/"; }
    void confineTo(const std::string&) override {}
    NameEntry entry(const std::string&) override { return {}; }
    bool names(const std::string&, int) override { return false; }
    void setLength(int, std::int64_t) override {}
    void copyAttributes(int, int) override {}
    void rename(const std::string&, const std::string&, bool) override {}
    void makeLink(const std::string&, const std::string&) override {}
    std::string readLink(const std::string&) override { return {}; }

    std::string content = "abcdefgh";
    std::optional<int> failure;
    std::string written;
    std::thread::id lastThread;

private:
    void passGate() {
        std::unique_lock lock(mutex_);
        lastThread = std::this_thread::get_id();
        opened_.wait_for(lock, std::chrono::seconds(5), [this] { return gateOpen_; });
    }

    std::mutex mutex_;
    std::condition_variable opened_;
    bool gateOpen_ = false;
};

// Counts the pauses for events and runs what the test scheduled at a given one.
class CountingPump final : public EventPump {
public:
    void runPendingEvents() override {
        pumpThread = std::this_thread::get_id();
        const auto found = actions.find(++pauses);
        if (found != actions.end()) found->second();
    }

    int pauses = 0;
    std::map<int, std::function<void()>> actions;
    std::thread::id pumpThread;
};

class ResponsiveFileLayerTest : public ::testing::Test {
protected:
    std::string readAt(FileLayer& layer, std::int64_t position, std::size_t count) {
        std::string bytes(count, '\0');
        bytes.resize(layer.read(FileNumber::Source, position, bytes));
        return bytes;
    }

    HangingFileLayer medium;
    CountingPump pump;
};

TEST_F(ResponsiveFileLayerTest, EventsRunOnTheCallersThreadWhileAReadHangs) {
    ResponsiveFileLayer files(medium, pump);
    pump.actions[3] = [this] { medium.openGate(); };

    EXPECT_EQ(readAt(files, 3, 4), "cdef");
    EXPECT_GE(pump.pauses, 3) << "the read cannot end before the third pause opened the gate";
    EXPECT_EQ(pump.pumpThread, std::this_thread::get_id());
    EXPECT_NE(medium.lastThread, std::this_thread::get_id()) << "the read ran on the worker";
}

TEST_F(ResponsiveFileLayerTest, QuickCallsAreNotInterruptedByEvents) {
    medium.openGate();
    ResponsiveFileLayer files(medium, pump, 2s);
    for (int call = 0; call < 50; ++call) {
        ASSERT_EQ(readAt(files, 1, 3), "abc");
        files.write(FileNumber::Destination, 5, std::string("xyz"));
    }
    EXPECT_EQ(medium.written, "5:xyz");
    EXPECT_EQ(pump.pauses, 0);
}

TEST_F(ResponsiveFileLayerTest, FailuresOnTheWorkerReachTheCallerWithTheirNumber) {
    ResponsiveFileLayer files(medium, pump);
    medium.failure = ErrorNumber::PathFileAccessError;
    pump.actions[2] = [this] { medium.openGate(); };
    EXPECT_EQ(errorNumberOf([&] { readAt(files, 1, 4); }), ErrorNumber::PathFileAccessError);

    medium.failure = ErrorNumber::DiskFull;
    EXPECT_EQ(errorNumberOf([&] { files.write(FileNumber::Destination, 1, std::string("x")); }),
              ErrorNumber::DiskFull);
    medium.failure.reset();
    EXPECT_EQ(readAt(files, 7, 4), "gh") << "the worker goes on serving after a failure";
}

TEST_F(ResponsiveFileLayerTest, ACallMadeByAnEventWhileAReadHangsIsServedToo) {
    ResponsiveFileLayer files(medium, pump);
    std::string inner;
    pump.actions[2] = [&] { inner = readAt(files, 5, 2); };
    pump.actions[4] = [this] { medium.openGate(); };
    EXPECT_EQ(readAt(files, 1, 2), "ab");
    EXPECT_EQ(inner, "ef");
}

TEST_F(ResponsiveFileLayerTest, EveryOtherCallReachesTheWrappedLayer) {
    const test::TemporaryFolder folder;
    PosixSystemCalls calls;
    PosixFileLayer posix(calls);
    ResponsiveFileLayer files(posix, pump);
    const std::string path = folder.file("copy.bin");

    files.open(FileNumber::Destination, path, FileOpenMode::ReadWrite);
    files.write(FileNumber::Destination, 1, std::string("recovered"));
    EXPECT_EQ(files.length(FileNumber::Destination), 9);
    EXPECT_EQ(files.openMode(FileNumber::Destination), FileOpenMode::ReadWrite);
    EXPECT_EQ(errorNumberOf([&] { readAt(files, 1, 4); }), ErrorNumber::BadFileNameOrNumber)
        << "file 1 was never opened";
    files.closeAll();
    EXPECT_EQ(folder.read("copy.bin"), "recovered");
    EXPECT_TRUE(files.isSameFile(path, folder.path() + "./copy.bin"));
    EXPECT_FALSE(files.fileDateTime(path).empty());
    EXPECT_EQ(files.currentDirectory(), posix.currentDirectory());
    files.remove(path);
    EXPECT_FALSE(files.exists(path));
    EXPECT_EQ(errorNumberOf([&] { files.remove(path); }), ErrorNumber::FileNotFound);
}

}  // namespace
}  // namespace quorvex
