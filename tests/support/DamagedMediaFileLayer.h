#pragma once

#include <algorithm>
#include <optional>
#include <vector>

#include "FaultySystemCalls.h"
#include "PosixFileLayer.h"
#include "RunTimeError.h"

namespace quorvex::test {

struct ReadCall {
    std::int64_t position;
    std::size_t length;
    // Read past the cache, sector by sector.
    bool sectors = false;
    bool operator==(const ReadCall&) const = default;
};

// Real files through the real file layer, except that reads of the source touching a bad range
// fail as a damaged medium fails (error 75) or, when asked, come back short before it. The
// system calls below are FaultySystemCalls, so a test scripts errno values through the real
// error table. Reads past the cache (readSectors) fail the same way, byte for byte, unless the
// test says the file system cannot read that way.
class DamagedMediaFileLayer final : public FileLayer {
public:
    // A bad range in 1-based positions of the source, inclusive.
    void addBadRange(std::int64_t first, std::int64_t last) { bad_.push_back({first, last}); }
    // Reads touching a bad range end before it instead of failing, and a read that starts in
    // one gives nothing, while the file keeps its length: some drivers cut a file short at a
    // bad block.
    void cutReadsShortAtBadRanges() { cutShort_ = true; }
    // readSectors says the file cannot be read past the cache.
    void refuseSectorReads() { sectorsRefused_ = true; }
    FaultySystemCalls& calls() { return calls_; }

    const std::vector<ReadCall>& sourceReads() const { return reads_; }

    void open(int number, const std::string& path, FileOpenMode mode) override {
        real_.open(number, path, mode);
    }
    std::size_t read(int number, std::int64_t position, std::span<char> buffer) override;
    std::optional<std::size_t> readSectors(int number, std::int64_t position,
                                           std::span<char> buffer) override;
    void write(int number, std::int64_t position, std::span<const char> bytes) override {
        real_.write(number, position, bytes);
    }
    std::optional<DataExtent> nextData(int number, std::int64_t position) override {
        return real_.nextData(number, position);
    }
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
    void confineTo(const std::string& root) override { real_.confineTo(root); }
    NameEntry entry(const std::string& path) override { return real_.entry(path); }
    bool names(const std::string& path, int number) override { return real_.names(path, number); }
    void setLength(int number, std::int64_t length) override { real_.setLength(number, length); }
    void copyAttributes(int from, int to) override { real_.copyAttributes(from, to); }
    void rename(const std::string& from, const std::string& to, bool replace) override {
        real_.rename(from, to, replace);
    }
    void makeLink(const std::string& target, const std::string& path) override {
        real_.makeLink(target, path);
    }
    std::string readLink(const std::string& path) override { return real_.readLink(path); }

private:
    // The first bad position in first..last, if any.
    std::optional<std::int64_t> firstBadIn(std::int64_t first, std::int64_t last) const;

    FaultySystemCalls calls_;
    PosixFileLayer real_{calls_};
    std::vector<std::pair<std::int64_t, std::int64_t>> bad_;
    bool cutShort_ = false;
    bool sectorsRefused_ = false;
    bool readingSectors_ = false;
    std::vector<ReadCall> reads_;
};

inline std::optional<std::int64_t> DamagedMediaFileLayer::firstBadIn(std::int64_t first,
                                                                     std::int64_t last) const {
    std::optional<std::int64_t> found;
    for (const auto& [badFirst, badLast] : bad_)
        if (first <= badLast && last >= badFirst)
            found = std::min(found.value_or(badFirst), std::max(first, badFirst));
    return found;
}

inline std::size_t DamagedMediaFileLayer::read(int number, std::int64_t position,
                                               std::span<char> buffer) {
    if (number != FileNumber::Source) return real_.read(number, position, buffer);
    reads_.push_back({position, buffer.size(), readingSectors_});
    const auto bad = firstBadIn(position, position + static_cast<std::int64_t>(buffer.size()) - 1);
    if (bad && !cutShort_) throw RunTimeError(ErrorNumber::PathFileAccessError, "bad");
    if (bad) buffer = buffer.first(static_cast<std::size_t>(*bad - position));
    return real_.read(number, position, buffer);
}

inline std::optional<std::size_t> DamagedMediaFileLayer::readSectors(int number,
                                                                     std::int64_t position,
                                                                     std::span<char> buffer) {
    if (number != FileNumber::Source || sectorsRefused_) return std::nullopt;
    readingSectors_ = true;
    try {
        const std::size_t count = read(number, position, buffer);
        readingSectors_ = false;
        return count;
    } catch (...) {
        readingSectors_ = false;
        throw;
    }
}

}  // namespace quorvex::test
