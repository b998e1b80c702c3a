#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "ErrorNumberOf.h"
#include "FaultySystemCalls.h"
#include "HangingFileLayer.h"
#include "PosixFileLayer.h"
#include "TemporaryFolder.h"
#include "WatchedFileLayer.h"

namespace quorvex {
namespace {

using test::errorNumberOf;
using namespace std::chrono_literals;

class WatchedFileLayerTest : public ::testing::Test {
  protected:
    std::string readAt(FileLayer& layer, std::int64_t position, std::size_t count) {
        std::string bytes(count, '\0');
        bytes.resize(layer.read(FileNumber::Source, position, bytes));
        return bytes;
    }

    test::HangingFileLayer medium;
    test::CountingPump pump;
};

// The call itself runs on the caller's thread; the events run beside it while it hangs, and
// none runs once it has returned.
TEST_F(WatchedFileLayerTest, EventsRunOnTheWatcherWhileACallHangsAndStopWithIt) {
    WatchedFileLayer files(medium, pump, 5ms);
    pump.actions[3] = [this] { medium.openGate(); };

    EXPECT_EQ(readAt(files, 3, 4), "cdef");
    const int pauses = pump.pauses;
    EXPECT_GE(pauses, 3) << "the read cannot end before the third pause opened the gate";
    EXPECT_EQ(medium.lastThread, std::this_thread::get_id());
    EXPECT_NE(pump.pumpThread, std::this_thread::get_id());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(pump.pauses, pauses);
}

// Events that began while the call hung may look at what the caller keeps: the call that ends
// meanwhile returns only once they are over.
TEST_F(WatchedFileLayerTest, ACallThatEndsWhileEventsRunWaitsForThem) {
    WatchedFileLayer files(medium, pump, 5ms);
    bool eventsOver = false;
    pump.actions[1] = [&] {
        medium.openGate();
        std::this_thread::sleep_for(100ms);
        eventsOver = true;
    };
    EXPECT_EQ(readAt(files, 1, 2), "ab");
    EXPECT_TRUE(eventsOver);
    EXPECT_EQ(readAt(files, 3, 2), "cd") << "the next call is served as before";
}

TEST_F(WatchedFileLayerTest, QuickCallsRunNoEvents) {
    medium.openGate();
    WatchedFileLayer files(medium, pump, 2s);
    for (int call = 0; call < 50; ++call) {
        ASSERT_EQ(readAt(files, 1, 3), "abc");
        files.write(FileNumber::Destination, 5, std::string("xyz"));
    }
    EXPECT_EQ(medium.written, "5:xyz");
    EXPECT_EQ(pump.pauses, 0);
}

// What an event raised reaches the caller once its call has returned, before the call's own
// failure; the layer goes on serving after either.
TEST_F(WatchedFileLayerTest, FailuresOfTheCallAndOfTheEventsReachTheCaller) {
    WatchedFileLayer files(medium, pump, 5ms);
    medium.failure = ErrorNumber::PathFileAccessError;
    pump.actions[2] = [this] { medium.openGate(); };
    EXPECT_EQ(errorNumberOf([&] { readAt(files, 1, 4); }), ErrorNumber::PathFileAccessError);

    test::HangingFileLayer slow;
    WatchedFileLayer slowFiles(slow, pump, 5ms);
    pump.pauses = 0;
    pump.actions[1] = [&slow] {
        slow.openGate();
        throw std::runtime_error("event failed");
    };
    slow.failure = ErrorNumber::PathFileAccessError;
    EXPECT_THROW(readAt(slowFiles, 1, 4), std::runtime_error);
    slow.failure.reset();
    EXPECT_EQ(readAt(slowFiles, 7, 4), "gh");
}

// The real layer under it: an open that succeeded while the events raised is closed again, so
// the file number is free for the caller.
TEST(WatchedSourceCallsTest, AnOpenThatSucceededWhileTheEventsRaisedIsClosed) {
    const test::TemporaryFolder folder;
    const std::string path = folder.write("disc.bin", "recovered");
    test::FaultySystemCalls calls;
    PosixFileLayer posix(calls);
    test::CountingPump pump;
    WatchedFileLayer files(posix, pump, 5ms);
    calls.script("open", test::Fault::blocks(200ms));
    pump.actions[1] = [] { throw std::runtime_error("stopped"); };

    EXPECT_THROW(files.open(FileNumber::Source, path, FileOpenMode::Read), std::runtime_error);
    EXPECT_EQ(calls.calls("close"), 1) << "the descriptor of the open was closed";
    files.open(FileNumber::Source, path, FileOpenMode::Read);
    EXPECT_EQ(files.length(FileNumber::Source), 9);
}

}  // namespace
}  // namespace quorvex
