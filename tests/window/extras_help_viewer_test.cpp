// The help window: the shipped help file opened at its contents page, and a plain message
// naming the file when it is missing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "extras/help_viewer.h"

using namespace quillan;

namespace {

QString shippedHelp() {
    return QDir(qEnvironmentVariable("QUILLAN_ASSETS")).filePath("felton.hlp");
}

} // namespace

TEST(ExtrasHelpViewer, OpensTheShippedHelpFileAtItsContentsPage) {
    ASSERT_TRUE(QFile::exists(shippedHelp())) << shippedHelp().toStdString();
    HelpViewer viewer;
    viewer.showContents(shippedHelp());
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_FALSE(viewer.showsMissingFile());
    EXPECT_EQ(viewer.browser()->source().fragment(), "contents");
    EXPECT_EQ(viewer.browser()->source().toLocalFile(),
              QFileInfo(shippedHelp()).absoluteFilePath());
    const QString text = viewer.browser()->toPlainText();
    EXPECT_TRUE(text.contains("Contents"));
    EXPECT_TRUE(text.contains("Peeking at the computer's hand"));
    EXPECT_FALSE(text.contains("<h2>")) << "the .hlp file is shown as HTML, not as text";
}

TEST(ExtrasHelpViewer, AMissingHelpFileIsNamedAndTheFileIsShownOnceItIsBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath("felton.hlp");
    HelpViewer viewer;
    viewer.showContents(path);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.showsMissingFile());
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QDir::toNativeSeparators(path)));

    ASSERT_TRUE(QFile::copy(shippedHelp(), path));
    viewer.showContents(path);
    EXPECT_FALSE(viewer.showsMissingFile());
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("Peeking at the computer's hand"));
}
