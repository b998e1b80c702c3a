#include <gmock/gmock.h>

#include <filesystem>

#include "JobFile.h"
#include "JobFileReader.h"
#include "JobFileWriter.h"
#include "TemporaryFolder.h"
#include "UsageError.h"

namespace quorvex {
namespace {

using ::testing::HasSubstr;

std::vector<std::string> described(const std::vector<JobRecord>& records) {
    std::vector<std::string> texts;
    for (const JobRecord& record : records) {
        const JobItem& item = record.item;
        std::string text = item.FileName + "|" + std::to_string(item.CopiedBytes) + "|" +
                           std::to_string(item.StartPosition) + "|" +
                           std::to_string(item.isDone) + "|" + std::to_string(record.damaged);
        for (const ByteRange& range : record.lost)
            text += "|" + std::to_string(range.start) + "-" + std::to_string(range.end);
        texts.push_back(text);
    }
    return texts;
}

// Names holding every byte but NUL, blanks, escapes that look like the file's own and ranges.
SavedJob hostileJob() {
    std::string everyByte = "/src/";
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    SavedJob job{"/src/ with blank/", "/dst/\ttab/", {"a\nb", "c d"}, {"/src/\x01/"}, true, {}};
    job.items.push_back({{"\t/src/ with blank/folder\r/", 0, 0, false}, false, {}});
    job.items.push_back({{"/src/new\nline \\x41\\ back\\slash \xff\xfe\x80.bin", 65536, 40960,
                          false},
                         true,
                         {{1, 8192}, {16385, 24576}}});
    job.items.push_back({{everyByte, 10, 0, true}, false, {}});
    return job;
}

TEST(JobFile, AJobWithHostileNamesSurvivesTheRoundTripOnDisk) {
    test::TemporaryFolder folder;
    const JobFile file(folder.file("job"));
    const SavedJob job = hostileJob();
    file.save(job);
    const SavedJob loaded = file.load();
    EXPECT_EQ(loaded.source, job.source);
    EXPECT_EQ(loaded.destination, job.destination);
    EXPECT_EQ(loaded.selected, job.selected);
    EXPECT_EQ(loaded.unreadFolders, job.unreadFolders);
    EXPECT_EQ(loaded.walkFull, job.walkFull);
    EXPECT_EQ(described(loaded.items), described(job.items));

    file.save(SavedJob{"/a/", "/b/", {}, {}, false, {}});
    EXPECT_TRUE(file.load().items.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "the temporary file is left behind";
    EXPECT_THROW(JobFile(folder.file("none")).load(), UsageError);
    EXPECT_THROW(JobFile(folder.file("no/such/folder/job")).requireWritableFolder(), UsageError);
}

TEST(JobFile, ADamagedFileIsRefusedWithItsLine) {
    const std::string whole = JobFileWriter::format(hostileJob());
    const auto refusal = [](const std::string& text) {
        try {
            JobFileReader::parse(text);
        } catch (const UsageError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_THAT(refusal(whole.substr(0, whole.rfind("end"))), HasSubstr("before its end"));
    EXPECT_THAT(refusal(whole + "item 1 0 0 0 /x\n"), HasSubstr("after the end"));
    EXPECT_THAT(refusal("quorvex-rescue job 2\nend 0\n"), HasSubstr("not a quorvex"));
    EXPECT_THAT(refusal(std::string(JobFileWriter::Header) + "\nitem 0 0 0 0 a\\q\nend 1\n"),
                HasSubstr("line 2"));

    std::string edited = whole;
    edited.replace(edited.find("end 3"), 5, "end 2");
    EXPECT_THAT(refusal(edited), HasSubstr("count"));
    edited = whole;
    edited.replace(edited.find("item 0 1 40960"), 14, "item 0 1 -40960");
    EXPECT_THAT(refusal(edited), HasSubstr("line 9"));
    edited = whole;
    edited.replace(edited.find("lost 1 8192"), 11, "lost 8192 1");
    EXPECT_THAT(refusal(edited), HasSubstr("out of order"));
}

}  // namespace
}  // namespace quorvex
