#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "ItemNoteRecorder.h"
#include "RecoveryRig.h"

namespace quorvex {
namespace {

using test::Fault;
using test::RecoveryRig;
constexpr std::int64_t KiB = 1024;
constexpr std::int64_t GiB = KiB * KiB * KiB;

// The bytes of a file at a 0-based offset, read without reading the whole file.
std::string bytesAt(const std::string& path, std::int64_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const ssize_t done = pread(descriptor, bytes.data(), count, offset);
    ::close(descriptor);
    bytes.resize(done < 0 ? 0 : static_cast<std::size_t>(done));
    return bytes;
}

bool allZero(const std::string& bytes) { return bytes.find_first_not_of('\0') == std::string::npos; }

class BlockCopyTest : public RecoveryRig {
protected:
    BlockCopyTest() { engine.display().setObserver(&recorder); }

    // The nth call of the system call from now fails with the errno; the calls before it work.
    void failCall(const std::string& call, int nth, int errnoValue) {
        for (int before = 1; before < nth; ++before)
            files.calls().script(call, Fault::shortTransfer(SIZE_MAX));
        files.calls().script(call, Fault::error(errnoValue));
    }
    // A file of that length whose only data are the chunks at their 0-based offsets.
    std::string writeSparse(const std::string& name, std::int64_t length,
                            const std::vector<std::pair<std::int64_t, std::string>>& chunks) {
        const std::string path = source.file(name);
        const int descriptor = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        for (const auto& [offset, bytes] : chunks)
            EXPECT_EQ(pwrite(descriptor, bytes.data(), bytes.size(), offset),
                      static_cast<ssize_t>(bytes.size()));
        EXPECT_EQ(ftruncate(descriptor, length), 0);
        ::close(descriptor);
        return path;
    }
    // Runs the action once the copy of the item has reached that many bytes.
    void once(std::int32_t item, std::int64_t reached, std::function<void()> action) {
        events.when([this, item, reached] {
            return engine.state.CurrentFile == item && engine.fileCopiedBytes() >= reached;
        }, std::move(action));
    }
    std::int64_t bytesRead() const {
        std::int64_t total = 0;
        for (const std::int64_t length : readLengths()) total += length;
        return total;
    }
    const DamageRecord& record(std::size_t index = 0) {
        return engine.damagedFiles().records().at(index);
    }

    test::ItemNoteRecorder recorder;
};

TEST_F(BlockCopyTest, HealthyFilesCopyWholeInBlocksOf64KiB) {
    const std::string bytes = pattern(200 * KiB + 5);
    source.write("big.bin", bytes);
    source.write("small.bin", pattern(100));
    source.write("empty.bin", "");
    addFile("big.bin");
    addFile("small.bin");
    addFile("empty.bin");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(destination.read("big.bin"), bytes);
    EXPECT_EQ(destination.read("small.bin"), pattern(100));
    EXPECT_TRUE(std::filesystem::exists(destination.file("empty.bin")));
    // The last block takes the whole rest when fewer than a block and two bytes remain.
    EXPECT_EQ(readLengths(), (std::vector<std::int64_t>{65536, 65536, 65536, 8197, 100}));
    EXPECT_EQ(engine.state.FilesCopied, 3);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 0);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(recorder.notes.empty());
}

// The first pass alone loses the whole 8 KiB blocks a bad range touches, up to the file's end;
// neighbouring blocks form one range. The sector pass then reads those blocks again and loses
// only the 512-byte sectors that still fail. Some drivers end a read early at a bad block
// instead of failing it, or answer at a bad block as if the file ended there, while the file
// keeps its length: that too is a failing block and the copy goes on behind it.
struct DamageCase {
    const char* what;
    std::int64_t size;
    std::vector<std::pair<std::int64_t, std::int64_t>> bad;
    bool cutShort;
    const char* firstPass;
    const char* sectorPass;
};

class DamageTest : public BlockCopyTest,
                   public ::testing::WithParamInterface<std::tuple<DamageCase, bool>> {};

TEST_P(DamageTest, TheDamagedBlocksAreLeftAsZeroGapsAndEveryOtherByteIsCopied) {
    const auto& [row, sectorPass] = GetParam();
    const std::string bytes = pattern(static_cast<std::size_t>(row.size));
    source.write("f", bytes);
    for (const auto& [first, last] : row.bad) files.addBadRange(first, last);
    if (row.cutShort) files.cutReadsShortAtBadRanges();
    engine.setSectorPass(sectorPass);
    addFile("f");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(record().rangeText, sectorPass ? row.sectorPass : row.firstPass);
    const std::string copy = destination.read("f");
    ASSERT_EQ(copy.size(), bytes.size());
    std::int64_t lost = 0;
    std::int64_t at = 0;
    for (const ByteRange& range : record().ranges) {
        EXPECT_EQ(copy.substr(at, range.start - 1 - at), bytes.substr(at, range.start - 1 - at))
            << "before " << range.start;
        EXPECT_TRUE(allZero(copy.substr(range.start - 1, range.size()))) << "never written";
        lost += range.size();
        at = range.end;
    }
    EXPECT_EQ(copy.substr(at), bytes.substr(at));
    EXPECT_EQ(record().lostBytes, lost);
    EXPECT_EQ(record().File1Size, row.size);
    EXPECT_EQ(record().Copied, row.size);
    EXPECT_EQ(engine.state.TotalLostBytes, lost);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 1);
    EXPECT_TRUE(engine.job.item(1).isDone);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().front().text, "t36");
}

