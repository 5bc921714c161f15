#include "scores/frm_play.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/frm_main.h"
#include "scores/score_name_rules.h"
#include "scores/score_table_rules.h"

namespace quillan {

namespace {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* closeButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Close"), parent);
    button->setDefault(true);
    return button;
}

} // namespace

FrmPlay::FrmPlay(FrmMain& main) : QDialog(&main), main_(main) {
    setWindowTitle(QStringLiteral("Top Scores"));
    auto* tabs = new QTabWidget(this);
    tabs->addTab(buildQuillanTab(), QStringLiteral("   Quillan   "));
    tabs->addTab(buildPokerTab(), QStringLiteral("   Video Poker   "));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    Form_Load();
}

QWidget* FrmPlay::buildQuillanTab() {
    auto* tab = new QWidget;
    auto* stakes = new QGroupBox(QStringLiteral("Stakes"), tab);
    opOne = new QRadioButton(QStringLiteral("1"), stakes);
    opFive = new QRadioButton(QStringLiteral("5"), stakes);
    opTen = new QRadioButton(QStringLiteral("10"), stakes);
    auto* stakeRow = new QHBoxLayout(stakes);
    for (QRadioButton* option : {opOne, opFive, opTen}) {
        stakeRow->addWidget(option);
    }
    auto* banks = new QGridLayout;
    lblPlayerBank = new QLabel(tab);
    lblComputerBank = new QLabel(tab);
    banks->addWidget(new QLabel(QStringLiteral("You"), tab), 0, 0);
    banks->addWidget(lblPlayerBank, 0, 1);
    banks->addWidget(new QLabel(QStringLiteral("QN"), tab), 1, 0);
    banks->addWidget(lblComputerBank, 1, 1);
    auto* cmdOk = closeButton(tab);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(stakes);
    layout->addLayout(banks);
    layout->addWidget(scoreRows(QStringLiteral("Quillan Top Scores"), 0));
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    return tab;
}

QWidget* FrmPlay::buildPokerTab() {
    auto* tab = new QWidget;
    auto* command1 = closeButton(tab);
    connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(scoreRows(QStringLiteral("Video Poker Perfect Play"), 3));
    layout->addWidget(scoreRows(QStringLiteral("Big Winners"), 6));
    layout->addStretch();
    layout->addWidget(command1, 0, Qt::AlignRight);
    return tab;
}

// A heading over three name and score rows, entries first..first + 2.
QWidget* FrmPlay::scoreRows(const QString& title, int first) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->addWidget(heading(title, box), 0, 0, 1, 2);
    const QFont names = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = first; i < first + kPlacesPerTable; ++i) {
        const auto n = static_cast<std::size_t>(i);
        lblTopNames[n] = new QLabel(box);
        lblTopNames[n]->setFont(names);
        lblTopScores[n] = new QLabel(box);
        lblTopScores[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblTopNames[n], i - first + 1, 0);
        grid->addWidget(lblTopScores[n], i - first + 1, 1);
    }
    grid->setColumnStretch(0, 1);
    return box;
}

void FrmPlay::Form_Load() {
    main_.trap("frmplay Form_Load", [&] {
        lblPlayerBank->setText(QStringLiteral(" ") + QString::number(main_.banks.prfPlayerBank));
        lblComputerBank->setText(QStringLiteral(" ") +
                                 QString::number(main_.banks.prfComputerBank));
        switch (main_.settings.prfWager) {
        case 1:
            opOne->setChecked(true);
            break;
        case 5:
            opFive->setChecked(true);
            break;
        case 10:
            opTen->setChecked(true);
            break;
        default:
            break;
        }
        for (std::size_t i = 0; i < lblTopNames.size(); ++i) {
            const ScoreEntry& entry = scoreTable[static_cast<long>(i)];
            lblTopNames[i]->setText(QStringLiteral(" ") +
                                    QString::fromStdString(shownName(entry.name)));
            lblTopScores[i]->setText(QString::number(entry.score));
        }
    });
}

void FrmPlay::cmdOk_Click() {
    if (opOne->isChecked()) {
        main_.settings.prfWager = 1;
    } else if (opFive->isChecked()) {
        main_.settings.prfWager = 5;
    } else if (opTen->isChecked()) {
        main_.settings.prfWager = 10;
    }
    accept();
}

} // namespace quillan
