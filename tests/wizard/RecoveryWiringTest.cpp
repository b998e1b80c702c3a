#include <algorithm>
#include <filesystem>
#include <functional>

#include "HistoryError.h"
#include "FileSystemMethods.h"
#include "PagesRig.h"
#include "ReportHistory.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

std::string pattern(std::size_t size, char seed) {
    std::string bytes(size, '\0');
    for (std::size_t at = 0; at < size; ++at) bytes[at] = static_cast<char>(seed + at % 251);
    return bytes;
}

std::string fileBytes(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

// A destination below the tree's root, made by the case, and whether the step refuses it.
struct DestinationCase {
    const char* name;
    std::function<std::string(const std::string& root)> make;
    bool refused;
};

void PrintTo(const DestinationCase& destination, std::ostream* out) {
    *out << destination.name;
}

class SameFolderTest : public PagesRig, public ::testing::WithParamInterface<DestinationCase> {};

TEST_P(SameFolderTest, RefusesTheSourceFolderByAnyPathAndNothingElse) {
    put("data/a.txt", "alpha");
    mark(root() + "data/", {"a.txt"});
    const std::string target = GetParam().make(root());
    flow.log.clear();
    rescueInto(target);

    if (GetParam().refused) {
        EXPECT_EQ(messages(), std::vector<std::string>{state.Lang_MainText[25]});
        EXPECT_EQ(flow.log, (std::vector<std::string>{"buttons 0 0 0", "media 3", "move 2",
                                                      "buttons 1 1 1"}));
        EXPECT_EQ(flow.state.CurrentPage, 3);
        EXPECT_EQ(fileBytes(root() + "data/a.txt"), "alpha");
        EXPECT_EQ(copying.process().job().size(), 0);
    } else {
        EXPECT_EQ(messages(), std::vector<std::string>{});
        EXPECT_EQ(fileBytes(target + "a.txt"), "alpha");
        EXPECT_EQ(flow.log.back(), "report 0 1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, SameFolderTest,
    ::testing::Values(DestinationCase{"SameText",
                                      [](const std::string& root) { return root + "data/"; }, true},
                      DestinationCase{"LinkToSource",
                                      [](const std::string& root) {
                                          fs::create_directory_symlink(root + "data", root + "via");
                                          return root + "via/";
                                      },
                                      true},
                      DestinationCase{"DetourThroughSubfolder",
                                      [](const std::string& root) {
                                          fs::create_directory(root + "data/sub");
                                          return root + "data/sub/..";
                                      },
                                      true},
                      DestinationCase{"OtherFolderDifferingInCaseOnly",
                                      [](const std::string& root) {
                                          fs::create_directory(root + "Data");
                                          return root + "Data/";
                                      },
                                      false}),
    [](const auto& info) { return std::string(info.param.name); });

class DestinationInsideSourceTest : public PagesRig,
                                    public ::testing::WithParamInterface<DestinationCase> {};

// The marked folder holds the destination, directly or through a link elsewhere: its earlier
// content stays as it was and is not copied into itself.
TEST_P(DestinationInsideSourceTest, LeavesTheDestinationOutOfTheRun) {
    put("data/a.txt", "alpha");
    put("data/rescued/old.txt", "earlier copy");
    mark(root(), {"data"});
    const std::string target = GetParam().make(root());
    rescueInto(target);

    EXPECT_EQ(messages(), std::vector<std::string>{});
    for (const std::string& name : jobNames())
        EXPECT_EQ(name.find("rescued"), std::string::npos) << name;
    EXPECT_EQ(fileBytes(root() + "data/rescued/data/a.txt"), "alpha");
    EXPECT_FALSE(fs::exists(root() + "data/rescued/data/rescued"));
    EXPECT_EQ(fileBytes(root() + "data/rescued/old.txt"), "earlier copy");
}

INSTANTIATE_TEST_SUITE_P(Destinations, DestinationInsideSourceTest,
                         ::testing::Values(DestinationCase{"Inside",
                                                           [](const std::string& root) {
                                                               return root + "data/rescued/";
                                                           },
                                                           false},
                                           DestinationCase{"ThroughLink",
                                                           [](const std::string& root) {
                                                               fs::create_directory_symlink(
                                                                   root + "data/rescued",
                                                                   root + "out");
                                                               return root + "out/";
                                                           },
                                                           false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The source lies below the destination: a marked folder whose path repeats the way down to
// the source would be copied onto the source's own files; other items may go there.
TEST_F(PagesRig, RefusesADestinationWhereACopyWouldLandInTheSource) {
    put("data/x.txt", "source file");
    put("data/data/x.txt", "a file one level deeper");
    mark(root() + "data/", {"data", "x.txt"});
    rescueInto(root());

    EXPECT_EQ(messages(), std::vector<std::string>{state.Lang_MainText[60]});
    EXPECT_EQ(fileBytes(root() + "data/x.txt"), "source file");
    EXPECT_EQ(copying.process().job().size(), 0);

    source.browser().FilesList()->clearSelection();
    mark(root() + "data/", {"x.txt"});
    std::filesystem::create_directory(root() + "copies");
    rescueInto(root() + "copies/..");
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(fileBytes(root() + "x.txt"), "source file");
    EXPECT_EQ(fileBytes(root() + "data/x.txt"), "source file");
}

TEST_F(PagesRig, NothingMarkedStaysOnTheSourcePage) {
    put("data/a.txt", "alpha");
    mark(root() + "data/", {});
    wiring.sourceStep();

    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Critical);
    EXPECT_EQ(prompts.shown()[0].text, state.Lang_MainText[32]);
    EXPECT_EQ(flow.log, (std::vector<std::string>{"buttons 0 0 0", "buttons 1 1 1"}));
    EXPECT_FALSE(wiring.stop());
}

// An earlier run's job with offsets must not leak into a new run of one file.
TEST_F(PagesRig, OneItemRunCopiesTheWholeFileAfterAnEarlierJob) {
    for (int number = 1; number <= 3; ++number)
        copying.process().job().append(
            JobItem{root() + "old" + std::to_string(number), 9, 5, true});
    const std::string bytes = pattern(100000, 'a');
    put("data/one.bin", bytes);
    put("data/other.bin", "not marked");
    mark(root() + "data/", {"one.bin"});
    fs::create_directory(root() + "out");
    rescueInto(root() + "out/");

    EXPECT_EQ(jobNames(), std::vector<std::string>{root() + "data/one.bin"});
    EXPECT_EQ(copying.process().state().Items_Count, 1);
    EXPECT_EQ(fileBytes(root() + "out/one.bin"), bytes);
    EXPECT_FALSE(fs::exists(root() + "out/other.bin"));
    EXPECT_EQ(flow.log, (std::vector<std::string>{"buttons 0 0 0", "media 3", "move 2",
                                                  "buttons 1 1 1", "buttons 0 0 1", "media 4",
                                                  "captions", "move 1", "buttons 0 0 1",
                                                  "cancel Stop", "buttons 0 0 1", "report 0 1"}));
}

// How a run ends, the report page it asks for, and the history record stored before it.
struct EndCase {
    const char* name;
    // The answer to the stop question, asked as the run reaches its last item, a folder (the
    // engine takes an answer given between files only there); 0 asks nothing.
    std::int16_t stopAnswer;
    bool foreignHistory;
    const char* report;
    RunOutcome outcome;
};

void PrintTo(const EndCase& end, std::ostream* out) {
    *out << end.name;
}

class RunEndTest : public PagesRig, public ::testing::WithParamInterface<EndCase> {};

TEST_P(RunEndTest, StoresTheRunBeforeTheReportPage) {
    const EndCase& c = GetParam();
    files.addBadRange(8193, 16384);
    put("data/a.bin", pattern(300000, 'a'));
    put("data/b.bin", pattern(300000, 'b'));
    fs::create_directory(root() + "data/last");
    mark(root(), {"data"});
    fs::create_directory(root() + "out");
    if (c.foreignHistory) data.write("reports.sir", "a file of another program");
    if (c.stopAnswer != 0) {
        answers.answerAbort(c.stopAnswer);
        events.when(
            [this] {
                const RecoveryState& run = copying.process().state();
                return run.isCopyingProcess && run.CurrentFile == run.Items_Count;
            },
            [this] { EXPECT_TRUE(wiring.stop()); });
    }
    std::size_t storedAtReport = 0;
    flow.beforeReport = [&] {
        if (!c.foreignHistory) storedAtReport = ReportHistory(services.historyPath).rows().size();
    };
    rescueInto(root() + "out/");

    EXPECT_EQ(flow.log.back(), c.report);
    if (c.foreignHistory) {
        EXPECT_TRUE(std::ranges::any_of(messages(), [&](const std::string& message) {
            return message.starts_with(state.Lang_MainText[58] + "\r");
        }));
        EXPECT_EQ(data.read("reports.sir"), "a file of another program");
        return;
    }
    EXPECT_EQ(storedAtReport, 1u);
    const RunReport stored = ReportHistory(services.historyPath).load(1);
    EXPECT_EQ(stored.outcome, c.outcome);
    EXPECT_EQ(stored.Items_Count, 4);
    if (c.outcome == RunOutcome::Completed) {
        ASSERT_EQ(stored.damaged.size(), 2u);
        EXPECT_EQ(stored.damaged[0].source, root() + "data/a.bin");
        EXPECT_EQ(stored.damaged[0].ranges, (std::vector<ByteRange>{{8193, 16384}}));
    }
}

// A burn task's copy lands in the temporary copy folder, which goes when the burn is left: its
// stopped run is offered for continuing neither on the report page nor in the menu.
TEST_F(PagesRig, ABurnTasksStoppedCopyIsNotOfferedForContinuing) {
    put("data/c.bin", pattern(2'000'000, 'c'));
    mark(root() + "data/", {"c.bin"});
    const std::string copy = root() + "tmp/" + FileSystemMethods::CopyFolderName + "/";
    fs::create_directories(copy);
    answers.answerAbort(AbortAnswer::Pause);
    events.when([this] { return copying.process().engine().fileCopiedBytes() > 200'000; },
                [this] { EXPECT_TRUE(wiring.stop()); });
    flow.state.WizardTask = 6;
    ASSERT_TRUE(source.browser().CreateListOfSelected());
    wiring.StartRecoveryRun(copy);
    ASSERT_EQ(flow.log.back(), "report 1 1");
    ASSERT_GT(ReportHistory(services.historyPath).rows().at(0).continuable, 0);
    EXPECT_EQ(wiring.shownContinuable(), std::nullopt);
    EXPECT_EQ(wiring.lastContinuable(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, RunEndTest,
    ::testing::Values(EndCase{"Completed", 0, false, "report 0 1", RunOutcome::Completed},
                      EndCase{"Paused", 1, false, "report 1 1", RunOutcome::Paused},
                      EndCase{"Aborted", 3, false, "report 1 0", RunOutcome::Aborted},
                      EndCase{"HistoryNotOurs", 0, true, "report 0 1", RunOutcome::Completed}),
    [](const auto& info) { return std::string(info.param.name); });

// What happened to the paused run's folders before it is continued, and what the continued run
// must make of it.
struct ContinueCase {
    const char* name;
    std::function<void(const std::string& root)> meanwhile;
    // The message text when the run cannot go on; 0 when it goes on.
    int refusal;
};

void PrintTo(const ContinueCase& c, std::ostream* out) {
    *out << c.name;
}

class ContinueTest : public PagesRig, public ::testing::WithParamInterface<ContinueCase> {};

TEST_P(ContinueTest, GoesOnWithoutAHoleOrTellsWhatIsMissing) {
    files.addBadRange(8193, 16384);
    const std::string bytes = pattern(2'000'000, 'c');
    put("data/c.bin", bytes);
    mark(root() + "data/", {"c.bin"});
    fs::create_directory(root() + "out");
    answers.answerAbort(AbortAnswer::Pause);
    events.when([this] { return copying.process().engine().fileCopiedBytes() > 200'000; },
                [this] { EXPECT_TRUE(wiring.stop()); });
    rescueInto(root() + "out/");
    ASSERT_EQ(flow.log.back(), "report 1 1");
    ASSERT_EQ(wiring.shownContinuable(), std::optional<std::int64_t>{1});
    ASSERT_EQ(wiring.lastContinuable(), std::optional<std::int64_t>{1});
    const RunReport paused = ReportHistory(services.historyPath).load(1);
    ASSERT_GT(paused.job.items.at(0).item.StartPosition, 200'000);

    GetParam().meanwhile(root());
    const std::size_t told = messages().size();
    flow.log.clear();
    const bool continued = wiring.continueRun(1);

    const RunReport after = ReportHistory(services.historyPath).load(1);
    if (GetParam().refusal != 0) {
        EXPECT_FALSE(continued);
        ASSERT_EQ(messages().size(), told + 1);
        EXPECT_TRUE(messages().back().starts_with(state.Lang_MainText[GetParam().refusal] + "\r"));
        EXPECT_EQ(flow.log, std::vector<std::string>{}) << "the page stays";
        EXPECT_EQ(after.outcome, RunOutcome::Paused);
        EXPECT_EQ(after.job.items.at(0).item.StartPosition,
                  paused.job.items.at(0).item.StartPosition);
        return;
    }
    EXPECT_TRUE(continued);
    std::string expected = bytes;
    expected.replace(8192, 8192, std::string(8192, '\0'));
    EXPECT_EQ(answers.askedAbout(), std::vector<std::string>{}) << "its own copy is not asked about";
    // A file shorter than the offset may be another file now: the copy is kept beside it.
    const std::string copy = after.damaged.at(0).keptBeside;
    EXPECT_EQ(copy.empty(), std::string(GetParam().name) != "PartialCopyShortened");
    EXPECT_TRUE(fileBytes(copy.empty() ? root() + "out/c.bin" : copy) == expected);
    EXPECT_EQ(after.outcome, RunOutcome::Completed);
    EXPECT_EQ(after.TotalLostBytes, 8192);
    EXPECT_EQ(after.damaged.at(0).ranges, (std::vector<ByteRange>{{8193, 16384}}));
}

INSTANTIATE_TEST_SUITE_P(
    Meanwhile, ContinueTest,
    ::testing::Values(
        ContinueCase{"NothingChanged", [](const std::string&) {}, 0},
        ContinueCase{"PartialCopyDeleted",
                     [](const std::string& root) { fs::remove(root + "out/c.bin"); }, 0},
        ContinueCase{"PartialCopyShortened",
                     [](const std::string& root) { fs::resize_file(root + "out/c.bin", 1000); },
                     0},
        ContinueCase{"SourceGone",
                     [](const std::string& root) { fs::rename(root + "data", root + "gone"); },
                     62},
        ContinueCase{"DestinationGone",
                     [](const std::string& root) { fs::remove_all(root + "out"); }, 63}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex::test