INSTANTIATE_TEST_SUITE_P(
    BadBlocks, DamageTest,
    ::testing::Combine(
        ::testing::Values(
            DamageCase{"OneSector", 512 * KiB, {{131173, 135268}}, false, " 131073 - 139264,",
                       " 131073 - 135680,"},
            DamageCase{"NeighboursAndASingleByte", 1024 * KiB,
                       {{65537, 85537}, {700001, 700001}}, false,
                       " 65537 - 90112, 696321 - 704512,", " 65537 - 86016, 699905 - 700416,"},
            // A failing block at the end has readable bytes only before it.
            DamageCase{"TheFinalBlock", 70000, {{65537, 70000}}, false, " 65537 - 70000,",
                       " 65537 - 70000,"},
            DamageCase{"CutShort", 300 * KiB, {{131173, 135268}}, true, " 131173 - 139364,",
                       " 131173 - 135680,"},
            DamageCase{"CutShortToTheEnd", 300 * KiB, {{200001, 300 * KiB}}, true,
                       " 200001 - 307200,", " 200001 - 307200,"}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).what) +
               (std::get<1>(info.param) ? "_SectorPass" : "_FirstPass");
    });

TEST_F(BlockCopyTest, ADamagedBlockIsHalvedDownTo8KiBAndTheBlocksAfterItGrowAgain) {
    source.write("disc.iso", pattern(512 * KiB));
    files.addBadRange(131073 + 100, 131073 + 4195);
    addFile("disc.iso");
    run();
    const auto lengths = readLengths();
    ASSERT_GE(lengths.size(), 8u);
    EXPECT_EQ(std::vector<std::int64_t>(lengths.begin(), lengths.begin() + 8),
              (std::vector<std::int64_t>{65536, 65536, 65536, 32768, 16384, 8192, 8192, 16384}));
}

// A resumed file continues without a question and reads only what lies after its offset; an
// offset beyond the source's end starts the file again.
TEST_F(BlockCopyTest, AResumedCopyReadsOnlyTheBytesAfterItsStart) {
    struct Row {
        std::size_t sourceSize;
        test::ReadCall read;
        std::string copy;
    };
    const Row rows[] = {{1000, {991, 10}, std::string(990, 'K') + pattern(1000).substr(990)},
                        {500, {1, 500}, pattern(500)}};
    for (const Row& row : rows) {
        engine.job.clear();
        const auto readsBefore = static_cast<std::ptrdiff_t>(files.sourceReads().size());
        source.write("f", pattern(row.sourceSize));
        destination.write("f", std::string(990, 'K'));
        addFile("f", 990);
        EXPECT_EQ(run(), RunEnd::ProcessDone);
        EXPECT_EQ(std::vector(files.sourceReads().begin() + readsBefore, files.sourceReads().end()),
                  std::vector<test::ReadCall>{row.read});
        EXPECT_EQ(destination.read("f"), row.copy);
        EXPECT_TRUE(prompts.askedAbout().empty());
        EXPECT_TRUE(engine.job.item(1).isDone);
        EXPECT_EQ(engine.job.item(1).CopiedBytes, static_cast<std::int64_t>(row.sourceSize));
        EXPECT_TRUE(engine.damagedFiles().records().empty());
    }
}

TEST_F(BlockCopyTest, ASourceThatGrewIsCopiedToItsFormerLengthWithANote) {
    const std::string bytes = pattern(200 * KiB);
    source.write("f", bytes);
    once(1, 64 * KiB, [this] { std::ofstream(source.file("f"), std::ios::app) << "more"; });
    addFile("f");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(destination.read("f"), bytes);
    EXPECT_TRUE(engine.job.item(1).isDone);
    EXPECT_TRUE(engine.damagedFiles().records().empty());
    EXPECT_EQ(recorder.notes, std::vector<std::string>{"1: t46 204800"});
}

