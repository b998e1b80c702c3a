#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "BurnRig.h"
#include "ImageSnapshot.h"
#include "IsoImageBuilder.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

// Files and links with each file's bytes shown as their length and a checksum, to keep a
// failure's message short.
std::map<std::string, std::string> filesOf(std::map<std::string, std::string> entries) {
    for (auto& [path, content] : entries) {
        if (content.starts_with("-> ")) continue;
        std::uint64_t hash = 14695981039346656037ull;
        for (const char byte : content)
            hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
        content = std::to_string(content.size()) + " bytes, " + std::to_string(hash);
    }
    return entries;
}

std::string patterned(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return bytes;
}

TEST(ImageBurnTest, BurntImageHoldsEveryNameAndByteOfTheFolder) {
    BurnRig rig;
    const std::string deep = "d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11/";
    const std::map<std::string, std::string> files = {
        {"plain.txt", "rescued text\n"},
        {"empty", ""},
        {"patterned.bin", patterned(3 * 1024 * 1024 + 17)},
        {std::string(200, 'n') + ".long", "a name longer than Joliet's 103 characters"},
        {"caf\xE9-latin1.txt", "a name that is not UTF-8"},
        {"\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt", "a Cyrillic UTF-8 name"},
        {deep + "bottom.txt", "eleven folders down"},
    };
    fs::create_directories(rig.files.file(deep));
    for (const auto& [name, bytes] : files) rig.files.write(name, bytes);
    fs::create_symlink("plain.txt", rig.files.file("link-to-plain"));

    const BurnProgress progress = rig.burnAndWait();

    EXPECT_EQ(progress.phase, BurnPhase::Done) << progress.failure;
    EXPECT_TRUE(progress.verified);
    EXPECT_TRUE(progress.differingFiles.empty());
    std::map<std::string, std::string> expected = files;
    expected["link-to-plain"] = "-> plain.txt";
    EXPECT_EQ(filesOf(imageSnapshot(rig.image)), filesOf(expected));
    EXPECT_EQ(rig.burner.dataSize(), fs::file_size(rig.image));
}

// Marked files burnt as they are: only the named entries of the folder, with everything in a
// named folder, and a verify that does not miss the entries left out.
TEST(ImageBurnTest, ANarrowedJobBurnsAndComparesOnlyItsEntries) {
    BurnRig rig;
    fs::create_directories(rig.files.file("photos/trip"));
    rig.files.write("photos/trip/b.jpg", "b");
    rig.files.write("notes.txt", "n");
    rig.files.write("left.txt", "not marked");
    rig.burner.InitializeMe("/media/disc/", rig.files.path());
    rig.burner.setSelection({"photos", "notes.txt"});
    ASSERT_TRUE(rig.burner.startBurn().started());
    ASSERT_TRUE(rig.listener.waitForFinish(std::chrono::seconds(300)));

    const BurnProgress progress = rig.burner.progress();
    EXPECT_EQ(progress.phase, BurnPhase::Done) << progress.failure;
    EXPECT_TRUE(progress.verified);
    EXPECT_EQ(progress.differingFiles, std::vector<std::string>{});
    const std::map<std::string, std::string> expected{{"photos/trip/b.jpg", "b"},
                                                      {"notes.txt", "n"}};
    EXPECT_EQ(imageSnapshot(rig.image), expected);
}

TEST(ImageBurnTest, SmallFilesKeepLevelTwoAndLabelsFitTheVolumeId) {
    TemporaryFolder files;
    files.write("small", "s");
    EXPECT_EQ(IsoImageBuilder(files.path(), "L").isoLevel(), 2);
    const std::pair<std::string, std::string> labels[] = {
        {"RESCUED", "RESCUED"},
        {std::string(40, 'A'), std::string(32, 'A')},
        // 31 ASCII bytes and a two-byte letter: the letter does not fit and is not cut in two.
        {std::string(31, 'B') + "\xC3\xA9", std::string(31, 'B')},
        {std::string(30, 'C') + "\xC3\xA9", std::string(30, 'C') + "\xC3\xA9"},
    };
    for (const auto& [label, id] : labels) EXPECT_EQ(IsoImageBuilder::volumeId(label), id);
}

}  // namespace
}  // namespace quorvex::test
