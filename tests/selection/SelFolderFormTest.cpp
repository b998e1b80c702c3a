#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "FakeMachine.h"
#include "SelFolderForm.h"

namespace quorvex {
namespace {

class SelFolderFormTest : public ::testing::Test {
  protected:
    SelFolderFormTest() {
        work = machine.mount("work", "ext4", "/dev/sda1");
        std::filesystem::create_directories(work + "projects/old");
        machine.mount("zz-gone", "ext4", "/dev/sda1", true);
    }

    void press(SelFolderForm& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QComboBox* drives(SelFolderForm& form) { return form.findChild<QComboBox*>("Drive1"); }

    test::FakeMachine machine;
    SharedState state;
    std::string work;
};

TEST_F(SelFolderFormTest, OkKeepsTheChosenFolderWithOneTrailingSlashAndCancelNothing) {
    for (const std::string& start : {work + "projects/old/", work}) {
        SelFolderForm form(machine.table, state, start);
        form.show();
        press(form, "Command1_0");
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(form.chosenFolder(), start);
    }
    state.Lang_MainText[35] = "Stop";
    state.Lang_MainText[92] = "Cancel";
    SelFolderForm cancelled(machine.table, state, work + "projects/");
    cancelled.show();
    EXPECT_EQ(cancelled.findChild<QPushButton*>("Command1_1")->text(), "Cancel")
        << "the picker has a Cancel text of its own, not the copying page's Stop";
    press(cancelled, "Command1_1");
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.chosenFolder(), "") << "Cancel keeps nothing";
}

// A drive that cannot be read leaves the tree as it was.
TEST_F(SelFolderFormTest, ThePickedFolderInTheTreeIsTheOneKept) {
    SelFolderForm form(machine.table, state, work);
    form.show();
    auto* tree = form.findChild<QTreeView*>("Dir1");
    auto* model = dynamic_cast<QFileSystemModel*>(tree->model());
    ASSERT_NE(model, nullptr);
    tree->setCurrentIndex(model->index(QString::fromStdString(work + "projects")));
    ASSERT_EQ(drives(form)->count(), 2);
    drives(form)->setFocus();
    QTest::keyClick(drives(form), Qt::Key_Down);
    EXPECT_EQ(drives(form)->currentIndex(), 0);
    press(form, "Command1_0");
    EXPECT_EQ(form.chosenFolder(), work + "projects/");
}

}  // namespace
}  // namespace quorvex
