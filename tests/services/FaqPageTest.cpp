#include <gtest/gtest.h>

#include "FaqPage.h"
#include "RecordingShell.h"
#include "RunTimeError.h"

namespace quorvex {
namespace {

using test::RecordingShell;

TEST(FaqPageTest, TheLinkCarriesTheLanguageKeyOnlyForLanguageTwo) {
    EXPECT_EQ(FaqPage::FaqLinkFor("https://site/faq/", 1), "https://site/faq/index.php?from=qvx");
    EXPECT_EQ(FaqPage::FaqLinkFor("https://site/faq/", 2),
              "https://site/faq/index.php?from=qvx&l=2");
    EXPECT_EQ(FaqPage::FaqLinkFor("https://site/faq/", 3), "https://site/faq/index.php?from=qvx");
}

TEST(FaqPageTest, OpensTheLinkAndRaisesWhenTheDesktopRefuses) {
    RecordingShell shell;
    FaqPage::OpenFaqPage("https://site/faq/index.php?from=qvx", shell);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://site/faq/index.php?from=qvx");

    shell.accepts = false;
    EXPECT_THROW(FaqPage::OpenFaqPage("https://site/", shell), RunTimeError);
}

}  // namespace
}  // namespace quorvex
