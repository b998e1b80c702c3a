#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "IfFileExist.h"
#include "QtRecoveryPrompts.h"
#include "RecoveryProcessRig.h"
#include "toAbortProcess.h"

namespace quorvex {
namespace {

QPushButton* button(QWidget& dialog, int number) {
    return dialog.findChild<QPushButton*>(QString("Button%1").arg(number));
}

class RecoveryDialogsTest : public ::testing::Test {
protected:
    const TextTable texts = test::recoveryTextsIn(0);
    const std::string path = "/media/disc/\xd0\xbe\xd1\x82\xd1\x87\xd1\x91\xd1\x82.doc";
};

// The question cannot be closed without an answer: Escape and a close request are ignored,
// Enter skips the file.
TEST_F(RecoveryDialogsTest, TheExistingFileQuestionShowsThePathAndClosesOnlyWithAnAnswer) {
    IfFileExist dialog(texts, path);
    EXPECT_EQ(dialog.findChild<QLabel*>("FormPrompt")->text(),
              "This file already exists in the destination folder. What do you want to do?");
    const auto* shownPath = dialog.findChild<QLineEdit*>("ExFile");
    EXPECT_EQ(shownPath->text(), QString::fromUtf8("/media/disc/отчёт.doc"));
    EXPECT_TRUE(shownPath->isReadOnly());
    EXPECT_EQ(button(dialog, 10)->text(), "Overwrite all");
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Escape";
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible()) << "close request";
    EXPECT_EQ(dialog.answer(), std::nullopt);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.answer(), 2) << "Enter skips the file";

    for (const int number : {1, 10, 2, 20}) {
        IfFileExist answered(texts, path);
        answered.show();
        QTest::mouseClick(button(answered, number), Qt::LeftButton);
        EXPECT_EQ(answered.answer(), number);
        EXPECT_FALSE(answered.isVisible());
    }
}

TEST_F(RecoveryDialogsTest, TheStopQuestionGivesItsAnswersAndClosingGoesOn) {
    for (const int number : {0, 1, 2, 3}) {
        toAbortProcess dialog(texts);
        EXPECT_EQ(button(dialog, 3)->text(), "Abort");
        dialog.show();
        button(dialog, number)->click();
        EXPECT_EQ(dialog.answer(), number);
        EXPECT_FALSE(dialog.isVisible());
    }
    toAbortProcess closed(texts);
    closed.show();
    EXPECT_TRUE(closed.close());
    EXPECT_EQ(closed.answer(), 0);
    toAbortProcess escaped(texts);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.answer(), 0);
}

// The dialog on top when the prompt's nested loop runs, handled by the given action.
void whenShown(const std::function<void(QDialog&)>& action) {
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            action(*dialog);
    });
}

TEST_F(RecoveryDialogsTest, TheQtPromptsAskModallyAndSkipWhenTheQuestionIsEndedOtherwise) {
    QtRecoveryPrompts prompts(texts);
    whenShown([](QDialog& dialog) { button(dialog, 10)->click(); });
    EXPECT_EQ(prompts.askAboutExistingFile(path), 10);
    whenShown([](QDialog& dialog) { dialog.done(QDialog::Rejected); });
    EXPECT_EQ(prompts.askAboutExistingFile(path), 2);
    whenShown([](QDialog& dialog) { button(dialog, 1)->click(); });
    EXPECT_EQ(prompts.askToAbort(), 1);
    whenShown([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(prompts.askToAbort(), 0);
}

}  // namespace
}  // namespace quorvex
