#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SavedJob.h"

namespace quorvex {

// Reads the text JobFileWriter writes, one line at a time, and applies the update lines to
// the items. Every count and number is checked (JobRecordRules), so that a damaged or hostile
// job file never steers a run, exhausts memory or overflows a total; anything else raises
// UsageError naming the line. Only a last update line cut short, as a run killed while
// writing it leaves it, is passed over.
class JobFileReader {
  public:
    // More items than a run's job list takes, more lost ranges than fit in memory, or more
    // bytes reached in all items than MaxOffset are refused.
    static constexpr std::size_t MaxItems = 1000000;
    static constexpr std::size_t MaxRanges = std::size_t{1} << 24;

    static SavedJob parse(std::string_view text);

    // One whole line, without its line break.
    void take(std::string_view line);
    // The job read from the whole lines taken; a line cut short at the end is not taken.
    SavedJob finish();

  private:
    using Words = std::vector<std::string_view>;

    void readLine(const Words& words);
    void readItem(const Words& words);
    void readLost(const Words& words);
    void readEnd(const Words& words);
    void readUpdate(const Words& words);
    void readLeft(const Words& words);
    void readState(const Words& words, std::size_t first, JobRecord& record) const;
    void addPath(std::vector<std::string>& list, std::string_view word);
    void check(const JobRecord& record);
    void countRanges(std::size_t removed, std::size_t added);
    std::string path(std::string_view word) const;
    std::int64_t number(std::string_view word) const;
    bool flag(std::string_view word) const;
    void expect(bool condition, const std::string& what) const;

    SavedJob job_;
    Words words_;
    std::int64_t line_ = 0;
    bool ended_ = false;
    std::size_t ranges_ = 0;
    std::int64_t reached_ = 0;
};

}  // namespace quorvex
