#include "ResponsiveFileLayer.h"

#include <optional>

#include "OpenClosedOnRaise.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace quorvex {

namespace {

// How long each side waits without sleeping: a healthy call ends within the caller's spin, and
// the next call of a copy usually comes within the worker's.
constexpr std::chrono::microseconds kCallerSpin{200};
constexpr std::chrono::microseconds kWorkerSpin{200};

void relax() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

// True when the condition came true before the time was up.
template <typename Condition>
bool spinUntil(Condition condition, std::chrono::microseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        for (int round = 0; round < 16 && !condition(); ++round) relax();
    }
    return true;
}

}  // namespace

ResponsiveFileLayer::ResponsiveFileLayer(FileLayer& wrapped, EventPump& events,
                                         std::chrono::milliseconds interval)
    : wrapped_(wrapped), events_(events), interval_(interval), worker_([this] { serve(); }) {}

ResponsiveFileLayer::~ResponsiveFileLayer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

std::size_t ResponsiveFileLayer::read(int number, std::int64_t position, std::span<char> buffer) {
    std::size_t count = 0;
    onWorker([&] { count = wrapped_.read(number, position, buffer); });
    return count;
}

std::optional<std::size_t> ResponsiveFileLayer::copyRange(int from, int to, std::int64_t position,
                                                          std::size_t length) {
    std::optional<std::size_t> count;
    onWorker([&] { count = wrapped_.copyRange(from, to, position, length); });
    return count;
}

std::optional<std::size_t> ResponsiveFileLayer::readSectors(int number, std::int64_t position,
                                                            std::span<char> buffer) {
    std::optional<std::size_t> count;
    onWorker([&] { count = wrapped_.readSectors(number, position, buffer); });
    return count;
}

// Asking a failing medium where its data lies can hang as long as a read.
std::optional<DataExtent> ResponsiveFileLayer::nextData(int number, std::int64_t position) {
    std::optional<DataExtent> extent;
    onWorker([&] { extent = wrapped_.nextData(number, position); });
    return extent;
}

void ResponsiveFileLayer::write(int number, std::int64_t position, std::span<const char> bytes) {
    onWorker([&] { wrapped_.write(number, position, bytes); });
}

void ResponsiveFileLayer::onWorker(std::function<void()> work) {
    Call call{std::move(work), false, nullptr};
    bool wake = false;
    {
        const std::lock_guard lock(mutex_);
        calls_.push_back(&call);
        queued_.fetch_add(1, std::memory_order_release);
        wake = workerAsleep_;
    }
    if (wake) changed_.notify_all();
    waitFor(call);
    if (call.failure) std::rethrow_exception(call.failure);
}

template <typename Work>
auto ResponsiveFileLayer::resultOnWorker(Work work) {
    std::optional<decltype(work())> result;
    onWorker([&] { result.emplace(work()); });
    return std::move(*result);
}

// The worker holds the call, which lives on this stack, until it has finished: an event that
// raised stops the events, never the wait.
void ResponsiveFileLayer::waitFor(Call& call) {
    const auto finished = [&call] { return call.done.load(std::memory_order_acquire); };
    if (spinUntil(finished, kCallerSpin)) return;
    std::exception_ptr eventFailure;
    std::unique_lock lock(mutex_);
    while (!changed_.wait_for(lock, interval_, finished)) {
        if (eventFailure) continue;
        lock.unlock();
        try {
            events_.runPendingEvents();
        } catch (...) {
            eventFailure = std::current_exception();
        }
        lock.lock();
    }
    lock.unlock();
    if (eventFailure) std::rethrow_exception(eventFailure);
}

void ResponsiveFileLayer::serve() {
    std::unique_lock lock(mutex_);
    while (awaitCall(lock)) {
        Call* call = calls_.front();
        calls_.pop_front();
        queued_.fetch_sub(1, std::memory_order_relaxed);
        lock.unlock();
        run(*call);
        lock.lock();
        call->done.store(true, std::memory_order_release);
        changed_.notify_all();
    }
}

