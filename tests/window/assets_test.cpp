// The media shipped beside the program: backgrounds, custom backs, sound cues and the help
// file. CTest points QUILLAN_ASSETS at the repository's assets folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextDocument>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>

#include "table/picture_ratio_rules.h"

namespace {

QDir assets() {
    return QDir(qEnvironmentVariable("QUILLAN_ASSETS"));
}

QStringList filesIn(const QString& sub) {
    return QDir(assets().filePath(sub)).entryList(QDir::Files, QDir::Name);
}

struct Sound {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples; // first channel
    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// An independent reader: walks the RIFF chunks and keeps the first channel.
std::optional<Sound> readPcm(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    const auto* u = reinterpret_cast<const uchar*>(b.constData());
    Sound s;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(u + at + 4));
        if (at + 8 + size > b.size()) {
            return std::nullopt;
        }
        if (b.mid(at, 4) == "fmt ") {
            if (qFromLittleEndian<quint16>(u + at + 8) != 1) {
                return std::nullopt; // not PCM
            }
            s.channels = qFromLittleEndian<quint16>(u + at + 10);
            s.rate = static_cast<int>(qFromLittleEndian<quint32>(u + at + 12));
            s.bits = qFromLittleEndian<quint16>(u + at + 22);
        } else if (b.mid(at, 4) == "data" && s.bits == 16 && s.channels > 0) {
            for (qsizetype i = at + 8; i + 2 * s.channels <= at + 8 + size; i += 2 * s.channels) {
                s.samples.push_back(qFromLittleEndian<qint16>(u + i));
            }
            return s;
        }
        at += 8 + size + (size % 2);
    }
    return std::nullopt;
}

double loudestStretchDb(const Sound& s) {
    const std::size_t window = std::min<std::size_t>(s.rate / 20, s.samples.size());
    double sum = 0;
    double best = 0;
    for (std::size_t i = 0; i < s.samples.size(); ++i) {
        sum += double(s.samples[i]) * s.samples[i];
        if (i >= window) {
            sum -= double(s.samples[i - window]) * s.samples[i - window];
        }
        best = std::max(best, sum);
    }
    return 20.0 * std::log10(std::sqrt(best / double(window)) / 32768.0);
}

const QStringList kCues{"deal.wav",      "drop.wav",  "peek.wav",      "beach.wav",
                        "wolf.wav",      "bird.wav",  "pokerwin1.wav", "pokerwin2.wav",
                        "pokerwin3.wav", "wrong.wav", "wrong2.wav",    "wrong3.wav",
                        "ohdear.wav",    "doh.wav",   "lost1.wav",     "lost2.wav"};

TEST(AssetsTest, FolderIsKnown) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("QUILLAN_ASSETS"));
    EXPECT_TRUE(assets().exists());
}

