#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "HangingFileLayer.h"
#include "ResponsiveFileLayer.h"
#include "RunTimeError.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

using test::errorNumberOf;
using test::Fault;
using test::CountingPump;
using test::HangingFileLayer;
using Clock = std::chrono::steady_clock;

using namespace std::chrono_literals;

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

// A call made by an event while a read hangs is served too.
TEST_F(ResponsiveFileLayerTest, EventsRunOnTheCallersThreadWhileAReadHangs) {
    ResponsiveFileLayer files(medium, pump);
    std::string inner;
    pump.actions[2] = [&] { inner = readAt(files, 5, 2); };
    pump.actions[4] = [this] { medium.openGate(); };

    EXPECT_EQ(readAt(files, 3, 4), "cdef");
    EXPECT_EQ(inner, "ef");
    EXPECT_GE(pump.pauses, 4) << "the read cannot end before the fourth pause opened the gate";
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

// Notes when each pause for events came and runs the test's action at every one.
class TimingPump final : public EventPump {
public:
    void runPendingEvents() override {
        times.push_back(Clock::now());
        if (action) action();
    }

    // The longest time the caller went without events between the start and the end.
    std::chrono::milliseconds longestGap(Clock::time_point start, Clock::time_point end) const {
        std::chrono::milliseconds longest{0};
        Clock::time_point last = start;
        for (const auto time : times) {
            longest = std::max(longest,
                               std::chrono::duration_cast<std::chrono::milliseconds>(time - last));
            last = time;
        }
        return std::max(longest, std::chrono::duration_cast<std::chrono::milliseconds>(end - last));
    }

    std::vector<Clock::time_point> times;
    std::function<void()> action;
};

// The real file layer over system calls that can be made to block or fail.
class SourceCallsTest : public ::testing::Test {
protected:
    SourceCallsTest() { folder.write("disc.bin", "recovered"); }

    const test::TemporaryFolder folder;
    test::FaultySystemCalls calls;
    PosixFileLayer posix{calls};
    TimingPump pump;
    ResponsiveFileLayer files{posix, pump};
    const std::string path = folder.file("disc.bin");
};

TEST_F(SourceCallsTest, EventsRunWhileTheSourceIsOpenedOrLookedAt) {
    using namespace std::chrono_literals;
    struct Case {
        const char* name;
        const char* blockingCall;
        std::function<std::string(FileLayer&, const std::string&)> action;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"open", "open",
         [](FileLayer& layer, const std::string& source) {
             layer.open(FileNumber::Source, source, FileOpenMode::Read);
             return std::to_string(layer.length(FileNumber::Source));
         },
         "9"},
        {"length", "fstat",
         [](FileLayer& layer, const std::string&) {
             // A file read since it was opened is looked at again.
             char byte = 0;
             layer.read(FileNumber::Source, 1, {&byte, 1});
             return std::to_string(layer.length(FileNumber::Source));
         },
         "9"},
        {"date and time", "stat",
         [](FileLayer& layer, const std::string& source) {
             return std::to_string(!layer.fileDateTime(source).empty());
         },
         "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files.closeAll();
        if (std::string(c.name) != "open") files.open(FileNumber::Source, path, FileOpenMode::Read);
        pump.times.clear();
        calls.script(c.blockingCall, Fault::blocks(300ms));

        const auto start = Clock::now();
        EXPECT_EQ(c.action(files, path), c.expected);
        const auto end = Clock::now();

        EXPECT_GE(end - start, 300ms) << "the scripted block was not met";
        EXPECT_GE(pump.times.size(), 3u);
        EXPECT_LE(pump.longestGap(start, end), 150ms) << "the window answers well within a second";
    }
}

// Each case runs on a fresh direct layer and a fresh responsive one with the same faults.
TEST(ResponsiveSourceCallsTest, AnswerAsTheDirectLayerDoes) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, Fault>> faults;
        std::function<void(FileLayer&, const test::TemporaryFolder&)> action;
        std::string expected;
    };
    const auto openAndMeasure = [](const std::string& name) {
        return [name](FileLayer& layer, const test::TemporaryFolder& folder) {
            layer.open(FileNumber::Source, folder.file(name), FileOpenMode::Read);
            char byte = 0;
            layer.read(FileNumber::Source, 1, {&byte, 1});
            throw std::to_string(layer.length(FileNumber::Source));
        };
    };
    const std::vector<Case> cases = {
        {"a file", {}, openAndMeasure("disc.bin"), "9"},
        {"a missing file", {}, openAndMeasure("gone.bin"), "error 53"},
        {"a folder", {}, openAndMeasure("folder"), "error 75"},
        {"a failing length",
         {{"fstat", Fault::blocks(std::chrono::milliseconds(0))}, {"fstat", Fault::error(EIO)}},
         openAndMeasure("disc.bin"),
         "error 75"},
        {"a number opened twice",
         {},
         [](FileLayer& layer, const test::TemporaryFolder& folder) {
             layer.open(FileNumber::Source, folder.file("disc.bin"), FileOpenMode::Read);
             layer.open(FileNumber::Source, folder.file("disc.bin"), FileOpenMode::Read);
         },
         "error 55"},
        {"the time of a missing file",
         {},
         [](FileLayer& layer, const test::TemporaryFolder& folder) {
             layer.fileDateTime(folder.file("gone.bin"));
         },
         "error 53"},
        {"a link's target",
         {},
         [](FileLayer& layer, const test::TemporaryFolder& folder) {
             throw layer.readLink(folder.file("link"));
         },
         "disc.bin"},
    };
    const auto outcome = [](const Case& c, bool responsive) {
        test::TemporaryFolder folder;
        folder.write("disc.bin", "recovered");
        std::filesystem::create_directory(folder.file("folder"));
        std::filesystem::create_symlink("disc.bin", folder.file("link"));
        test::FaultySystemCalls calls;
        for (const auto& [call, fault] : c.faults) calls.script(call, fault);
        PosixFileLayer posix(calls);
        CountingPump pump;
        ResponsiveFileLayer wrapper(posix, pump);
        FileLayer& layer = responsive ? static_cast<FileLayer&>(wrapper) : posix;
        try {
            c.action(layer, folder);
        } catch (const std::string& result) {
            return result;
        } catch (const RunTimeError& error) {
            return "error " + std::to_string(error.number());
        }
        return std::string("done");
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome(c, false), c.expected);
        EXPECT_EQ(outcome(c, true), c.expected);
    }
}

TEST_F(SourceCallsTest, AnOpenThatEndsAfterTheCallerStoppedWaitingIsClosed) {
    calls.script("open", Fault::blocks(std::chrono::milliseconds(200)));
    pump.action = [] { throw std::runtime_error("window closed"); };

    EXPECT_THROW(files.open(FileNumber::Source, path, FileOpenMode::Read), std::runtime_error);
    EXPECT_EQ(calls.calls("close"), 1) << "the descriptor of the late open was closed";
    pump.action = nullptr;
    EXPECT_EQ(errorNumberOf([&] { files.length(FileNumber::Source); }),
              ErrorNumber::BadFileNameOrNumber);
    files.open(FileNumber::Source, path, FileOpenMode::Read);
    EXPECT_EQ(files.length(FileNumber::Source), 9);
}

}  // namespace
}  // namespace quorvex
