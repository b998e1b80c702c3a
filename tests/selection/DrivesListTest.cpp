#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "DrivesList.h"
#include "FakeMachine.h"

namespace quorvex {
namespace {

class DrivesListTest : public ::testing::Test {
  protected:
    DrivesListTest() {
        machine.label("MY\\x20STICK", "/dev/sdb1");
        stick = machine.mount("a-stick", "vfat", "/dev/sdb1");
        machine.mount("b-cd", "iso9660", "/dev/sr0", true);
        disk = machine.mount("c-disk", "ext4", "/dev/sda1");
        share = machine.mount("d-share", "nfs4", "server:/export");
        list.show();
    }

    QComboBox* combo() { return list.findChild<QComboBox*>("DrivesFullList"); }
    QList<QAction*> buttons() { return list.findChild<QToolBar*>("DrivesToolbar")->actions(); }
    void click(int button) {
        QToolBar* bar = list.findChild<QToolBar*>("DrivesToolbar");
        QTest::mouseClick(bar->widgetForAction(buttons()[button]), Qt::LeftButton);
    }
    std::string name(const std::string& root) { return root.substr(0, root.size() - 1); }

    test::FakeMachine machine;
    std::string stick, disk, share;
    DrivesList list{machine.table};
};

// Listing is no choice of the user; a click on the tool bar gives the bare name, a choice in the
// list the root, and the fourth drive has no button.
TEST_F(DrivesListTest, StartsOnTheFirstReadableDriveAndFollowsTheToolBarAndTheList) {
    QSignalSpy changes(&list, &DrivesList::DriveChanged);
    list.ShowDevices();
    ASSERT_EQ(combo()->count(), 4);
    EXPECT_EQ(list.CurrentDriveName(), disk) << "the stick and the CD drive are passed over";
    EXPECT_EQ(combo()->currentIndex(), 2);
    ASSERT_EQ(buttons().size(), 3);
    EXPECT_TRUE(buttons()[2]->isChecked());
    EXPECT_FALSE(buttons()[0]->isChecked());
    EXPECT_EQ(changes.count(), 0);

    click(0);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.CurrentDriveName(), name(stick));
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_TRUE(buttons()[0]->isChecked());
    EXPECT_FALSE(buttons()[2]->isChecked());
    QTest::keyClick(combo(), Qt::Key_Down);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(list.CurrentDriveName(), machine.tree.file("drives/b-cd/"));
    EXPECT_EQ(list.CurrentDriveIndex(), 2);
    EXPECT_TRUE(buttons()[1]->isChecked());
    QTest::keyClick(combo(), Qt::Key_End);
    EXPECT_EQ(list.CurrentDriveName(), share);
    for (QAction* button : buttons()) EXPECT_FALSE(button->isChecked()) << "no fourth button";
    EXPECT_EQ(buttons()[0]->toolTip().toStdString(), "MY STICK") << "the volume name";
}

TEST_F(DrivesListTest, TheCaptionAndTheTypeNamesFollowTheLanguage) {
    list.Lang(0, "Lecteur source:");
    list.Lang(2, "Amovible");
    list.ShowDevices();
    EXPECT_EQ(combo()->itemText(0).toStdString(), name(stick) + " - Amovible");
    EXPECT_EQ(buttons()[0]->text().toStdString(), name(stick) + " - Amovible");
    EXPECT_EQ(list.findChild<QLabel*>("SourceDriveLabel")->text(), "Lecteur source:");
}

}  // namespace
}  // namespace quorvex
