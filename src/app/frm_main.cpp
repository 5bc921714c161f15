#include "app/frm_main.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "poker/poker_analysis.h"
#include "rummy/opponent_level.h"
#include "stats/statistics_recorder.h"
#include "table/bank_tool_tips.h"
#include "table/keyboard_play.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {
constexpr int kTimer1Interval = 5000;
} // namespace

FrmMain::FrmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      statistics(std::make_unique<StatisticsRecorder>(platform, programTitle())),
      opponent(std::make_unique<OpponentLevel>()), platform_(platform) {
    setWindowTitle(programTitle());
    buildControls();
    buildMenus();
    pokerAnalysis = new PokerAnalysis(*this);
    new KeyboardPlay(*this); // owned by the window
    new BankToolTips(*this); // owned by the window
}

// The table outlives this body (Qt deletes it with the QWidget part), and while it is taken
// down it still gets events: the Video Poker click filter, which reads this window's state,
// goes first.
FrmMain::~FrmMain() {
    removePokerClicks();
}

void FrmMain::buildControls() {
    ui.table = new TableCanvas(this);
    ui.table->onMouse = [this](const TableMouseEvent& event) { tableMouse(event); };
    setCentralWidget(ui.table);

    ui.lblStatus = new QLabel(ui.table);
    ui.lblStatus->setAutoFillBackground(true);
    ui.lblStatus->setIndent(6);
    setStatusColour(0, 0, 0);

    ui.Timer1 = new QTimer(this);
    ui.Timer1->setInterval(kTimer1Interval);
    connect(ui.Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    ui.Frame1 = new QWidget(ui.table);
    ui.cmdPlayAgain = new QPushButton(QStringLiteral("Play Again"), ui.Frame1);
    ui.cmdPlayAgain->setDefault(true); // Enter and Space press it (table/keyboard_play.h)
    connect(ui.cmdPlayAgain, &QPushButton::clicked, this, [this] { cmdPlayAgain_Click(); });
    buildScorePanel();
    ui.Frame1->hide();

    buildPokerColumn();
    buildTableControls();
}

void FrmMain::reportError(const char* name, const char* description) noexcept {
    try {
        platform_.messageBox(QStringLiteral("Error  in  ") + QString::fromUtf8(name) +
                                 QStringLiteral(" (  ") + QString::fromUtf8(description) +
                                 QStringLiteral("  )"),
                             programTitle());
    } catch (...) {
        // Nothing more can be shown; the procedure is left either way.
    }
}

void FrmMain::reportPlain(const char* prefix, const char* description) noexcept {
    try {
        platform_.messageBox(QString::fromUtf8(prefix) + QString::fromUtf8(description),
                             programTitle());
    } catch (...) {
        // As above.
    }
}

void FrmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace quillan
