// The "Card Backs" tab: the thirteen designs and the pictures in \pics\backs\, the preview,
// and the back Save gives the game on the table.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPainter>

#include "app/frm_main.h"
#include "prefs/frm_preferences.h"
#include "prefs/prefs_choice_rules.h"
#include "table/card_back_painter.h"
#include "table/program_files.h"

namespace quillan {

namespace {

// The back of the game on the table, and where Save puts a new one.
struct GameBackRefs {
    int32& design;
    int16& isCustom;
    std::string& customName;
};

GameBackRefs currentGameBackRefs(Settings& s) {
    if (isSet(s.isPoker)) {
        return {s.prfPKBackFace, s.prfIsPKCustomCardBack, s.prfPKCustomBackFace};
    }
    return {s.prfQNBackFace, s.prfIsQNCustomCardBack, s.prfQNCustomBackFace};
}

// The picture of a custom back file, or a null picture when it is missing or unreadable.
QPixmap loadBackPicture(const QString& path) {
    QPixmap picture;
    if (FileExists(path) && !picture.load(path)) {
        picture = QPixmap();
    }
    return picture;
}

} // namespace

QString FrmPreferences::backsFolder() const {
    return programFilePath(main_.programFolder(), QStringLiteral("\\pics\\backs"));
}

void FrmPreferences::fillBackList() {
    const QSize preview(main_.cards.cWidth + 2, main_.cards.cHeight + 2);
    c.picBacks->setFixedSize(preview);
    const QStringList files = QDir(backsFolder()).entryList(QDir::Files, QDir::Name);
    c.Combo1->addItems(files);
    c.Combo1->setCurrentIndex(-1);
}

void FrmPreferences::selectCurrentBack() {
    const GameBackRefs back = currentGameBackRefs(main_.settings);
    if (!isSet(back.isCustom)) {
        const int position = back.design - kFirstBackDesign;
        c.Combo1->setCurrentIndex(position >= 0 && position < kBackDesignCount ? position : -1);
        return;
    }
    const QString name = QString::fromStdString(back.customName);
    for (int i = kBackDesignCount; i < c.Combo1->count(); ++i) {
        if (c.Combo1->itemText(i) == name) {
            c.Combo1->setCurrentIndex(i);
            showPreviewPicture(name);
            return;
        }
    }
}

void FrmPreferences::Combo1_Click() {
    main_.trap("Combo1_Click", [&] {
        const int i = c.Combo1->currentIndex();
        if (i >= kBackDesignCount) {
            showPreviewPicture(c.Combo1->itemText(i));
        } else if (i >= 0) {
            showPreviewDesign(kFirstBackDesign + i);
        }
    });
}

void FrmPreferences::showPreviewDesign(int design) {
    QPixmap preview(c.picBacks->size() * devicePixelRatioF());
    preview.setDevicePixelRatio(devicePixelRatioF());
    preview.fill(Qt::transparent);
    {
        QPainter painter(&preview);
        const CardBackPainter back(main_.cardLibrary(), design, nullptr,
                                   QSize(main_.cards.cWidth, main_.cards.cHeight));
        back.draw(painter, 1, 1);
    }
    c.picBacks->setPixmap(preview);
}

// A picture that cannot be shown leaves the preview empty rather than showing the last one.
void FrmPreferences::showPreviewPicture(const QString& fileName) {
    const QPixmap picture =
        fileName.isEmpty() ? QPixmap() : loadBackPicture(backsFolder() + '/' + fileName);
    if (picture.isNull()) {
        c.picBacks->clear();
        return;
    }
    QPixmap preview(c.picBacks->size() * devicePixelRatioF());
    preview.setDevicePixelRatio(devicePixelRatioF());
    preview.fill(Qt::transparent);
    {
        QPainter painter(&preview);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(1, 1, main_.cards.cWidth, main_.cards.cHeight), picture);
    }
    c.picBacks->setPixmap(preview);
}

// A custom picture that cannot be loaded is not taken: the game keeps the back it has,
// so the table never shows an empty card or the other game's picture.
void FrmPreferences::saveBack() {
    const int i = c.Combo1->currentIndex();
    GameBackRefs back = currentGameBackRefs(main_.settings);
    const std::optional<GameBack> chosen =
        backForChoice(i, i >= 0 ? c.Combo1->itemText(i).toStdString() : std::string(),
                      GameBack{back.design, back.isCustom, back.customName});
    if (!chosen) {
        return;
    }
    if (isSet(chosen->isCustom)) {
        const QPixmap picture =
            loadBackPicture(backsFolder() + '/' + QString::fromStdString(chosen->customName));
        if (picture.isNull()) {
            return;
        }
        main_.table.picCustomBack = picture;
    }
    back.design = chosen->design;
    back.isCustom = chosen->isCustom;
    back.customName = chosen->customName;
    main_.DrawDealDeck();
}

} // namespace quillan
