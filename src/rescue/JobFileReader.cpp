#include "JobFileReader.h"

#include <charconv>

#include "JobFileText.h"
#include "JobFileWriter.h"
#include "JobRecordRules.h"
#include "UsageError.h"

namespace quorvex {

namespace {

constexpr std::size_t kStateWords = 7;

// The words of the line, into a list kept from line to line so that a long file costs no
// allocation per line.
void split(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

// The text after the last line break is a line cut short. As the last update line, it is the
// trace of a run killed while writing it: the change it began never reached the file whole, so
// the item is taken up again from its last whole line. Anywhere before the end line it leaves
// the job without its end.
SavedJob JobFileReader::parse(std::string_view text) {
    JobFileReader reader;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         start = end + 1, end = text.find('\n', start))
        reader.take(text.substr(start, end - start));
    return reader.finish();
}

void JobFileReader::take(std::string_view line) {
    ++line_;
    if (line_ == 1)
        return expect(line == JobFileWriter::Header,
                      "not a quorvex-rescue job file of this version");
    split(line, words_);
    readLine(words_);
}

SavedJob JobFileReader::finish() {
    expect(ended_, "the file ends before its end line");
    return std::move(job_);
}

void JobFileReader::readLine(const Words& words) {
    const std::string_view key = words.front();
    if (key == "update") return readUpdate(words);
    expect(!ended_, "text after the end line");
    if (key == "item") return readItem(words);
    if (key == "lost") return readLost(words);
    if (key == "end") return readEnd(words);
    if (key == "left") return readLeft(words);
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
        addPath(job_.selected, words[1]);
    else if (key == "unread")
        addPath(job_.unreadFolders, words[1]);
    else
        expect(false, "an unknown line");
}

void JobFileReader::readItem(const Words& words) {
    expect(words.size() == kStateWords + 2, "an item line without its eight fields");
    expect(job_.items.size() < MaxItems, "more than " + std::to_string(MaxItems) + " items");
    JobRecord record;
    readState(words, 1, record);
    record.item.FileName = path(words.back());
    job_.items.push_back(std::move(record));
}

void JobFileReader::readLost(const Words& words) {
    expect(words.size() == 3 && !job_.items.empty(), "a lost range without its item");
    countRanges(0, 1);
    job_.items.back().lost.push_back({number(words[1]), number(words[2])});
}

// The items are checked once their lost ranges are all read.
void JobFileReader::readEnd(const Words& words) {
    expect(words.size() == 2, "an end line without its count");
    expect(number(words[1]) == static_cast<std::int64_t>(job_.items.size()),
           "an item count that does not match the items");
    for (const JobRecord& record : job_.items) check(record);
    ended_ = true;
}

void JobFileReader::readUpdate(const Words& words) {
    expect(ended_, "an update before the end line");
    expect(words.size() >= kStateWords + 2 && (words.size() - kStateWords) % 2 == 0,
           "an update line without its fields");
    const std::int64_t index = number(words[1]);
    expect(index >= 1 && index <= static_cast<std::int64_t>(job_.items.size()),
           "an update of an item that does not exist");
    JobRecord& record = job_.items[static_cast<std::size_t>(index - 1)];
    JobRecord updated;
    readState(words, 2, updated);
    updated.item.FileName = record.item.FileName;
    const std::size_t rangeCount = (words.size() - kStateWords - 2) / 2;
    countRanges(record.lost.size(), rangeCount);
    for (std::size_t at = kStateWords + 2; at < words.size(); at += 2)
        updated.lost.push_back({number(words[at]), number(words[at + 1])});
    reached_ -= record.item.CopiedBytes;
    record = std::move(updated);
    check(record);
}

void JobFileReader::readLeft(const Words& words) {
    expect(words.size() == 3, "a left-out entry without its reason");
    expect(job_.leftOut.size() < MaxItems, "too many left-out entries");
    job_.leftOut.push_back({path(words[1]), path(words[2])});
}

void JobFileReader::readState(const Words& words, std::size_t first, JobRecord& record) const {
    record.item.isDone = flag(words[first]);
    record.damaged = flag(words[first + 1]);
    record.item.StartPosition = number(words[first + 2]);
    record.item.CopiedBytes = number(words[first + 3]);
    record.ownsCopy = flag(words[first + 4]);
    record.link = flag(words[first + 5]);
    record.length = number(words[first + 6]);
}

void JobFileReader::addPath(std::vector<std::string>& list, std::string_view word) {
    expect(list.size() < MaxItems, "too many paths of one kind");
    list.push_back(path(word));
}

// The bytes reached in all items together stay below MaxOffset, so no total can overflow.
void JobFileReader::check(const JobRecord& record) {
    const std::string problem = JobRecordRules::problem(record);
    expect(problem.empty(), problem);
    expect(record.item.CopiedBytes <= JobRecordRules::MaxOffset - reached_,
           "more bytes than any disk holds");
    reached_ += record.item.CopiedBytes;
}

void JobFileReader::countRanges(std::size_t removed, std::size_t added) {
    ranges_ -= removed;
    expect(added <= MaxRanges - ranges_, "more lost ranges than a job can keep");
    ranges_ += added;
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
