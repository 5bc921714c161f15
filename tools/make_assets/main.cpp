// make_assets: generates the media shipped beside the program.
//   make_assets sheet <out.png> [ratio]     card contact sheet
//   make_assets pictures <folder>           backgrounds (pics/) and custom backs (pics/backs/)
//   make_assets sounds <folder> [speech]    sound cues; speech holds recorded voice cues
//   make_assets icons <folder>              the program's icon, SVG and PNG, in hicolor/
#include <QGuiApplication>
#include <QTextStream>

#include "make_assets/app_icon.h"
#include "make_assets/contact_sheet.h"
#include "make_assets/pictures.h"
#include "make_assets/sounds.h"

namespace {

int usage() {
    QTextStream(stderr) << "usage: make_assets sheet <out.png> [ratio] | pictures <folder> | "
                           "sounds <folder> [speech folder] | icons <folder>\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        return usage();
    }
    const QString& command = args[1];
    if (command == QLatin1String("sheet")) {
        const qreal ratio = args.size() > 3 ? args[3].toDouble() : 2.0;
        return make_assets::contactSheet(ratio > 0 ? ratio : 2.0).save(args[2]) ? 0 : 1;
    }
    if (command == QLatin1String("pictures")) {
        return make_assets::writePictures(args[2]) ? 0 : 1;
    }
    if (command == QLatin1String("sounds")) {
        return make_assets::writeSounds(args[2], args.size() > 3 ? args[3] : QString()) ? 0 : 1;
    }
    if (command == QLatin1String("icons")) {
        return make_assets::writeIcons(args[2]) ? 0 : 1;
    }
    return usage();
}