TEST(AssetsTest, BackgroundsAreTheNamedTablePictures) {
    const QStringList pics = filesIn("pics");
    EXPECT_LE(pics.size(), 21) << "only 21 fit the background menu";
    for (const char* name :
         {"vangogh.jpg", "vpwood.jpg", "beach.gif", "beach2.jpg", "qnwood.jpg", "winter.jpg"}) {
        EXPECT_TRUE(pics.contains(QLatin1String(name))) << name;
    }
    EXPECT_GE(pics.size(), 8);
    EXPECT_GE(pics.filter(QRegularExpression("^vpw")).size(), 2);
    for (const QString& name : pics) {
        QImageReader reader(assets().filePath("pics/" + name));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << name.toStdString() << ": " << reader.errorString().toStdString();
        // Drawn at twice the table's 800 x 600 and marked so, for a sharp table when it is
        // drawn larger.
        EXPECT_EQ(image.size(), QSize(1600, 1200)) << name.toStdString();
        QFile file(assets().filePath("pics/" + name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(qint64(quillan::kPictureHeadBytes));
        EXPECT_EQ(quillan::markedPictureRatio(
                      {reinterpret_cast<const uchar*>(head.constData()), std::size_t(head.size())}),
                  2)
            << name.toStdString();
        // A painted picture, not a flat fill.
        EXPECT_NE(image.pixel(200, 200), image.pixel(1400, 1000)) << name.toStdString();
    }
    QImageReader gif(assets().filePath("pics/beach.gif"));
    EXPECT_EQ(gif.format(), QByteArray("gif"));
}

TEST(AssetsTest, CustomBacksAreCardShapedPictures) {
    const QStringList backs = filesIn("pics/backs");
    EXPECT_GE(backs.size(), 2);
    EXPECT_LE(backs.size(), 3);
    for (const QString& name : backs) {
        const QImage image(assets().filePath("pics/backs/" + name));
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_NEAR(double(image.width()) / image.height(), 71.0 / 96.0, 0.03)
            << name.toStdString();
    }
}

TEST(AssetsTest, EverySoundCueIsShortLevelled16BitPcm) {
    std::vector<double> levels;
    for (const QString& name : kCues) {
        SCOPED_TRACE(name.toStdString());
        const auto sound = readPcm(assets().filePath("wavs/" + name));
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->bits, 16);
        EXPECT_GE(sound->rate, 8000);
        EXPECT_LE(sound->rate, 48000);
        EXPECT_GT(sound->seconds(), 0.02);
        EXPECT_LT(sound->seconds(), 4.0);
        const auto peak =
            std::ranges::max(sound->samples, {}, [](qint16 v) { return std::abs(int(v)); });
        EXPECT_LT(std::abs(int(peak)), 32767) << "clipped";
        levels.push_back(loudestStretchDb(*sound));
    }
    ASSERT_EQ(levels.size(), std::size_t(kCues.size()));
    const auto [quietest, loudest] = std::ranges::minmax(levels);
    EXPECT_LT(loudest - quietest, 4.0) << "cues differ in loudness";
    EXPECT_GT(quietest, -20.0);
}

TEST(AssetsTest, CardSoundsNeverOutlastTheAnimation) {
    for (const char* name : {"deal.wav", "drop.wav"}) {
        const auto sound = readPcm(assets().filePath(QStringLiteral("wavs/") + name));
        ASSERT_TRUE(sound.has_value()) << name;
        EXPECT_LT(sound->seconds(), 0.150) << name;
    }
}

TEST(AssetsTest, NoStrayFilesAmongTheSounds) {
    const QSet<QString> expected(kCues.begin(), kCues.end());
    for (const QString& name : filesIn("wavs")) {
        EXPECT_TRUE(expected.contains(name)) << name.toStdString();
    }
}

// The program's small icons (desktop/icons, beside assets/) are drawn for their size: a few
// flat colours with edges on the pixel grid, not a shrunken picture gone to mud.
TEST(AssetsTest, SmallIconsAreFewBoldShapesOnThePixelGrid) {
    for (const int size : {16, 22, 24}) {
        SCOPED_TRACE(size);
        const QImage icon(assets().filePath(
            QStringLiteral("../desktop/icons/hicolor/%1x%1/apps/io.github.quillan.Quillan.png")
                .arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        QSet<QRgb> colours;
        int partlyClear = 0;
        int red = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb c = icon.pixel(x, y);
                colours.insert(c);
                partlyClear += qAlpha(c) > 0 && qAlpha(c) < 255;
                red += qAlpha(c) == 255 && qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        }
        EXPECT_LT(colours.size(), 64);
        EXPECT_LT(partlyClear, 2 * size) << "soft edges";
        EXPECT_GT(red, size * size / 16) << "the heart is too small to see";
    }
}

QString helpText() {
    QFile file(assets().filePath("felton.hlp"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(file.readAll());
    return utf8.hasError() ? QString() : text;
}

TEST(AssetsTest, HelpOpensAtItsContentsAndEveryLinkLands) {
    const QString html = helpText();
    ASSERT_FALSE(html.isEmpty()) << "missing or not UTF-8";
    QSet<QString> anchors;
    for (const auto& m : QRegularExpression(R"re(<a name="([^"]+)")re").globalMatch(html)) {
        anchors.insert(m.captured(1));
    }
    int links = 0;
    for (const auto& m : QRegularExpression(R"re(<a href="#([^"]+)")re").globalMatch(html)) {
        EXPECT_TRUE(anchors.contains(m.captured(1))) << m.captured(1).toStdString();
        ++links;
    }
    EXPECT_GE(links, 10);
    QTextDocument doc;
    doc.setHtml(html);
    const QString plain = doc.toPlainText();
    EXPECT_LT(plain.indexOf("Contents"), 300) << "contents are not at the top";
}

TEST(AssetsTest, HelpCarriesTheRulesAndPayTable) {
    QTextDocument doc;
    doc.setHtml(helpText());
    const QString plain = doc.toPlainText();
    for (const char* fact : {"Simple",
                             "Standard",
                             "Oklahoma",
                             "Gin Bonus of 25",
                             "Undercut Penalty of 25",
                             "Knock before you discard",
                             "Sort by Rank",
                             "Peek",
                             "4000",
                             "250",
                             "125",
                             "45",
                             "30",
                             "20",
                             "15",
                             "10",
                             "Always Show Best Play",
                             "Show Best Play after Error",
                             "Card Spacing",
                             "Hide Desktop"}) {
        EXPECT_TRUE(plain.contains(QLatin1String(fact))) << fact;
    }
}

// The help tells a player of an installed copy where the scores really are, written the way
// the desktop writes paths, and does not promise the hand's gaps mark its melds.
TEST(AssetsTest, HelpSaysWhereTheFilesAreKeptAndWhatTheGapsMean) {
    QTextDocument doc;
    doc.setHtml(helpText());
    const QString plain = doc.toPlainText();
    for (const char* fact :
         {"~/.local/share/Quillan/", "stats.dat", "statistics.txt", "bug.txt",
          "~/.config/Quillan/Quillan.ini", "pics/backs/", "after every three cards"}) {
        EXPECT_TRUE(plain.contains(QLatin1String(fact))) << fact;
    }
    EXPECT_FALSE(plain.contains('\\')) << "a path with backslashes";
    EXPECT_FALSE(plain.contains("bug.txt in the program folder"));
    EXPECT_FALSE(plain.contains("gaps between the groups of cards that form melds"));
    EXPECT_TRUE(helpText().contains(R"(<a href="#files">)"));
}

} // namespace
