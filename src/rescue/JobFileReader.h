#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SavedJob.h"

namespace quorvex {

// Reads the text JobFileWriter writes. Anything else, including a file cut short, raises
// UsageError naming the line, so that a damaged job file never steers a run.
class JobFileReader {
  public:
    static SavedJob parse(std::string_view text);

  private:
    explicit JobFileReader(std::string_view text) : text_(text) {}

    void readLine(const std::vector<std::string_view>& words);
    void readItem(const std::vector<std::string_view>& words);
    void readLost(const std::vector<std::string_view>& words);
    void readEnd(const std::vector<std::string_view>& words);
    std::string path(std::string_view word) const;
    std::int64_t number(std::string_view word) const;
    bool flag(std::string_view word) const;
    void expect(bool condition, const std::string& what) const;

    std::string_view text_;
    SavedJob job_;
    int line_ = 0;
    bool ended_ = false;
};

}  // namespace quorvex
