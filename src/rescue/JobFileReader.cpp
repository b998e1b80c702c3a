#include "JobFileReader.h"

#include <charconv>

#include "JobFileText.h"
#include "JobFileWriter.h"
#include "UsageError.h"

namespace quorvex {

namespace {

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

SavedJob JobFileReader::parse(std::string_view text) {
    JobFileReader reader(text);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        reader.expect(end != std::string_view::npos, "a line without its end");
        const std::string_view line = text.substr(start, end - start);
        ++reader.line_;
        reader.expect(!reader.ended_, "text after the end line");
        if (reader.line_ == 1)
            reader.expect(line == JobFileWriter::Header, "not a quorvex-rescue job file");
        else
            reader.readLine(wordsOf(line));
        start = end + 1;
    }
    reader.expect(reader.ended_, "the file ends before its end line");
    return std::move(reader.job_);
}

void JobFileReader::readLine(const std::vector<std::string_view>& words) {
    const std::string_view key = words.front();
    if (key == "item") return readItem(words);
    if (key == "lost") return readLost(words);
    if (key == "end") return readEnd(words);
    if (key == "limit" && words.size() == 1) {
        job_.walkFull = true;
        return;
    }
    expect(words.size() == 2, "an unknown line");
    if (key == "source")
        job_.source = path(words[1]);
    else if (key == "destination")
        job_.destination = path(words[1]);
    else if (key == "select")
        job_.selected.push_back(path(words[1]));
    else if (key == "unread")
        job_.unreadFolders.push_back(path(words[1]));
    else
        expect(false, "an unknown line");
}

void JobFileReader::readItem(const std::vector<std::string_view>& words) {
    expect(words.size() == 6, "an item line without its six fields");
    JobRecord record;
    record.item.isDone = flag(words[1]);
    record.damaged = flag(words[2]);
    record.item.StartPosition = number(words[3]);
    record.item.CopiedBytes = number(words[4]);
    record.item.FileName = path(words[5]);
    expect(!record.item.FileName.empty(), "an item without a name");
    job_.items.push_back(std::move(record));
}

void JobFileReader::readLost(const std::vector<std::string_view>& words) {
    expect(words.size() == 3 && !job_.items.empty(), "a lost range without its item");
    const ByteRange range{number(words[1]), number(words[2])};
    expect(range.start >= 1 && range.end >= range.start, "a lost range out of order");
    job_.items.back().lost.push_back(range);
}

void JobFileReader::readEnd(const std::vector<std::string_view>& words) {
    expect(words.size() == 2, "an end line without its count");
    expect(number(words[1]) == static_cast<std::int64_t>(job_.items.size()),
           "an item count that does not match the items");
    ended_ = true;
}

std::string JobFileReader::path(std::string_view word) const {
    const auto bytes = JobFileText::unescape(word);
    expect(bytes.has_value(), "a badly written path");
    return *bytes;
}

std::int64_t JobFileReader::number(std::string_view word) const {
    std::int64_t value = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    expect(error == std::errc() && end == word.data() + word.size() && value >= 0 &&
               !word.empty() && word.front() != '-',
           "a number that is not a count");
    return value;
}

bool JobFileReader::flag(std::string_view word) const {
    expect(word == "0" || word == "1", "a flag that is neither 0 nor 1");
    return word == "1";
}

void JobFileReader::expect(bool condition, const std::string& what) const {
    if (!condition)
        throw UsageError("the job file is damaged at line " + std::to_string(line_) + ": " + what);
}

}  // namespace quorvex
