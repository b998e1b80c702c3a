#include "Main.h"
#include "WizardHost.h"
#include "WizardRig.h"

namespace quorvex::test {
namespace {

// Starts the program as it starts for real, from a fresh working folder, with the shipped
// language files installed beside it.
class WizardStartTest : public WizardRig {
  protected:
    WizardStartTest() : previousFolder(std::filesystem::current_path()) {
        std::filesystem::current_path(workingFolder.path());
    }
    ~WizardStartTest() override { std::filesystem::current_path(previousFolder); }

    bool start() { return Main(state, files, prompts, host).run(); }

    std::filesystem::path previousFolder;
    TemporaryFolder workingFolder;
    WizardHost host{[this] { return std::make_unique<Wizard>(services); }};
};

TEST_F(WizardStartTest, OpensInTheStoredLanguage) {
    store.values["Software\\Quorvex/lang"] = "2";
    ASSERT_TRUE(start());
    ASSERT_NE(host.wizard(), nullptr);
    EXPECT_TRUE(host.wizard()->isVisible());
    EXPECT_EQ(host.wizard()->windowTitle().toStdString(),
              mainText(1, 2) + " v1.32 " + mainText(3, 2));
    EXPECT_EQ(store.language(), "2");
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace quorvex::test
