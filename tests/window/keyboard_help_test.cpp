// The help file tells how to play from the keyboard, in a section the contents link to.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString helpHtml() {
    QFile file(QDir(qEnvironmentVariable("QUILLAN_ASSETS")).filePath("felton.hlp"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(KeyboardHelp, TheKeyboardSectionIsLinkedFromTheContentsAndNamesEveryKey) {
    const QString html = helpHtml();
    ASSERT_FALSE(html.isEmpty());
    EXPECT_TRUE(html.contains(R"(<a href="#keyboard">)"));
    const qsizetype at = html.indexOf(R"(<a name="keyboard"></a>Keyboard</h2>)");
    ASSERT_GE(at, 0);
    const QString section = html.mid(at, html.indexOf("</table>", at) - at);
    for (const char* key : {"1", "5", "Enter", "Space", "D", "R", "Left", "Right", "Home", "End",
                            "K", "Ctrl+Q", "F1", "Escape"}) {
        EXPECT_TRUE(section.contains(QStringLiteral("<b>%1</b>").arg(QLatin1String(key)))) << key;
    }
}
