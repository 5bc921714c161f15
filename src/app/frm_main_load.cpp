// Start-up, loading and closing the main window, and the settings it reads and writes.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "app/frm_main.h"
#include "app/settings_rules.h"
#include "app/text_number_rules.h"
#include "cards/deal_rules.h"
#include "common/rounding.h"
#include "stats/statistics_recorder.h"
#include "table/bank_credit.h"
#include "table/program_files.h"

namespace quillan {

void FrmMain::GetCardHeight() {
    trap("GetCardHeight", [&] {
        if (!loaded_) {
            Form_Load();
        }
        if (platform_.readSetting(QStringLiteral("path"), QStringLiteral("True")) ==
            QStringLiteral("True")) {
            QDir::setCurrent(programFolder());
            cardLibrary_.cdtInit(cards.cWidth, cards.cHeight);
        }
    });
}

void FrmMain::Form_Load() {
    loaded_ = true;
    trap("Form_Load", [&] {
        QDir::setCurrent(programFolder());
        cardLibrary_.cdtInit(cards.cWidth, cards.cHeight);
        loadSettings();
        loadTablePicture(QString::fromStdString(
            isSet(settings.isPoker) ? settings.prfPKBackground : settings.prfQNBackground));
        readScoreFile();
        statistics->load();
        setCardGeometry();
        table.needAnimCalibration = toFlag(settings.prfAnimationDelay < 0);
        colourOutlineShapes();
        FirstInit();
        if (isSet(table.needAnimCalibration)) {
            InitAnimDelay();
        }
    });
}

void FrmMain::loadSettings() {
    settings = readSettings([this](const std::string& key, const std::string& def) {
        return platform_.readSetting(QString::fromStdString(key), QString::fromStdString(def))
            .toStdString();
    });
    loadCustomBacks();
    settings.prfMouseRightLeft = mouseRightLeftFromText(
        platform_
            .registryRead(QStringLiteral("HKCU"), QStringLiteral("Control Panel\\Mouse"),
                          QStringLiteral("SwapMouseButtons"), QStringLiteral("S"),
                          QStringLiteral("0"))
            .toStdString());
}

// The Gin Rummy picture first, then the Video Poker one, into the one holder.
void FrmMain::loadCustomBacks() {
    const QString backs = programFolder() + QStringLiteral("/pics/backs/");
    const auto load = [&](int16 flag, const std::string& name) {
        const QString path = backs + QString::fromStdString(name);
        if (isSet(flag) && !name.empty() && FileExists(path)) {
            QPixmap picture;
            if (picture.load(path)) {
                table.picCustomBack = picture;
            }
        }
    };
    load(settings.prfIsQNCustomCardBack, settings.prfQNCustomBackFace);
    load(settings.prfIsPKCustomCardBack, settings.prfPKCustomBackFace);
}

void FrmMain::setCardGeometry() {
    cards.cardSpacing = cardSpacingFor(settings.prfCardSpace, cards.cWidth);
    cards.handTop = checked16(roundToInt(cards.cHeight * 0.2));
}

void FrmMain::FirstInit() {
    trap("FirstInit", [&] {
        layoutTable();
        banks.prfComputerBank = 0;
        banks.prfPlayerBank = 0;
        fillBackgroundMenu();
        const bool hidden = isSet(settings.prfShowHide);
        menus.mnuShowComputerHand->setText(hidden ? QStringLiteral("Show Hand")
                                                  : QStringLiteral("Hide Hand"));
        if (!isSet(settings.isPoker)) {
            menus.mnuPeek->setEnabled(hidden);
        }
        if (!isSet(kept.firstInitDone)) {
            kept.firstInitDone = kTrue;
            shuffleCards();
            if (isSet(settings.isPoker)) {
                mnuPoker_Click();
            } else {
                mnuPlayRummy_Click();
            }
        }
    });
}

void FrmMain::applyHideDesktop() {
    trap("applyHideDesktop", [&] {
        settings.prfHideDesktop = flagFromText(
            platform_.readSetting(QStringLiteral("prfHideDesktop"), QStringLiteral("False"))
                .toStdString());
        if (isSet(settings.prfHideDesktop)) {
            menus.mnuHide->setText(QStringLiteral("Show Desktop"));
            showDesktopCover();
        }
    });
}

void FrmMain::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    ui.Timer1->stop();
    // Each step has its own trap, so a fault in one still lets the settings be saved.
    trap("Form_Unload", [&] { cardLibrary_.cdtTerm(); });
    trap("Form_Unload", [&] {
        settings.prfvidPokMoney = int16FromLabelText(ui.pklblWinnings->text().toStdString());
    });
    trap("Form_Unload", [&] { saveSettings(); });
    trap("Form_Unload", [&] { creditHandScore(*this); }); // a hand won just before leaving
    trap("Form_Unload", [&] { RecordTopScores(); });
    if (endProgram) {
        endProgram();
    }
}

void FrmMain::saveSettings() {
    for (const auto& [key, text] : settingsToWrite(settings)) {
        platform_.writeSetting(QString::fromStdString(key), QString::fromStdString(text));
    }
}

} // namespace quillan