bool ResponsiveFileLayer::awaitCall(std::unique_lock<std::mutex>& lock) {
    if (calls_.empty() && !stopping_) {
        lock.unlock();
        spinUntil([this] { return queued_.load(std::memory_order_acquire) > 0 || stopping_; },
                  kWorkerSpin);
        lock.lock();
    }
    workerAsleep_ = true;
    changed_.wait(lock, [this] { return stopping_ || !calls_.empty(); });
    workerAsleep_ = false;
    return !calls_.empty();
}

void ResponsiveFileLayer::run(Call& call) {
    try {
        const std::lock_guard turn(wrappedTurn_);
        call.work();
    } catch (...) {
        call.failure = std::current_exception();
    }
}

template <typename Work>
auto ResponsiveFileLayer::direct(Work work) {
    const std::lock_guard turn(wrappedTurn_);
    return work();
}

void ResponsiveFileLayer::open(int number, const std::string& path, FileOpenMode mode) {
    if (mode != FileOpenMode::Read) return direct([&] { wrapped_.open(number, path, mode); });
    openClosedOnRaise(
        *this, number, [this](auto work) { onWorker(work); },
        [&] { wrapped_.open(number, path, mode); });
}

// What the layer has learnt of the sector size; no medium is asked.
std::int64_t ResponsiveFileLayer::sectorSize(int number) {
    return direct([&] { return wrapped_.sectorSize(number); });
}

std::int64_t ResponsiveFileLayer::length(int number) {
    return resultOnWorker([&] { return wrapped_.length(number); });
}

FileOpenMode ResponsiveFileLayer::openMode(int number) {
    return direct([&] { return wrapped_.openMode(number); });
}

void ResponsiveFileLayer::close(int number) {
    direct([&] { wrapped_.close(number); });
}

void ResponsiveFileLayer::closeAll() {
    direct([&] { wrapped_.closeAll(); });
}

std::string ResponsiveFileLayer::fileDateTime(const std::string& path) {
    return resultOnWorker([&] { return wrapped_.fileDateTime(path); });
}

bool ResponsiveFileLayer::exists(const std::string& path) {
    return resultOnWorker([&] { return wrapped_.exists(path); });
}

bool ResponsiveFileLayer::isSameFile(const std::string& first, const std::string& second) {
    return resultOnWorker([&] { return wrapped_.isSameFile(first, second); });
}

void ResponsiveFileLayer::remove(const std::string& path) {
    direct([&] { wrapped_.remove(path); });
}

std::string ResponsiveFileLayer::currentDirectory() {
    return direct([&] { return wrapped_.currentDirectory(); });
}

void ResponsiveFileLayer::confineTo(const std::string& root) {
    direct([&] { wrapped_.confineTo(root); });
}

NameEntry ResponsiveFileLayer::entry(const std::string& path) {
    return direct([&] { return wrapped_.entry(path); });
}

bool ResponsiveFileLayer::names(const std::string& path, int number) {
    return resultOnWorker([&] { return wrapped_.names(path, number); });
}

void ResponsiveFileLayer::setLength(int number, std::int64_t length) {
    direct([&] { wrapped_.setLength(number, length); });
}

void ResponsiveFileLayer::copyAttributes(int from, int to) {
    direct([&] { wrapped_.copyAttributes(from, to); });
}

void ResponsiveFileLayer::rename(const std::string& from, const std::string& to, bool replace) {
    direct([&] { wrapped_.rename(from, to, replace); });
}

void ResponsiveFileLayer::makeLink(const std::string& target, const std::string& path) {
    direct([&] { wrapped_.makeLink(target, path); });
}

std::string ResponsiveFileLayer::readLink(const std::string& path) {
    return resultOnWorker([&] { return wrapped_.readLink(path); });
}

}  // namespace quorvex
