// The four tabs of the Preferences dialog and the buttons below them.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "prefs/frm_preferences.h"
#include "prefs/prefs_choice_rules.h"
#include "prefs/prefs_speed_rules.h"

namespace quillan {

namespace {

// A tab page whose rows stack from the top.
QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    return layout;
}

} // namespace

QWidget* FrmPreferences::buildGeneralTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);
    c.ckSounds = new QCheckBox(QStringLiteral("Enable sounds"));
    c.ckAnimation = new QCheckBox(QStringLiteral("Enable animation"));
    layout->addWidget(c.ckSounds);
    layout->addWidget(c.ckAnimation);
    auto* spacing = new QHBoxLayout;
    c.txtSpacer = new QLineEdit(QStringLiteral("20"));
    c.txtSpacer->setFixedWidth(48);
    spacing->addWidget(c.txtSpacer);
    spacing->addWidget(new QLabel(QStringLiteral("Card Spacing (pixels)")));
    spacing->addStretch();
    layout->addLayout(spacing);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Animation Speed")));
    // The legend's two words sit under the two ends of the scroll bar.
    auto* legend = new QLabel(QStringLiteral("Slower                      Faster"));
    c.HScroll1 = new QScrollBar(Qt::Horizontal);
    c.HScroll1->setRange(0, kSpeedSliderMax);
    c.HScroll1->setSingleStep(10);
    c.HScroll1->setPageStep(100);
    c.HScroll1->setFixedWidth(legend->sizeHint().width());
    c.Label4 = new QLabel(QStringLiteral("100"));
    c.Label4->setMinimumWidth(c.Label4->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    auto* speed = new QGridLayout;
    speed->setHorizontalSpacing(12);
    speed->addWidget(c.HScroll1, 0, 0);
    speed->addWidget(c.Label4, 0, 1);
    speed->addWidget(legend, 1, 0);
    speed->setColumnStretch(2, 1);
    layout->addLayout(speed);
    layout->addStretch();
    return page;
}

QWidget* FrmPreferences::buildPokerTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);
    auto* colour = new QHBoxLayout;
    c.lblColor = new QLabel;
    c.lblColor->setFixedSize(40, 22);
    c.lblColor->setFrameShape(QFrame::Box);
    c.lblColor->setAutoFillBackground(true);
    colour->addWidget(c.lblColor);
    colour->addWidget(new QLabel(QStringLiteral("Hold  Card Outline color")));
    c.cmdChangeColor = new QPushButton(QStringLiteral("change"));
    colour->addWidget(c.cmdChangeColor);
    colour->addStretch();
    layout->addLayout(colour);
    c.ckprfAutoDeal = new QCheckBox(QStringLiteral("Auto Deal"));
    layout->addWidget(c.ckprfAutoDeal);
    auto* advisor = new QWidget; // its own parent keeps the two buttons one group
    auto* advisorLayout = new QVBoxLayout(advisor);
    advisorLayout->setContentsMargins(0, 0, 0, 0);
    c.opAlwaysShow = new QRadioButton(QStringLiteral("Always Show Best Play "));
    c.opShowOnError = new QRadioButton(QStringLiteral("Show Best Play after Error"));
    advisorLayout->addWidget(c.opAlwaysShow);
    advisorLayout->addWidget(c.opShowOnError);
    layout->addWidget(advisor);
    layout->addStretch();
    return page;
}

QWidget* FrmPreferences::buildRummyTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);
    c.ckAutoSort = new QCheckBox(QStringLiteral("Auto sort by rank "));
    c.ckQNScores = new QCheckBox(QStringLiteral("Show Scores on screen"));
    layout->addWidget(c.ckAutoSort);
    layout->addWidget(c.ckQNScores);
    auto* frame = new QGroupBox(QStringLiteral("Game Variations"));
    auto* variants = new QVBoxLayout(frame);
    c.OpOklahoma = new QRadioButton(QStringLiteral("Oklahoma "));
    c.OpStandard = new QRadioButton(QStringLiteral("Standard "));
    c.OpQN = new QRadioButton(QStringLiteral("Simple"));
    for (QRadioButton* b : {c.OpOklahoma, c.OpStandard, c.OpQN}) {
        variants->addWidget(b);
    }
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget* FrmPreferences::buildBacksTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Select Card Image")));
    auto* row = new QHBoxLayout;
    c.Combo1 = new QComboBox;
    c.Combo1->setMinimumContentsLength(14);
    c.Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string_view name : kBackDesignNames) {
        c.Combo1->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    row->addWidget(c.Combo1, 0, Qt::AlignTop);
    c.picBacks = new QLabel;
    c.picBacks->setFrameShape(QFrame::NoFrame);
    row->addSpacing(16);
    row->addWidget(c.picBacks, 0, Qt::AlignTop);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

} // namespace quillan
