#include <QDesktopServices>
#include <QUrl>
#include <gtest/gtest.h>

#include "DesktopShell.h"

namespace quorvex {
namespace {

// Receives what the desktop's URL opener would have been given.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST(DesktopShellTest, HandsTheWholeAddressToTheUrlOpener) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    DesktopShell shell;
    const std::string address = "https://example.org/faq/index.php?from=qvx&l=2";
    EXPECT_TRUE(shell.openWebAddress(address));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front().toString().toStdString(), address);
    QDesktopServices::unsetUrlHandler("https");
}

TEST(DesktopShellTest, RefusesTextThatIsNoAddress) {
    DesktopShell shell;
    EXPECT_FALSE(shell.openWebAddress(""));
    EXPECT_FALSE(shell.openWebAddress("\"; rm -rf ~; \""));
}

}  // namespace
}  // namespace quorvex

#include "DesktopShellTest.moc"