TEST_F(BlockCopyTest, RunTotalsAddUpOverSeveralDamagedFiles) {
    for (const auto& [name, size] : std::vector<std::pair<std::string, std::int64_t>>{
             {"a", 100 * KiB}, {"b", 200 * KiB}, {"c", 50 * KiB}, {"d", 300 * KiB}}) {
        source.write(name, pattern(static_cast<std::size_t>(size)));
        addFile(name);
    }
    files.addBadRange(70001, 70001);  // in a, b and d; c ends before it
    once(4, 128 * KiB, [this] { std::filesystem::resize_file(source.file("d"), 150000); });

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    ASSERT_EQ(engine.damagedFiles().records().size(), 3u);
    std::int64_t recorded = 0;
    for (const DamageRecord& damaged : engine.damagedFiles().records()) recorded += damaged.lostBytes;
    EXPECT_EQ(engine.state.TotalLostBytes, 3 * 512 + 157200) << "one sector in each file";
    EXPECT_EQ(recorded, engine.state.TotalLostBytes);
    EXPECT_EQ(engine.state.CorruptedFilesCount, 3);
    EXPECT_EQ(engine.state.FilesCopied, 4);
    EXPECT_EQ(record(2).rangeText, " 69633 - 70144, 150001 - 307200,")
        << "the missing bytes of the shrunk source form one range";
    EXPECT_EQ(recorder.notes, std::vector<std::string>{"4: t45 157200"});
}

TEST_F(BlockCopyTest, ASparseSourceIsCopiedWithoutReadingOrWritingItsHoles) {
    const std::string first = pattern(4096, 1), second = pattern(4096, 2);
    writeSparse("disk.img", 20 * GiB, {{0, first}, {12 * GiB, second}});
    addFile("disk.img");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(bytesRead(), 8192) << "only the data was read";
    struct stat copy {};
    ASSERT_EQ(::stat(destination.file("disk.img").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_size, 20 * GiB);
    EXPECT_LE(copy.st_blocks * 512, 1024 * KiB) << "the holes stayed holes";
    EXPECT_EQ(bytesAt(destination.file("disk.img"), 0, 4096), first);
    EXPECT_EQ(bytesAt(destination.file("disk.img"), 12 * GiB, 4096), second);
    EXPECT_TRUE(allZero(bytesAt(destination.file("disk.img"), 12 * GiB - 4096, 4096)));
    EXPECT_TRUE(engine.job.item(1).isDone);
    EXPECT_EQ(engine.job.item(1).CopiedBytes, 20 * GiB);
    EXPECT_TRUE(engine.damagedFiles().records().empty());
}

TEST_F(BlockCopyTest, PositionsBeyondTwoAndFourGibibytesAreCarriedExactly) {
    constexpr std::int64_t nearTwo = (std::int64_t{1} << 31) - 64 * KiB;
    constexpr std::int64_t beyondFour = (std::int64_t{1} << 32) + 64 * KiB;
    const std::string low = pattern(128 * KiB, 3), high = pattern(128 * KiB, 4);
    writeSparse("big.img", 5 * GiB, {{nearTwo, low}, {beyondFour, high}});
    files.addBadRange(4295042833, 4295042833);  // 10,000 bytes into the chunk beyond 4 GiB
    addFile("big.img");

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(files.sourceReads().at(0).position, 2147418113);
    EXPECT_EQ(record().rangeText, " 4295042561 - 4295043072,") << "the sector of the bad byte";
    EXPECT_EQ(record().lostBytes, 512);
    EXPECT_EQ(record().File1Size, 5 * GiB);
    EXPECT_EQ(engine.job.item(1).CopiedBytes, 5 * GiB);
    const std::string path = destination.file("big.img");
    EXPECT_EQ(bytesAt(path, nearTwo, 128 * KiB), low);
    const std::string copied = bytesAt(path, beyondFour, 128 * KiB);
    EXPECT_EQ(copied.substr(0, 9728), high.substr(0, 9728));
    EXPECT_TRUE(allZero(copied.substr(9728, 512)));
    EXPECT_EQ(copied.substr(10240), high.substr(10240));
}

TEST_F(BlockCopyTest, AResumeBeyondTwoAndFourGibibytesContinuesAtItsExactPosition) {
    const std::string chunk = pattern(200000, 9);
    for (const std::int64_t resumeAt : {std::int64_t{1} << 31, std::int64_t{1} << 32}) {
        const std::int64_t length = resumeAt + 3 * 1024 * KiB;
        writeSparse("disk.img", length, {{resumeAt + 1000, chunk}});
        destination.write("disk.img", "");
        std::filesystem::resize_file(destination.file("disk.img"),
                                     static_cast<std::uintmax_t>(resumeAt + 1));
        engine.job.clear();
        addFile("disk.img", resumeAt);
        const std::size_t readsBefore = files.sourceReads().size();

        EXPECT_EQ(run(), RunEnd::ProcessDone);
        EXPECT_EQ(files.sourceReads().at(readsBefore).position, resumeAt + 1);
        EXPECT_TRUE(engine.job.item(1).isDone);
        EXPECT_EQ(engine.job.item(1).CopiedBytes, length);
        EXPECT_EQ(std::filesystem::file_size(destination.file("disk.img")),
                  static_cast<std::uintmax_t>(length));
        EXPECT_TRUE(bytesAt(destination.file("disk.img"), resumeAt + 1000, chunk.size()) == chunk)
            << "resumed at " << resumeAt;
        std::filesystem::remove(source.file("disk.img"));
    }
}

// Failures that are not damage: a drive that stopped answering, a refused read, a full or
// unwritable destination. Each asks Retry or Cancel in its own words and never counts as lost.
struct FailureCase {
    const char* call;
    int errnoValue;
    const char* text;
};

class NotDamageTest : public BlockCopyTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    void SetUp() override {
        source.write("f", bytes);
        source.write("g", pattern(10));
        addFile("f");
        addFile("g");
        failCall(GetParam().call, 3, GetParam().errnoValue);
    }
    const std::string bytes = pattern(200 * KiB);
};

