// The Preferences dialog: opening it from the settings, the controls that act at once, and
// Save and Cancel.
#include "prefs/frm_preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/frm_main.h"
#include "prefs/ole_colour.h"
#include "prefs/prefs_choice_rules.h"
#include "prefs/prefs_spacing_rules.h"
#include "prefs/prefs_speed_rules.h"

namespace quillan {

namespace {

const QString kSpacingMessage =
    QStringLiteral("Card space data should be a number between 10 and 40");

int16 flagOf(const QAbstractButton* button) {
    return toFlag(button->isChecked());
}

} // namespace

FrmPreferences::FrmPreferences(FrmMain& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    c.tabs = new QTabWidget;
    c.tabs->setUsesScrollButtons(false); // every tab caption in full
    c.tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    c.tabs->addTab(buildPokerTab(), QStringLiteral("Video Poker"));
    c.tabs->addTab(buildRummyTab(), QStringLiteral("Gin Rummy"));
    c.tabs->addTab(buildBacksTab(), QStringLiteral("Card Backs"));
    layout->addWidget(c.tabs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    c.cmdSave = new QPushButton(QStringLiteral("Save"));
    c.cmdSave->setDefault(true);
    c.cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    buttons->addWidget(c.cmdSave);
    buttons->addWidget(c.cmdCancel);
    layout->addLayout(buttons);
    connectHandlers();
    Form_Activate();
}

void FrmPreferences::connectHandlers() {
    connect(c.Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(c.HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(c.txtSpacer, &QLineEdit::textEdited, this, [this] { txtSpacer_KeyPress(); });
    connect(c.cmdChangeColor, &QPushButton::clicked, this, [this] { cmdChangeColor_Click(); });
    connect(c.cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(c.cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

// Every control from the settings. Moving the slider to prfScrollVal runs HScroll1_Change
// when that changes its position, so the delay and Label4 follow the stored position.
void FrmPreferences::Form_Activate() {
    main_.trap("Form_Activate", [&] {
        const Settings& s = main_.settings;
        c.HScroll1->setValue(s.prfScrollVal);
        c.ckprfAutoDeal->setChecked(isSet(s.prfPokerAutoDeal));
        c.ckAnimation->setChecked(isSet(s.prfAnimation));
        c.ckQNScores->setChecked(isSet(s.prfQNScores));
        c.ckSounds->setChecked(isSet(s.prfSound));
        c.ckAutoSort->setChecked(isSet(s.prfQNAutoSort));
        showColour(colourFromOle(s.prfCardOutlineColor));
        (isSet(s.prfShowPokerPlay) ? c.opAlwaysShow : c.opShowOnError)->setChecked(true);
        c.OpOklahoma->setChecked(isSet(s.prfOpOklahoma));
        c.OpStandard->setChecked(isSet(s.prfOpStandard));
        c.OpQN->setChecked(isSet(s.prfOpQN));
        if (s.prfCardSpace > 0) {
            c.txtSpacer->setText(QString::number(s.prfCardSpace));
        }
        fillBackList();
        selectCurrentBack();
    });
}

void FrmPreferences::HScroll1_Change() {
    main_.trap("HScroll1_Change", [&] {
        main_.settings.prfAnimationDelay = animationDelayForSlider(c.HScroll1->value());
        c.Label4->setText(QString::number(main_.settings.prfAnimationDelay));
    });
}

void FrmPreferences::txtSpacer_KeyPress() {
    main_.spaceChanged = kTrue;
}

void FrmPreferences::showColour(const QColor& colour) {
    QPalette palette = c.lblColor->palette();
    palette.setColor(QPalette::Window, colour);
    c.lblColor->setPalette(palette);
}

void FrmPreferences::cmdChangeColor_Click() {
    main_.trap("cmdChangeColor_Click", [&] {
        const std::optional<QColor> chosen =
            main_.platform().chooseColour(colourFromOle(main_.settings.prfCardOutlineColor));
        if (!chosen || !chosen->isValid()) {
            return; // cancelled: the colour stays
        }
        showColour(*chosen);
        main_.settings.prfCardOutlineColor = oleFromColour(*chosen);
        main_.colourOutlineShapes();
    });
}

void FrmPreferences::cmdSave_Click() {
    main_.trap("cmdSave_Click", [&] {
        if (!saveSpacing()) {
            return;
        }
        saveFlags();
        saveVariant();
        saveBack();
        main_.settings.prfScrollVal = static_cast<int16>(c.HScroll1->value());
        accept();
    });
}

void FrmPreferences::cmdCancel_Click() {
    reject();
}

// False when the box holds a number outside 10..40: the player is told, the box is emptied
// and given the focus, and nothing is saved. A box holding no number keeps the spacing.
bool FrmPreferences::saveSpacing() {
    const SpacingEntry entry = checkCardSpacing(c.txtSpacer->text().toStdString());
    switch (entry.kind) {
    case SpacingEntry::Kind::Keep:
        return true;
    case SpacingEntry::Kind::Accept:
        main_.settings.prfCardSpace = entry.spacing;
        return true;
    case SpacingEntry::Kind::Refuse:
        break;
    }
    main_.platform().messageBox(kSpacingMessage, FrmMain::programTitle());
    c.txtSpacer->clear();
    c.tabs->setCurrentIndex(0);
    c.txtSpacer->setFocus();
    return false;
}

void FrmPreferences::saveFlags() {
    Settings& s = main_.settings;
    s.prfPokerAutoDeal = flagOf(c.ckprfAutoDeal);
    s.prfShowPokerPlay = flagOf(c.opAlwaysShow);
    s.prfQNScores = flagOf(c.ckQNScores);
    s.prfAnimation = flagOf(c.ckAnimation);
    s.prfSound = flagOf(c.ckSounds);
    s.prfQNAutoSort = flagOf(c.ckAutoSort);
}

void FrmPreferences::saveVariant() {
    Variant chosen{};
    if (c.OpQN->isChecked()) {
        chosen = Variant::Simple;
    } else if (c.OpOklahoma->isChecked()) {
        chosen = Variant::Oklahoma;
    } else if (c.OpStandard->isChecked()) {
        chosen = Variant::Standard;
    } else {
        return; // none chosen (a store with every variant off): leave them as they are
    }
    const VariantFlags f = flagsForVariant(chosen, main_.rummy.MAXDEADWOOD);
    main_.settings.prfOpQN = f.prfOpQN;
    main_.settings.prfOpStandard = f.prfOpStandard;
    main_.settings.prfOpOklahoma = f.prfOpOklahoma;
    main_.rummy.MAXDEADWOOD = f.MAXDEADWOOD;
}

} // namespace quillan
