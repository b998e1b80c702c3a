#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "EventPump.h"
#include "FileLayer.h"

namespace quorvex {

// Keeps the window responsive while a read or write hangs on failing media, which can take
// many seconds per block. Reads and writes run on a worker thread of this layer's own, and so
// does every call that reaches a source's medium (opening a file to read, taking a length,
// looking at a name's time, whether it exists or where its link leads), since a dying disc or
// a hung network share can block there just as long. The destination's other calls stay on
// the caller's thread, as each hand-over costs a copy of many small files time.
//
// The caller waits for a worker's call and lets the pending events run every interval until it
// finishes; it always learns what the call did, so an open that ends late still leaves its file
// known to the caller. A call that finishes within the first interval costs only the
// hand-over, and both threads wait a few microseconds without sleeping first: on healthy media
// a call ends sooner than a sleeping thread can be woken, and waking threads is what a copy of
// many small files would spend most of its time on. Every failure raised on the worker reaches
// the caller as if it had called the wrapped layer.
class ResponsiveFileLayer final : public FileLayer {
public:
    static constexpr std::chrono::milliseconds DefaultInterval{20};

    ResponsiveFileLayer(FileLayer& wrapped, EventPump& events,
                        std::chrono::milliseconds interval = DefaultInterval);
    ~ResponsiveFileLayer() override;
    ResponsiveFileLayer(const ResponsiveFileLayer&) = delete;
    ResponsiveFileLayer& operator=(const ResponsiveFileLayer&) = delete;

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
    struct Call {
        std::function<void()> work;
        std::atomic<bool> done = false;
        std::exception_ptr failure;
    };

    // Runs the work on the worker and returns when it has finished, raising what it raised.
    void onWorker(std::function<void()> work);
    // The same for work with a result.
    template <typename Work>
    auto resultOnWorker(Work work);
    // Returns only once the call has finished, also when the events raised meanwhile; then
    // raises what they raised.
    void waitFor(Call& call);
    void serve();
    // Waits for the next call without sleeping for a short while, then asleep; false when the
    // layer is being destroyed.
    bool awaitCall(std::unique_lock<std::mutex>& lock);
    void run(Call& call);
    // Runs a call on the caller's thread, never at the same time as the worker's call.
    template <typename Work>
    auto direct(Work work);

    FileLayer& wrapped_;
    EventPump& events_;
    const std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Call*> calls_;
    // Calls queued, read without the lock while the threads spin.
    std::atomic<std::size_t> queued_ = 0;
    std::atomic<bool> stopping_ = false;
    // The worker sleeps on the condition and must be woken for a new call.
    bool workerAsleep_ = false;
    // Events that run while a call waits may reach this layer again; the wrapped layer is not
    // made for two threads, so its calls take turns.
    std::mutex wrappedTurn_;
    std::thread worker_;
};

}  // namespace quorvex
