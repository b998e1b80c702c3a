#include <gtest/gtest.h>

#include <functional>

#include "Main.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ProgramConfig.h"
#include "RunTimeError.h"
#include "ScriptedPrompts.h"
#include "TemporaryFolder.h"

namespace quorvex {
namespace {

// Records what start-up does with the window; its load handler can be made to fail.
class FakeWindowHost final : public MainWindowHost {
public:
    void createWizard() override { created = true; }
    void showWizard() override {
        if (failure) std::rethrow_exception(failure);
        if (load) load();
        shown = true;
    }
    void unloadWizard() override { unloaded = true; }

    std::exception_ptr failure;
    std::function<void()> load;
    bool created = false;
    bool shown = false;
    bool unloaded = false;
};

class MainTest : public ::testing::Test {
protected:
    bool start() { return Main(state, files, prompts, window).run(); }

    SharedState state;
    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    test::ScriptedPrompts prompts;
    FakeWindowHost window;
};

TEST_F(MainTest, TheProgramFolderEndsInExactlyOneSlash) {
    EXPECT_EQ(Main::ProgramPathFor("/"), "/");
    EXPECT_EQ(Main::ProgramPathFor("/home/user/Tools"), "/home/user/Tools/");
    EXPECT_EQ(Main::ProgramPathFor("/home/user/Tools/"), "/home/user/Tools/");
}

TEST_F(MainTest, StartsFromTheWorkingFolderAndShowsTheWindow) {
    test::TemporaryFolder folder;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    state.MediaTick = 5;
    const bool started = start();
    std::filesystem::current_path(before);

    EXPECT_TRUE(started);
    EXPECT_EQ(state.ProgramPath, folder.path());
    EXPECT_EQ(state.MediaTick, 0);
    EXPECT_TRUE(window.created && window.shown && !window.unloaded);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(MainTest, AFailingLoadIsReportedOnceWithWhatWentWrongAndUnloadsTheWindow) {
    window.failure = std::make_exception_ptr(RunTimeError(ErrorNumber::FileNotFound, "x"));
    EXPECT_FALSE(start());
    ASSERT_EQ(prompts.shown().size(), 1u);
    const auto& message = prompts.shown().front();
    EXPECT_EQ(
        message.text,
        std::string("Load Error #53\rFile not found: x\rPlease inform us about this problem.\r") +
            ProgramConfig::SupportAddress);
    EXPECT_EQ(message.caption, "Quorvex");
    EXPECT_EQ(message.icon, PromptIcon::Critical);
    EXPECT_EQ(message.buttons, PromptButtons::Ok);
    EXPECT_FALSE(window.shown);
    EXPECT_TRUE(window.unloaded);
}

TEST_F(MainTest, FailuresWithoutAnErrorNumberAreReportedToo) {
    window.failure = std::make_exception_ptr(std::logic_error("broken control"));
    EXPECT_FALSE(start());
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(prompts.shown().front().text.starts_with(
        "Load Error #51\rInternal error: broken control\r"));

    window.failure = std::make_exception_ptr(std::bad_alloc());
    EXPECT_FALSE(start());
    EXPECT_TRUE(prompts.shown().back().text.starts_with("Load Error #7\rOut of memory\r"));
}

}  // namespace
}  // namespace quorvex
