#include <gmock/gmock.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "JobFile.h"
#include "JobFileReader.h"
#include "JobFileWriter.h"
#include "TemporaryFolder.h"
#include "UsageError.h"

namespace quorvex {
namespace {

using ::testing::HasSubstr;

// Every field of each record as one line of text, so that two lists compare whole.
std::vector<std::string> described(const std::vector<JobRecord>& records) {
    std::vector<std::string> texts;
    for (const JobRecord& record : records) {
        const JobItem& item = record.item;
        std::ostringstream text;
        text << item.FileName << '|' << item.CopiedBytes << '|' << item.StartPosition << '|'
             << item.isDone << '|' << record.damaged << '|' << record.ownsCopy << '|' << record.link
             << '|' << record.length;
        for (const ByteRange& range : record.lost) text << '|' << range.start << '-' << range.end;
        texts.push_back(text.str());
    }
    return texts;
}

JobRecord record(std::string name, std::int64_t reached, bool done, std::vector<ByteRange> lost) {
    JobRecord record;
    record.item = {std::move(name), reached, done ? 0 : reached, done};
    record.damaged = !lost.empty();
    record.lost = std::move(lost);
    return record;
}

// Names holding every byte but NUL, blanks, escapes that look like the file's own and ranges.
SavedJob hostileJob() {
    std::string everyByte = "/src/";
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    SavedJob job{"/src/ with blank/",
                 "/dst/\ttab/",
                 {"a\nb", "c d"},
                 {"/src/\x01/"},
                 {{"/src/a pipe\n", "a named pipe"}},
                 true,
                 {}};
    job.items.push_back(record("\t/src/ with blank/folder\r/", 0, false, {}));
    job.items.push_back(record("/src/new\nline \\x41\\ back\\slash \xff\xfe\x80.bin", 40960, false,
                               {{1, 8192}, {16385, 24576}}));
    job.items.push_back(record(everyByte, 10, true, {}));
    job.items.back().link = true;
    job.items.back().length = 7;
    job.items.push_back(record("/src/partial", 0, false, {}));
    job.items.back().ownsCopy = true;
    return job;
}

std::string refusal(const std::string& text) {
    try {
        JobFileReader::parse(text);
    } catch (const UsageError& error) {
        return error.what();
    }
    return "accepted";
}

// The update lines a run appends take the place of the items' lines; the last line, cut short
// by a kill while it was written, is passed over.
TEST(JobFile, AJobWithHostileNamesAndItsUpdatesSurvivesTheRoundTripOnDisk) {
    test::TemporaryFolder folder;
    const JobFile file(folder.file("job"));
    SavedJob job = hostileJob();
    file.save(job);
    // Offsets beyond 2^31 and 2^32 must come back exactly.
    constexpr std::int64_t twoGiB = std::int64_t{1} << 31;
    JobRecord resumed = record(job.items[1].item.FileName, (std::int64_t{1} << 32) + 65536, false,
                               {{1, 8192}, {twoGiB + 1, twoGiB + 8192}});
    resumed.ownsCopy = true;
    const std::string update = JobFileWriter::update(2, resumed);
    folder.write("job", folder.read("job") + update + update.substr(0, 12));
    job.items[1] = resumed;

    const SavedJob loaded = file.load();
    EXPECT_EQ(loaded.source, job.source);
    EXPECT_EQ(loaded.destination, job.destination);
    EXPECT_EQ(loaded.selected, job.selected);
    EXPECT_EQ(loaded.unreadFolders, job.unreadFolders);
    ASSERT_EQ(loaded.leftOut.size(), 1u);
    EXPECT_EQ(loaded.leftOut[0].path, job.leftOut[0].path);
    EXPECT_EQ(loaded.leftOut[0].reason, job.leftOut[0].reason);
    EXPECT_EQ(loaded.walkFull, job.walkFull);
    EXPECT_EQ(described(loaded.items), described(job.items));

    file.save(SavedJob{"/a/", "/b/", {}, {}, {}, false, {}});
    EXPECT_TRUE(file.load().items.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "the temporary file is left behind";
    EXPECT_THROW(JobFile(folder.file("no/such/folder/job")).requireWritableFolder(), UsageError);
}

// Every number is checked against the item it describes, so that no job file can steer a run
// outside its files or overflow a total.
TEST(JobFile, ADamagedOrHostileFileIsRefusedWithItsLine) {
    const std::string header =
        std::string(JobFileWriter::Header) + "\nsource /s/\ndestination /d/\n";
    const std::string whole = JobFileWriter::format(hostileJob());
    const auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = whole;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::vector<std::pair<std::string, std::string>> cases{
        {whole.substr(0, whole.rfind("end")), "before its end"},
        {whole.substr(0, whole.size() - 1), "before its end"},
        {whole + "item 1 0 0 0 0 0 0 /x\n", "after the end"},
        {"quorvex-rescue job 1\nend 0\n", "not a quorvex"},
        {header + "item 0 0 0 0 0 0 0 a\\q\nend 1\n", "line 4"},
        {edited("end 4", "end 3"), "count"},
        {edited("item 0 1 40960 40960", "item 0 1 -40960 40960"), "not a count"},
        {edited("item 0 1 40960 40960", "item 0 1 99999999999999999999 40960"), "not a count"},
        {edited("item 0 1 40960 40960", "item 0 1 4096 40960"), "resume offset"},
        {edited("item 0 1 40960 40960 0 0 0", "item 0 1 40960 40960 0 0 9"), "not done"},
        {edited("lost 1 8192", "lost 8192 1"), "out of order"},
        {edited("lost 16385 24576", "lost 8000 24576"), "overlap"},
        {edited("lost 16385 24576", "lost 16385 40961"), "beyond the bytes reached"},
        {header + "item 0 0 9223372036854775807 9223372036854775807 0 0 0 /s/f\n"
                  "lost 9223372036854775000 9223372036854775806\nend 1\n",
         "beyond any file"},
        {header + "item 1 0 0 4611686018427387904 0 0 0 /s/a\n"
                  "item 1 0 0 4611686018427387904 0 0 0 /s/b\nend 2\n",
         "more bytes than any disk"},
        {whole + "update 5 1 0 0 0 0 0 0\n", "does not exist"},
        {whole + "update 2 0 0 10 10 0 0 0 1\n", "without its fields"},
        {whole + "update 2 0 0 10 10 0 0 0 5 20\n", "beyond the bytes reached"},
        {header + "update 1 1 0 0 0 0 0 0\nend 0\n", "before the end line"},
    };
    for (const auto& [text, expected] : cases) EXPECT_THAT(refusal(text), HasSubstr(expected));
}

// The file is judged before it is read: a pipe in its place must not hold the command, and a
// huge file must not be read into memory.
TEST(JobFile, FilesThatAreNoJobFilesAreRefusedBeforeTheyAreRead) {
    test::TemporaryFolder folder;
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.file("folder"));
    { std::ofstream(folder.file("huge")) << JobFileWriter::format(hostileJob()); }
    std::filesystem::resize_file(folder.file("huge"), JobFile::MaxBytes + 1);

    const std::vector<std::pair<std::string, std::string>> cases{
        {"pipe", "not a regular file"},
        {"folder", "not a regular file"},
        {"huge", "larger than any job file"},
        {"missing", "cannot be opened"},
    };
    for (const auto& [name, expected] : cases) {
        try {
            JobFile(folder.file(name)).load();
            ADD_FAILURE() << name << " was read";
        } catch (const UsageError& error) {
            EXPECT_THAT(error.what(), HasSubstr(expected)) << name;
        }
    }
}

}  // namespace
}  // namespace quorvex
