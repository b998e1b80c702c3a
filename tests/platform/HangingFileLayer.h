#pragma once

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "EventPump.h"
#include "FileLayer.h"
#include "RunTimeError.h"

namespace quorvex::test {

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

}  // namespace quorvex::test