TEST_P(NotDamageTest, CancelKeepsTheOffsetReachedAndALaterRunContinuesThere) {
    messages.answerWith(PromptAnswer::Cancel);
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(messages.shown().at(0).text, GetParam().text);
    EXPECT_EQ(messages.shown().at(0).buttons, PromptButtons::RetryCancel);
    EXPECT_EQ(engine.state.TotalLostBytes, 0);
    EXPECT_TRUE(record().ranges.empty());
    EXPECT_FALSE(engine.job.item(1).isDone);
    EXPECT_EQ(engine.job.item(1).CopiedBytes, 128 * KiB);
    EXPECT_EQ(destination.read("f").substr(0, 128 * KiB), bytes.substr(0, 128 * KiB));
    EXPECT_TRUE(engine.job.item(2).isDone) << "the run goes on";

    engine.job.item(1).StartPosition = engine.job.item(1).CopiedBytes;
    engine.state.Items_Count = 1;
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_TRUE(engine.job.item(1).isDone);
    EXPECT_EQ(destination.read("f"), bytes);
}

TEST_P(NotDamageTest, RetryCopiesTheFileWhole) {
    messages.answerWith(PromptAnswer::Retry);
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, GetParam().text);
    EXPECT_EQ(destination.read("f"), bytes);
    EXPECT_TRUE(engine.damagedFiles().records().empty());
    EXPECT_EQ(engine.state.FilesCopied, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, NotDamageTest,
    ::testing::Values(FailureCase{"pread", ENOTCONN, "t29"}, FailureCase{"pread", ENODEV, "t29"},
                      FailureCase{"pread", ESHUTDOWN, "t29"}, FailureCase{"pread", ENOMEDIUM, "t29"},
                      FailureCase{"pread", EACCES, "t40"}, FailureCase{"pread", EPERM, "t40"},
                      FailureCase{"pwrite", ENOSPC, "t39"}, FailureCase{"pwrite", EDQUOT, "t39"},
                      FailureCase{"pwrite", EACCES, "t38"}, FailureCase{"pwrite", EIO, "t38"}));

TEST_F(BlockCopyTest, ASourceRefusedAtOpeningAsksInItsOwnWords) {
    source.write("f", pattern(10));
    addFile("f");
    events.when([] { return true; }, [this] {
        files.calls().script("open", Fault::error(EACCES));
        files.calls().script("open", Fault::error(ENOTCONN));
    });
    messages.answerWith(PromptAnswer::Retry);
    messages.answerWith(PromptAnswer::Retry);
    EXPECT_EQ(run(), RunEnd::ProcessDone);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "t40");
    EXPECT_EQ(messages.shown()[1].text, "t29");
    EXPECT_EQ(destination.read("f"), pattern(10));
}

}  // namespace
}  // namespace quorvex
