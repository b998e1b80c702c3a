#include <gtest/gtest.h>

#include <filesystem>

#include "RescueItems.h"
#include "TemporaryFolder.h"
#include "UsageError.h"

namespace quorvex {
namespace {

using Items = std::vector<std::string>;

class RescueItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a/b/c", "d", "e"})
            std::filesystem::create_directories(folder_.file(name));
    }
    Items normalize(const Items& items) const {
        return RescueItems::normalize(items, folder_.path());
    }

    test::TemporaryFolder folder_;
};

// Each item once, as a plain path below the root; the root itself stands for everything.
TEST_F(RescueItemsTest, ItemsBecomePlainPathsBelowTheRootWithoutNestedOnes) {
    EXPECT_EQ(normalize({"a//b/./c/", folder_.path() + "d", "./e"}), (Items{"a/b/c", "d", "e"}));
    EXPECT_EQ(normalize({"a/b", "d", "a/b/c", "a", "d"}), (Items{"d", "a"}));
    EXPECT_TRUE(normalize({"d", folder_.path().substr(0, folder_.path().size() - 1)}).empty());
    EXPECT_TRUE(normalize({"d", "."}).empty());
}

TEST_F(RescueItemsTest, ItemsOutsideTheRootOrClimbingOrMissingAreRefused) {
    const std::string bare = folder_.path().substr(0, folder_.path().size() - 1);
    for (const std::string& item :
         {std::string("../x"), std::string("a/../d"), std::string("/etc"), bare + "-other/d",
          folder_.path() + "a/..", std::string("missing")})
        EXPECT_THROW(normalize({item}), UsageError) << item;
}

}  // namespace
}  // namespace quorvex
