#include "WatchedFileLayer.h"

#include <type_traits>
#include <utility>

#include "OpenClosedOnRaise.h"

namespace quorvex {

WatchedFileLayer::WatchedFileLayer(FileLayer& wrapped, EventPump& events,
                                   std::chrono::milliseconds interval)
    : wrapped_(wrapped), events_(events), interval_(interval), watcher_([this] { watch(); }) {}

WatchedFileLayer::~WatchedFileLayer() {
    {
        const std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopChanged_.notify_all();
    watcher_.join();
}

namespace {

void raiseIfAny(const std::exception_ptr& failure) {
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

// What the events raised comes first, also over the call's own failure.
template <typename Work>
auto WatchedFileLayer::watched(Work work) {
    enter();
    bool left = false;
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            left = true;
            raiseIfAny(leave());
        } else {
            auto result = work();
            left = true;
            raiseIfAny(leave());
            return result;
        }
    } catch (...) {
        if (!left) raiseIfAny(leave());
        throw;
    }
}

void WatchedFileLayer::enter() { calls_.fetch_add(1, std::memory_order_acq_rel); }

// Ends the call unless the watcher has begun events during it; then it waits for their end.
std::exception_ptr WatchedFileLayer::leave() {
    std::uint64_t inCall = calls_.load(std::memory_order_relaxed) & ~kEventsRunning;
    while (!calls_.compare_exchange_weak(inCall, inCall + 1, std::memory_order_acq_rel,
                                         std::memory_order_acquire)) {
        if ((inCall & kEventsRunning) != 0) calls_.wait(inCall, std::memory_order_acquire);
        inCall &= ~kEventsRunning;
    }
    return eventFailure_ ? std::exchange(eventFailure_, nullptr) : std::exception_ptr();
}

// A call seen at two looks in a row, one interval apart, has lasted at least that long.
void WatchedFileLayer::watch() {
    std::uint64_t seen = calls_.load(std::memory_order_acquire);
    std::unique_lock lock(stopMutex_);
    while (!stopChanged_.wait_for(lock, interval_, [this] { return stopping_; })) {
        const std::uint64_t now = calls_.load(std::memory_order_acquire);
        if (now % 2 == 1 && now == seen) {
            lock.unlock();
            runEventsDuring(now);
            lock.lock();
        }
        seen = now;
    }
}

// The caller cannot leave the call while the events run; one that left before they started
// is not disturbed.
void WatchedFileLayer::runEventsDuring(std::uint64_t call) {
    if (!calls_.compare_exchange_strong(call, call | kEventsRunning, std::memory_order_acq_rel))
        return;
    if (!eventFailure_) {
        try {
            events_.runPendingEvents();
        } catch (...) {
            eventFailure_ = std::current_exception();
        }
    }
    calls_.fetch_and(~kEventsRunning, std::memory_order_release);
    calls_.notify_all();
}

void WatchedFileLayer::open(int number, const std::string& path, FileOpenMode mode) {
    openClosedOnRaise(
        wrapped_, number, [this](auto work) { watched(work); },
        [&] { wrapped_.open(number, path, mode); });
}

std::size_t WatchedFileLayer::read(int number, std::int64_t position, std::span<char> buffer) {
    return watched([&] { return wrapped_.read(number, position, buffer); });
}

void WatchedFileLayer::write(int number, std::int64_t position, std::span<const char> bytes) {
    watched([&] { wrapped_.write(number, position, bytes); });
}

std::optional<std::size_t> WatchedFileLayer::copyRange(int from, int to, std::int64_t position,
                                                       std::size_t length) {
    return watched([&] { return wrapped_.copyRange(from, to, position, length); });
}

std::optional<DataExtent> WatchedFileLayer::nextData(int number, std::int64_t position) {
    return watched([&] { return wrapped_.nextData(number, position); });
}

std::optional<std::size_t> WatchedFileLayer::readSectors(int number, std::int64_t position,
                                                         std::span<char> buffer) {
    return watched([&] { return wrapped_.readSectors(number, position, buffer); });
}

std::int64_t WatchedFileLayer::sectorSize(int number) { return wrapped_.sectorSize(number); }

std::int64_t WatchedFileLayer::length(int number) {
    return watched([&] { return wrapped_.length(number); });
}

FileOpenMode WatchedFileLayer::openMode(int number) { return wrapped_.openMode(number); }

void WatchedFileLayer::close(int number) {
    watched([&] { wrapped_.close(number); });
}

void WatchedFileLayer::closeAll() {
    watched([&] { wrapped_.closeAll(); });
}

std::string WatchedFileLayer::fileDateTime(const std::string& path) {
    return watched([&] { return wrapped_.fileDateTime(path); });
}

bool WatchedFileLayer::exists(const std::string& path) {
    return watched([&] { return wrapped_.exists(path); });
}

bool WatchedFileLayer::isSameFile(const std::string& first, const std::string& second) {
    return watched([&] { return wrapped_.isSameFile(first, second); });
}

void WatchedFileLayer::remove(const std::string& path) {
    watched([&] { wrapped_.remove(path); });
}

std::string WatchedFileLayer::currentDirectory() { return wrapped_.currentDirectory(); }

void WatchedFileLayer::confineTo(const std::string& root) {
    watched([&] { wrapped_.confineTo(root); });
}

NameEntry WatchedFileLayer::entry(const std::string& path) {
    return watched([&] { return wrapped_.entry(path); });
}

bool WatchedFileLayer::names(const std::string& path, int number) {
    return watched([&] { return wrapped_.names(path, number); });
}

void WatchedFileLayer::setLength(int number, std::int64_t length) {
    watched([&] { wrapped_.setLength(number, length); });
}

void WatchedFileLayer::copyAttributes(int from, int to) {
    watched([&] { wrapped_.copyAttributes(from, to); });
}

void WatchedFileLayer::rename(const std::string& from, const std::string& to, bool replace) {
    watched([&] { wrapped_.rename(from, to, replace); });
}

void WatchedFileLayer::makeLink(const std::string& target, const std::string& path) {
    watched([&] { wrapped_.makeLink(target, path); });
}

std::string WatchedFileLayer::readLink(const std::string& path) {
    return watched([&] { return wrapped_.readLink(path); });
}

}  // namespace quorvex
