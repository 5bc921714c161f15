#include "make_assets/pictures.h"

#include <QDir>
#include <QImage>
#include <QTextStream>
#include <functional>
#include <utility>
#include <vector>

#include "make_assets/backgrounds.h"
#include "table/picture_ratio_rules.h"

namespace make_assets {
namespace {

// A picture drawn at more than one pixel per logical pixel says so in the file's comment,
// which the table reads to size itself (the script carries it over into GIF files).
bool save(QImage image, const QString& path) {
    const bool gif = path.endsWith(QLatin1String(".gif"));
    const QString target = gif ? path + QStringLiteral(".png") : path;
    if (image.devicePixelRatio() > 1.0) {
        image.setText(QString::fromLatin1(quillan::kPictureRatioKey),
                      QString::number(image.devicePixelRatio()));
    }
    const bool ok = image.save(target, nullptr, gif ? -1 : 90);
    if (!ok) {
        QTextStream(stderr) << "cannot write " << target << '\n';
    }
    return ok;
}

} // namespace

bool writePictures(const QString& folder) {
    const QDir root(folder);
    if (!root.mkpath(QStringLiteral("pics/backs"))) {
        return false;
    }
    const std::vector<std::pair<QString, std::function<QImage()>>> pictures{
        {QStringLiteral("pics/vangogh.jpg"), starryNight},
        {QStringLiteral("pics/winter.jpg"), winterWood},
        {QStringLiteral("pics/beach.gif"), sunnyBeach},
        {QStringLiteral("pics/beach2.jpg"), sunsetBeach},
        {QStringLiteral("pics/qnwood.jpg"), oakTable},
        {QStringLiteral("pics/felt.jpg"), greenBaize},
        {QStringLiteral("pics/marble.jpg"), marble},
        {QStringLiteral("pics/vpwood.jpg"), pokerWood},
        {QStringLiteral("pics/vpwblue.jpg"), pokerBlue},
        {QStringLiteral("pics/vpwcasino.jpg"), pokerCasino},
        {QStringLiteral("pics/backs/compass.jpg"), compassBack},
        {QStringLiteral("pics/backs/sunburst.jpg"), sunburstBack},
        {QStringLiteral("pics/backs/mosaic.jpg"), mosaicBack},
    };
    bool ok = true;
    for (const auto& [name, paint] : pictures) {
        ok = save(paint(), root.filePath(name)) && ok;
    }
    return ok;
}

} // namespace make_assets
