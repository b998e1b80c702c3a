#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "BurnRig.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

// A sparse file: its bytes cost no disk until the image is written.
void writeSparse(const std::string& path, std::uint64_t size) {
    std::ofstream(path, std::ios::binary).put('x');
    fs::resize_file(path, size);
}

TEST(BurnControlTest, CancelStopsAWriteWithinSecondsAndSaysSo) {
    BurnRig rig;
    writeSparse(rig.files.file("big.bin"), 3ull << 30);
    rig.burner.InitializeMe("/media/cdrom/", rig.files.path());
    const std::uint64_t imageBytes = rig.burner.dataSize();
    ASSERT_TRUE(rig.burner.startBurn().started());

    const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (rig.burner.progress().bytesDone == 0 && std::chrono::steady_clock::now() < patience) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const BurnProgress running = rig.burner.progress();
    ASSERT_EQ(running.phase, BurnPhase::Writing);
    EXPECT_EQ(running.bytesTotal, imageBytes);
    EXPECT_GT(running.bytesPerSecond, 0);
    EXPECT_GT(running.secondsLeft, 0);

    const auto cancelled = std::chrono::steady_clock::now();
    rig.burner.CancelBurn();
    ASSERT_TRUE(rig.listener.waitForFinish(std::chrono::seconds(5)));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(3));
    rig.burner.AbortJob();
    rig.burner.OpenTray();

    EXPECT_EQ(rig.burner.progress().phase, BurnPhase::Idle);
    EXPECT_LT(fs::file_size(rig.image), imageBytes);
}

TEST(BurnControlTest, CancelledBurnReportsCancelled) {
    BurnRig rig;
    writeSparse(rig.files.file("big.bin"), 3ull << 30);
    rig.burner.InitializeMe("/media/cdrom/", rig.files.path());
    ASSERT_TRUE(rig.burner.startBurn().started());
    rig.burner.CancelBurn();
    ASSERT_TRUE(rig.listener.waitForFinish(std::chrono::seconds(5)));
    EXPECT_EQ(rig.burner.progress().phase, BurnPhase::Cancelled);
    EXPECT_FALSE(rig.burner.progress().verified);
}

struct RefusalCase {
    const char* name;
    std::function<void(BurnRig&)> arrange;
    StartRefusalReason reason;
};

TEST(BurnControlTest, BurnIsRefusedBeforeAnythingIsWritten) {
    const RefusalCase cases[] = {
        {"image larger than the capacity",
         [](BurnRig& rig) {
             BurnTarget target = BurnTarget::imageAt(rig.image);
             target.imageCapacity = 512 * 1024;
             rig.burner.setTarget(target);
         },
         StartRefusalReason::TooLarge},
        {"existing image not to be replaced",
         [](BurnRig& rig) { rig.images.write("disc.iso", "an earlier image"); },
         StartRefusalReason::NotReady},
        {"image in a missing folder",
         [](BurnRig& rig) { rig.burner.setTarget(BurnTarget::imageAt(rig.image + ".d/x.iso")); },
         StartRefusalReason::NotReady},
        {"image among the files to burn",
         [](BurnRig& rig) { rig.burner.setTarget(BurnTarget::imageAt(rig.files.file("d.iso"))); },
         StartRefusalReason::NotReady},
        {"disabled", [](BurnRig& rig) { rig.burner.DisableMe(); }, StartRefusalReason::Disabled},
        {"job aborted", [](BurnRig& rig) { rig.burner.AbortJob(); }, StartRefusalReason::NoJob},
    };
    for (const RefusalCase& refused : cases) {
        SCOPED_TRACE(refused.name);
        BurnRig rig;
        rig.files.write("one.bin", std::string(1024 * 1024, 'q'));
        rig.burner.InitializeMe("/media/cdrom/", rig.files.path());
        refused.arrange(rig);
        const std::string imageBefore = rig.images.read("disc.iso");

        const StartRefusal refusal = rig.burner.startBurn();

        EXPECT_EQ(refusal.reason, refused.reason);
        EXPECT_EQ(rig.images.read("disc.iso"), imageBefore);
        EXPECT_FALSE(fs::exists(rig.files.file("d.iso")));
        EXPECT_EQ(rig.listener.finishedCount(), 0);
        if (refused.reason == StartRefusalReason::TooLarge) {
            EXPECT_GT(refusal.neededBytes, 1024u * 1024u);
            EXPECT_EQ(refusal.availableBytes, 512u * 1024u);
        }
    }
}

TEST(BurnControlTest, ReplacingAnEarlierImageLeavesNoneOfItsBytes) {
    BurnRig rig;
    rig.files.write("small.txt", "small");
    rig.images.write("disc.iso", std::string(8 * 1024 * 1024, 'e'));
    BurnTarget target = BurnTarget::imageAt(rig.image);
    target.replaceExistingImage = true;
    rig.burner.setTarget(target);

    const BurnProgress progress = rig.burnAndWait();

    EXPECT_EQ(progress.phase, BurnPhase::Done) << progress.failure;
    EXPECT_EQ(fs::file_size(rig.image), rig.burner.dataSize());
}

TEST(BurnControlTest, ReadinessFollowsTheComponentsStateAndTheImagePlace) {
    BurnRig rig;
    rig.burner.InitializeMe("/media/cdrom/", rig.files.path());
    rig.burner.DisableMe();
    EXPECT_FALSE(rig.burner.isBurnDriveReady());
    rig.burner.ReInitializeMe();
    rig.burner.setTarget(BurnTarget::imageAt(rig.images.file("missing/disc.iso")));
    EXPECT_FALSE(rig.burner.isBurnDriveReady());

    EXPECT_EQ(rig.listener.readiness, (std::vector<bool>{true, false, true, false}));
}

TEST(BurnControlTest, AnImageFileIsNotErasedButIsAlwaysBlank) {
    BurnRig rig;
    rig.burner.InitializeMe("/media/cdrom/", rig.files.path());
    rig.burner.setQuickErase(false);

    EXPECT_EQ(rig.burner.startErase().reason, StartRefusalReason::NotErasable);
    const MediumInfo medium = rig.burner.medium();
    EXPECT_EQ(medium.state, MediumState::Blank);
    EXPECT_FALSE(medium.erasable);
    EXPECT_GT(medium.freeBytes, 0u);
    EXPECT_FALSE(rig.burner.quickErase());
    EXPECT_TRUE(rig.listener.eraseRequests.empty());
}

}  // namespace
}  // namespace quorvex::test
