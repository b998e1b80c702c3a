#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>

#include "EventPump.h"
#include "FileLayer.h"

namespace quorvex {

// Keeps a program without a window answering while a call hangs on failing media: every call
// runs on the caller's thread, and a watcher thread of this layer's own runs the pending events
// once a call has lasted longer than the interval, and again every interval until it ends.
// Healthy calls cost no hand-over between threads, which a copy of many small files would spend
// most of its time on.
//
// The events run only while the caller is inside a call, and a call returns only once events
// that started have finished, so they may look at what the caller keeps without a race. They
// must be safe to run on another thread than the caller's (a window's are not: it uses
// ResponsiveFileLayer). What the events raise reaches the caller when its call has returned.
class WatchedFileLayer final : public FileLayer {
  public:
    static constexpr std::chrono::milliseconds DefaultInterval{20};

    WatchedFileLayer(FileLayer& wrapped, EventPump& events,
                     std::chrono::milliseconds interval = DefaultInterval);
    ~WatchedFileLayer() override;
    WatchedFileLayer(const WatchedFileLayer&) = delete;
    WatchedFileLayer& operator=(const WatchedFileLayer&) = delete;

    void open(int number, const std::string& path, FileOpenMode mode) override;
    std::size_t read(int number, std::int64_t position, std::span<char> buffer) override;
    void write(int number, std::int64_t position, std::span<const char> bytes) override;
    std::optional<std::size_t> copyRange(int from, int to, std::int64_t position,
                                         std::size_t length) override;
    std::optional<DataExtent> nextData(int number, std::int64_t position) override;
    std::optional<std::size_t> readSectors(int number, std::int64_t position,
                                           std::span<char> buffer) override;
    std::int64_t sectorSize(int number) override;
    std::int64_t length(int number) override;
    FileOpenMode openMode(int number) override;
    void close(int number) override;
    void closeAll() override;

    std::string fileDateTime(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool isSameFile(const std::string& first, const std::string& second) override;
    void remove(const std::string& path) override;
    std::string currentDirectory() override;

    void confineTo(const std::string& root) override;
    NameEntry entry(const std::string& path) override;
    bool names(const std::string& path, int number) override;
    void setLength(int number, std::int64_t length) override;
    void copyAttributes(int from, int to) override;
    void rename(const std::string& from, const std::string& to, bool replace) override;
    void makeLink(const std::string& target, const std::string& path) override;
    std::string readLink(const std::string& path) override;

  private:
    // Runs the work as one watched call and returns what it returned.
    template <typename Work>
    auto watched(Work work);
    void enter();
    // Waits for events that are running; what the events raised meanwhile.
    std::exception_ptr leave();
    void watch();
    void runEventsDuring(std::uint64_t call);

    FileLayer& wrapped_;
    EventPump& events_;
    const std::chrono::milliseconds interval_;
    // Set in calls_ while the watcher runs events during the call; the caller cannot end the
    // call meanwhile, and the watcher cannot begin them once it has ended.
    static constexpr std::uint64_t kEventsRunning = std::uint64_t{1} << 63;
    // Odd while a call runs; each call adds two.
    std::atomic<std::uint64_t> calls_ = 0;
    // Written by the watcher only while it runs events, taken by the caller as it leaves.
    std::exception_ptr eventFailure_;
    std::mutex stopMutex_;
    std::condition_variable stopChanged_;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace quorvex
