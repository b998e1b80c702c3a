#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "BurnRig.h"
#include "GrabbedDrive.h"
#include "ImageReader.h"
#include "ImageVerifier.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

const std::string kMarker = "marker-only-in-a.bin-0123456789";

// Changes one byte of the image file inside a.bin's data.
void changeImageByte(const BurnRig& rig) {
    std::fstream image(rig.image, std::ios::in | std::ios::out | std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(image), {});
    const std::size_t at = bytes.find(kMarker);
    ASSERT_NE(at, std::string::npos);
    image.seekp(static_cast<std::streamoff>(at));
    image.put('M');
}

std::vector<std::string> verifyAgain(const BurnRig& rig) {
    const auto drive = GrabbedDrive::grab("stdio:" + rig.image);
    if (!drive) return {"no drive"};
    const ImageReader image(drive->handle());
    const std::atomic<bool> cancel{false};
    return ImageVerifier(rig.files.path(), image).differingFiles(cancel, {});
}

struct ChangeCase {
    const char* name;
    std::function<void(BurnRig&)> change;
    std::vector<std::string> differing;
};

TEST(ImageVerifierTest, VerifyNamesEveryFileThatDoesNotReadBackIdentical) {
    const ChangeCase cases[] = {
        {"nothing changed", [](BurnRig&) {}, {}},
        {"a byte of the image", changeImageByte, {"a.bin"}},
        {"a byte of the folder",
         [](BurnRig& rig) { rig.files.write("a.bin", "x" + kMarker.substr(1) + "tail"); },
         {"a.bin"}},
        {"a file grown by a byte",
         [](BurnRig& rig) { std::ofstream(rig.files.file("sub/b.txt"), std::ios::app) << '!'; },
         {"sub/b.txt"}},
        {"a file added", [](BurnRig& rig) { rig.files.write("added.txt", "new"); }, {"added.txt"}},
        {"a file removed",
         [](BurnRig& rig) { fs::remove(rig.files.file("sub/b.txt")); },
         {"sub/b.txt"}},
        {"a link pointing elsewhere",
         [](BurnRig& rig) {
             fs::remove(rig.files.file("link"));
             fs::create_symlink("sub/b.txt", rig.files.file("link"));
         },
         {"link"}},
    };
    for (const ChangeCase& changed : cases) {
        SCOPED_TRACE(changed.name);
        BurnRig rig;
        fs::create_directories(rig.files.file("sub"));
        rig.files.write("a.bin", kMarker + "tail");
        rig.files.write("sub/b.txt", "bee");
        fs::create_symlink("a.bin", rig.files.file("link"));
        ASSERT_EQ(rig.burnAndWait().phase, BurnPhase::Done);

        changed.change(rig);

        EXPECT_EQ(verifyAgain(rig), changed.differing);
    }
}

TEST(ImageVerifierTest, BurnWithoutVerifyEndsAfterTheWrite) {
    BurnRig rig;
    rig.files.write("a.bin", kMarker);
    rig.burner.setVerifyAfterBurn(false);

    const BurnProgress progress = rig.burnAndWait();

    EXPECT_EQ(progress.phase, BurnPhase::Done);
    EXPECT_FALSE(progress.verified);
    EXPECT_EQ(progress.bytesDone, fs::file_size(rig.image));
}

}  // namespace
}  // namespace quorvex::test
