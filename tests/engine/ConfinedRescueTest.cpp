#include "DestinationRig.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t KiB = 1024;

class ConfinedRescueTest : public test::DestinationRig {
protected:
    ConfinedRescueTest() {
        fs::create_directories(source.file("photos/2004"));
        source.write("photos/a.jpg", pattern(100));
        source.write("photos/2004/a.jpg", pattern(200));
        fs::create_symlink("a.jpg", source.file("photos/lnk"));
        source.write("b.txt", pattern(300));
    }
    void clearDestination() {
        for (const auto& entry : fs::directory_iterator(destination.path())) fs::remove_all(entry);
        engine.job.clear();
        recorder.notes.clear();
    }
    // The folder items end with "/", the file items do not.
    void addItems(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            name.ends_with('/') ? addFolder(name) : addFile(name);
    }
};

TEST_F(ConfinedRescueTest, LinksPlantedInTheDestinationLetNoFileOut) {
    struct Row {
        const char* link;
        std::string target;
        std::vector<std::string> items;
        std::vector<std::string> notes;
    };
    const Row rows[] = {
        {"photos", outside.path(), {"photos/", "photos/a.jpg", "photos/lnk", "b.txt"},
         {"1: t41", "2: t41", "3: t41"}},
        {"photos/2004", outside.path(), {"photos/", "photos/2004/", "photos/2004/a.jpg", "b.txt"},
         {"2: t41", "3: t41"}},
        {"b.txt", outside.file("victim"), {"b.txt"}, {}},
    };
    const auto before = test::snapshot(outside.path());
    for (const Row& row : rows) {
        clearDestination();
        fs::create_directories(fs::path(destination.file(row.link)).parent_path());
        fs::create_symlink(row.target, destination.file(row.link));
        addItems(row.items);
        prompts.answerExistingFile(ExistingFileAnswer::Overwrite);

        EXPECT_EQ(run(), RunEnd::ProcessDone) << row.link;
        EXPECT_EQ(recorder.notes, row.notes) << row.link;
        EXPECT_EQ(test::snapshot(outside.path()), before) << row.link;
        EXPECT_EQ(destination.read("b.txt"), pattern(300)) << row.link;
        EXPECT_TRUE(S_ISREG(statusOf(destination.file("b.txt")).st_mode)) << row.link;
        EXPECT_EQ(engine.state.FilesCopied, 1) << row.link;
    }
}

TEST_F(ConfinedRescueTest, ALinkSwappedInDuringTheRunStopsEveryCopyBelowIt) {
    source.write("photos/big", pattern(300 * KiB));
    outside.write("big", "outside big");
    outside.write("a.jpg", "outside a");
    addItems({"photos/", "photos/big", "photos/a.jpg", "b.txt"});
    const auto before = test::snapshot(outside.path());
    events.when([this] { return engine.state.CurrentFile == 2 && engine.fileCopiedBytes() > 0; },
                [this] {
                    fs::rename(destination.file("photos"), destination.file("photos.moved"));
                    fs::create_directory_symlink(outside.path(), destination.file("photos"));
                });

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    EXPECT_EQ(test::snapshot(outside.path()), before);
    EXPECT_EQ(recorder.notes, (std::vector<std::string>{"2: t41", "3: t41"}));
    const JobItem& big = engine.job.item(2);
    EXPECT_FALSE(big.isDone);
    EXPECT_EQ(big.CopiedBytes, 0) << "nothing of it is where it belongs";
    EXPECT_EQ(big.StartPosition, 0);
    EXPECT_FALSE(engine.job.item(3).isDone);
    EXPECT_TRUE(engine.job.item(4).isDone);
    EXPECT_EQ(engine.state.FilesCopied, 1);
    EXPECT_EQ(engine.state.TotalCopiedBytes, 300);
}

TEST_F(ConfinedRescueTest, SourceLinksAreMadeAgainAsLinksAndNeverFollowed) {
    const std::pair<const char*, const char*> links[] = {
        {"to-file", "b.txt"}, {"to-folder", "/"}, {"dangling", "gone/nowhere"}, {"loop", "loop"}};
    for (const auto& [name, target] : links) {
        fs::create_symlink(target, source.file(name));
        addFile(name);
    }
    destination.write("to-file", "old");
    destination.write("to-folder", "old");
    prompts.answerExistingFile(ExistingFileAnswer::Skip);
    prompts.answerExistingFile(ExistingFileAnswer::Overwrite);

    EXPECT_EQ(run(), RunEnd::ProcessDone);
    const std::vector<std::string> asked{destination.file("to-file"),
                                         destination.file("to-folder")};
    EXPECT_EQ(prompts.askedAbout(), asked);
    EXPECT_EQ(destination.read("to-file"), "old");
    EXPECT_FALSE(engine.job.item(1).isDone);
    for (int number = 2; number <= 4; ++number) {
        const auto& [name, target] = links[number - 1];
        EXPECT_EQ(fs::read_symlink(destination.file(name)), target) << name;
        EXPECT_TRUE(engine.job.item(number).isDone) << name;
        EXPECT_EQ(history()[static_cast<std::size_t>(number)], source.file(name) + " - t44");
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(destination.file("to-folder.quorvex-partial"))));
    EXPECT_EQ(engine.state.FilesCopied, 3);
    EXPECT_TRUE(files.sourceReads().empty()) << "no link was followed to its target";
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace quorvex
