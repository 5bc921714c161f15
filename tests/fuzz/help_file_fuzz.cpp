// The help viewer opening a help file of any bytes: nothing crashes or hangs, an empty file
// is named as missing and any other file is shown.
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "extras/help_viewer.h"
#include "fuzz_target.h"
#include "qt_app.h"

using namespace quillan;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::application();
    static const QTemporaryDir dir;
    HelpViewer& viewer = fuzz::lasting<HelpViewer>();
    const QString path = dir.path() + QStringLiteral("/felton.hlp");
    {
        QFile file(path);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write input");
        file.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    viewer.showContents(path);
    QCoreApplication::processEvents();
    fuzz::require(viewer.showsMissingFile() == (size == 0), "a help file was taken as missing");
    return 0;
}

std::vector<std::string> quillan::fuzz::seeds() {
    QFile help(QStringLiteral(QUILLAN_SOURCE_DIR "/tools/help/felton.html"));
    const std::string whole = help.open(QIODevice::ReadOnly) ? help.readAll().toStdString() : "";
    return {whole.substr(0, 4000), whole.substr(whole.size() / 2, 4000),
            "<html><head><title>t</title></head><body><a name=\"contents\">c</a>"
            "<img src=\"missing.png\"><table><tr><td>x</td></tr></table></body></html>"};
}
