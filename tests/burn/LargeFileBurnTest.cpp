#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "BurnRig.h"
#include "GrabbedDrive.h"
#include "ImageReader.h"
#include "IsoImageBuilder.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

// A sparse file just over 4 GiB with marks at its start, across the 4 GiB line and at its end;
// the image takes about 4 GiB of disk for the few seconds of the test.
TEST(LargeFileBurnTest, FileOverFourGibibytesNeedsLevelThreeAndComesBackWhole) {
    BurnRig rig;
    const std::uint64_t size = (4ull << 30) + 4099;
    const std::string big = rig.files.file("big.bin");
    const std::map<std::uint64_t, std::string> marks = {
        {0, "first"}, {(4ull << 30) - 3, "across"}, {size - 4, "last"}};
    {
        std::ofstream output(big, std::ios::binary);
        for (const auto& [at, mark] : marks) {
            output.seekp(static_cast<std::streamoff>(at));
            output << mark;
        }
    }
    ASSERT_EQ(fs::file_size(big), size);
    EXPECT_EQ(IsoImageBuilder(rig.files.path(), "L").isoLevel(), 3);

    const BurnProgress progress = rig.burnAndWait();

    EXPECT_EQ(progress.phase, BurnPhase::Done) << progress.failure;
    EXPECT_TRUE(progress.verified);
    EXPECT_TRUE(progress.differingFiles.empty());
    const auto drive = GrabbedDrive::grab("stdio:" + rig.image);
    ASSERT_TRUE(drive);
    const ImageReader reader(drive->handle());
    EXPECT_EQ(reader.entries().at("big.bin").size, size);
    std::map<std::uint64_t, std::string> found;
    std::uint64_t offset = 0;
    reader.readFile("big.bin", [&](const char* piece, std::size_t count) {
        for (const auto& [at, mark] : marks) {
            for (std::size_t i = 0; i < mark.size(); ++i) {
                if (at + i >= offset && at + i < offset + count)
                    found[at] += piece[at + i - offset];
            }
        }
        offset += count;
        return true;
    });
    EXPECT_EQ(found, marks);
    EXPECT_EQ(offset, size);
}

}  // namespace
}  // namespace quorvex::test
