// A background picture of any bytes chosen from the menu: nothing crashes, no error box is
// shown, and the table keeps a picture and a usable size. The first input byte picks the
// file's extension (.jpg, .gif, .bmp, .png), the rest is the file.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/frm_main.h"
#include "fuzz_target.h"
#include "qt_app.h"
#include "support/fake_platform.h"
#include "table/picture_ratio_rules.h"
#include "table/table_canvas.h"

using namespace quillan;

namespace {

constexpr const char* kNames[] = {"fuzz.jpg", "fuzz.gif", "fuzz.bmp", "fuzz.png"};

struct Table {
    QTemporaryDir dir;
    test::FakePlatform platform{dir.path()};
    std::unique_ptr<FrmMain> window;
    Table() {
        QDir().mkpath(dir.path() + QStringLiteral("/pics"));
        platform.settings = {{"isPoker", "False"},
                             {"prfSound", "False"},
                             {"prfAnimation", "False"},
                             {"prfAnimationDelay", "0"}};
        window = std::make_unique<FrmMain>(platform);
        window->Form_Load();
    }
};

Table& table() {
    return fuzz::lasting<Table>();
}

// `marked` adds the comment of a picture drawn at twice its size (kept by JPEG and PNG).
std::string encoded(const char* format, bool marked = false) {
    QImage image(24, 18, QImage::Format_RGB32);
    if (marked) {
        image.setText(QString::fromLatin1(kPictureRatioKey), QStringLiteral("2"));
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 10, y * 12, (x + y) * 6));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::application();
    table();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::application();
    Table& t = table();
    const char* name = kNames[size == 0 ? 0 : data[0] % 4];
    {
        QFile file(t.dir.path() + QStringLiteral("/pics/") + QString::fromLatin1(name));
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write input");
        if (size > 1) {
            file.write(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
        }
    }
    t.window->LoadBackGroundPic(QString::fromLatin1(name));
    QCoreApplication::processEvents();
    fuzz::require(t.platform.messages.isEmpty(), "loading a picture showed an error box");
    fuzz::require(!t.window->table.thePic.isNull(), "the table lost its picture");
    const QSize size2 = t.window->ui.table->tableSize();
    fuzz::require(size2.width() > 0 && size2.height() > 0, "the table has no size");
    return 0;
}

std::vector<std::string> quillan::fuzz::seeds() {
    // The smallest GIF: one transparent pixel.
    const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04"
                          "\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                          "D\x01\x00;",
                          43);
    // The same with a comment block saying it is drawn at twice its size.
    const std::string markedGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                                "!\xfe\x14QuillanPixelRatio: 2\x00!\xf9\x04\x01\x00\x00\x00\x00,"
                                "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                                "D\x01\x00;",
                                67);
    return {std::string(1, '\0') + encoded("JPG"),       std::string(1, '\1') + gif,
            std::string(1, '\2') + encoded("BMP"),       std::string(1, '\3') + encoded("PNG"),
            std::string(1, '\0') + encoded("JPG", true), std::string(1, '\1') + markedGif};
}
