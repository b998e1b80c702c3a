#pragma once

#include <deque>
#include <vector>

#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "RunTimeError.h"

namespace quorvex::test {

struct ReadCall {
    std::int64_t position;
    std::size_t length;
    bool operator==(const ReadCall&) const = default;
};

// Real files, except that reads of the source touching a bad range fail as a damaged medium
// fails (error 75), a source can be made to end early, and failures can be scripted.
class DamagedMediaFileLayer final : public FileLayer {
public:
    // A bad range in 1-based positions of the source, inclusive.
    void addBadRange(std::int64_t first, std::int64_t last) { bad_.push_back({first, last}); }
    // Reads of the source give nothing past this many bytes while its length stays as it was.
    void shrinkSourceTo(std::int64_t bytes) { shrunkTo_ = bytes; }
    void failNextRead(int number) { readFailures_.push_back(number); }
    void failNextWrite(int number) { writeFailures_.push_back(number); }

    const std::vector<ReadCall>& sourceReads() const { return reads_; }

    void open(int number, const std::string& path, FileOpenMode mode) override {
        real_.open(number, path, mode);
    }
    std::size_t read(int number, std::int64_t position, std::span<char> buffer) override;
    void write(int number, std::int64_t position, std::span<const char> bytes) override;
    std::int64_t length(int number) override { return real_.length(number); }
    FileOpenMode openMode(int number) override { return real_.openMode(number); }
    void close(int number) override { real_.close(number); }
    void closeAll() override { real_.closeAll(); }
    std::string fileDateTime(const std::string& path) override { return real_.fileDateTime(path); }
    bool exists(const std::string& path) override { return real_.exists(path); }
    bool isSameFile(const std::string& first, const std::string& second) override {
        return real_.isSameFile(first, second);
    }
    void remove(const std::string& path) override { real_.remove(path); }
    std::string currentDirectory() override { return real_.currentDirectory(); }

private:
    bool touchesBadRange(std::int64_t first, std::int64_t last) const;

    PosixSystemCalls calls_;
    PosixFileLayer real_{calls_};
    std::vector<std::pair<std::int64_t, std::int64_t>> bad_;
    std::int64_t shrunkTo_ = -1;
    std::deque<int> readFailures_;
    std::deque<int> writeFailures_;
    std::vector<ReadCall> reads_;
};

inline bool DamagedMediaFileLayer::touchesBadRange(std::int64_t first, std::int64_t last) const {
    for (const auto& [badFirst, badLast] : bad_)
        if (first <= badLast && last >= badFirst) return true;
    return false;
}

inline std::size_t DamagedMediaFileLayer::read(int number, std::int64_t position,
                                               std::span<char> buffer) {
    if (number != FileNumber::Source) return real_.read(number, position, buffer);
    reads_.push_back({position, buffer.size()});
    if (!readFailures_.empty()) {
        const int failure = readFailures_.front();
        readFailures_.pop_front();
        throw RunTimeError(failure, "scripted read failure");
    }
    const auto last = position + static_cast<std::int64_t>(buffer.size()) - 1;
    if (touchesBadRange(position, last)) throw RunTimeError(ErrorNumber::PathFileAccessError, "bad");
    if (shrunkTo_ >= 0) {
        const std::int64_t available = std::max<std::int64_t>(0, shrunkTo_ - position + 1);
        buffer = buffer.first(std::min(buffer.size(), static_cast<std::size_t>(available)));
    }
    return real_.read(number, position, buffer);
}

inline void DamagedMediaFileLayer::write(int number, std::int64_t position,
                                         std::span<const char> bytes) {
    if (!writeFailures_.empty()) {
        const int failure = writeFailures_.front();
        writeFailures_.pop_front();
        throw RunTimeError(failure, "scripted write failure");
    }
    real_.write(number, position, bytes);
}

}  // namespace quorvex::test
