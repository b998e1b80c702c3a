#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "FileSystemMethods.h"
#include "ImageSnapshot.h"
#include "WizardRig.h"

namespace quorvex::test {
namespace {

namespace fs = std::filesystem;

// A disc of the drive "HOLIDAY" whose marked files are burnt through the temporary folder,
// which lies on a drive of its own, clicked through the real window.
class BurnTaskRig : public WizardRig {
  protected:
    explicit BurnTaskRig(bool realBurner) : WizardRig(realBurner) {
        fs::create_directories(disc() + "photos");
        folder.write("disc/photos/a.jpg", std::string(300000, 'a') + "end");
        folder.write("disc/notes.txt", "a note");
        folder.write("disc/left.txt", "not marked");
        fs::create_directory(temp());
        drives.add(disc(), DriveType::Removable, "HOLIDAY");
        drives.add(temp());
        drives.everySpace = {1 << 30, 1 << 30};
    }
    std::string disc() const { return folder.path() + "disc/"; }
    std::string temp() const { return folder.path() + "temp/"; }
    std::string copyFolder() const { return temp() + FileSystemMethods::CopyFolderName; }
    std::string image() const { return folder.path() + "rescued.iso"; }

    // Task 3 from the menu, the temporary folder chosen and its question answered Yes: the copy
    // runs, and the burning page shows.
    void reachBurningPage() {
        WizardRig::open();
        named<QListWidget>("MainMenu")->setCurrentRow(2);
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{1});
        pickDrive("DrivesList1", disc());
        mark("FilesAndFoldersList1", {"photos", "notes.txt"});
        prompts.answerWith(PromptAnswer::Yes);
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{2});
        named<QLineEdit>("TempFolder_0")->setText(QString::fromStdString(temp()));
        button("Command11").click();
        ASSERT_EQ(shownPages(), std::vector<int>{5}) << messages().back();
        ASSERT_TRUE(fs::exists(copyFolder() + "/photos/a.jpg"));
        named<QLineEdit>("ImageFile")->setText(QString::fromStdString(image()));
    }
    // Lets the window's events run until the report page shows or the patience ends.
    bool reportPageWithin(std::chrono::seconds patience) {
        const auto end = std::chrono::steady_clock::now() + patience;
        while (std::chrono::steady_clock::now() < end) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (shownPages() == std::vector<int>{6}) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : prompts.shown()) texts.push_back(message.text);
        return texts;
    }
};

class BurnFromWindowTest : public BurnTaskRig {
  protected:
    BurnFromWindowTest() : BurnTaskRig(true) {}
};

TEST_F(BurnFromWindowTest, RescuedFilesAreBurntToAnImageThatReadsBackIdentical) {
    ASSERT_NO_FATAL_FAILURE(reachBurningPage());
    EXPECT_EQ(named<QLineEdit>("VolumeLabel")->text(), "HOLIDAY");
    EXPECT_FALSE(named<QLabel>("DataSize")->text().isEmpty());
    const auto looked = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (named<QLabel>("MediumState")->text().isEmpty() && std::chrono::steady_clock::now() < looked)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(named<QLabel>("MediumState")->text().startsWith(QString::fromStdString(mainText(116))))
        << "an image file is a blank medium";
    ASSERT_TRUE(button("Command11").isEnabled()) << "the image's folder may be written";
    button("Command11").click();
    EXPECT_FALSE(button("Command10").isEnabled()) << "the copy cannot be left while it is burnt";
    EXPECT_FALSE(button("StartBurn").isEnabled());
    ASSERT_TRUE(reportPageWithin(std::chrono::seconds(120)));

    EXPECT_EQ(messages(), (std::vector<std::string>{mainText(87), mainText(135)}));
    EXPECT_FALSE(fs::exists(copyFolder()));
    const std::map<std::string, std::string> burnt = imageSnapshot(image());
    EXPECT_EQ(burnt.size(), 2u);
    EXPECT_TRUE(burnt.count("photos/a.jpg") == 1 &&
                burnt.at("photos/a.jpg") == std::string(300000, 'a') + "end");
    EXPECT_TRUE(burnt.count("notes.txt") == 1 && burnt.at("notes.txt") == "a note");
}

// The scripted burner lets each way out of the burning page be taken at will.
class BurnWaysOutTest : public BurnTaskRig {
  protected:
    BurnWaysOutTest() : BurnTaskRig(false) {}

    void startBurn() {
        burner.shown.phase = BurnPhase::Writing;
        button("StartBurn").click();
        ASSERT_EQ(burner.log.back(), "startBurn");
    }
    void endBurn(BurnPhase phase) {
        burner.shown.phase = phase;
        burnEvents.burnFinished();
        ASSERT_TRUE(reportPageWithin(std::chrono::seconds(10)));
    }
};

TEST_F(BurnWaysOutTest, TheTemporaryCopyFolderGoesOnEveryWayOut) {
    const std::vector<std::pair<std::string, std::function<void()>>> waysOut{
        {"a verified burn",
         [&] {
             startBurn();
             burner.shown.verified = true;
             endBurn(BurnPhase::Done);
             EXPECT_EQ(messages().back(), mainText(135));
         }},
        {"a failed burn",
         [&] {
             startBurn();
             burner.shown.failure = "write error";
             endBurn(BurnPhase::Failed);
             EXPECT_EQ(messages().back(), mainText(140) + " write error");
         }},
        {"Cancel during the burn",
         [&] {
             startBurn();
             button("Command12").click();
             EXPECT_FALSE(button("Command12").isEnabled());
             EXPECT_EQ(std::vector<std::string>(burner.log.end() - 3, burner.log.end()),
                       (std::vector<std::string>{"CancelBurn", "AbortJob", "OpenTray"}));
             endBurn(BurnPhase::Idle);
             EXPECT_EQ(messages().back(), mainText(141));
         }},
        {"Back", [&] { button("Command10").click(); }},
        {"closing the window", [&] { wizard->close(); }},
    };
    for (const auto& [way, takeIt] : waysOut) {
        SCOPED_TRACE(way);
        burner.log.clear();
        burner.shown = {};
        ASSERT_NO_FATAL_FAILURE(reachBurningPage());
        takeIt();
        EXPECT_FALSE(fs::exists(copyFolder()));
        EXPECT_EQ(burner.log.back(), "DisableMe");
        wizard.reset();
    }
}

}  // namespace
}  // namespace quorvex::test
