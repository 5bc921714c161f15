#pragma once
// The main window: it owns every piece of game state, the menus, the status line and the
// table, and runs the program's procedures and event handlers. Member functions are
// defined by subsystem in several files (app/, cards/, and later rummy/, poker/, table/...).

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <span>

#include "app/frm_main_state.h"
#include "app/settings.h"
#include "extras/periphery_windows.h"
#include "platform/card_library.h"
#include "platform/platform.h"
#include "rummy/rummy_play_state.h"
#include "table/table_state.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace quillan {

class OpponentLevel;
class PokerAnalysis;
class StatisticsRecorder;
class TableCanvas;
struct TableMouseEvent;

inline constexpr int kBackgroundItems = 21;

// The menu bar's items, named after their controls.
struct MenuItems {
    QMenu* mnuGame = nullptr;
    QAction* mnuPlayRummy = nullptr;
    QAction* mnuPoker = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuAction = nullptr;
    QAction* mnuKnock = nullptr;
    QAction* mnuPeek = nullptr;
    QAction* mnuSortRank = nullptr;
    QAction* mnuSortSuit = nullptr;
    QAction* mnuStart = nullptr; // hidden unless the Action menu pops up over the table
    QAction* mnuSavePosition = nullptr;
    QMenu* mnuPreferences = nullptr;
    QAction* mnuShowComputerHand = nullptr;
    QAction* mnuWager = nullptr;
    QAction* mnuHide = nullptr;
    QMenu* mnuSelectBackground = nullptr;
    std::array<QAction*, kBackgroundItems> mnuBackgoundSelected{};
    QAction* mnuMoreOptions = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;
};

// Controls of the window (all owned by Qt through their parent).
struct Controls {
    TableCanvas* table = nullptr; // the client area
    QLabel* lblStatus = nullptr;  // the status line
    QTimer* Timer1 = nullptr;     // Video Poker countdown, 5000 ms
    QWidget* Frame1 = nullptr;    // end-of-hand score panel
    QPushButton* cmdPlayAgain = nullptr;
    QWidget* picPokerLabels = nullptr; // Video Poker pay-table column
    QLabel* pklblWinnings = nullptr;   // credit meter
    QLabel* pkLabelHands = nullptr;    // perfect-play run
    QLabel* pkLabelTimer = nullptr;    // its countdown
    // The score panel's value labels and headline (inside Frame1).
    QLabel* lblKnock = nullptr;
    QLabel* lblGin = nullptr;
    QLabel* lblUndercut = nullptr;
    QLabel* lblYourDeadWood = nullptr;
    QLabel* lblComputerDeadwood = nullptr;
    QLabel* lblTotal = nullptr;
};

class FrmMain : public QMainWindow {
  public:
    // `platform` must outlive the window.
    explicit FrmMain(Platform& platform, QWidget* parent = nullptr);
    ~FrmMain() override;

    // ---- state (public: every part of the program works on it directly) ----
    Settings settings;
    CardState cards;
    TurnFlags turn;
    RummyState rummy;
    Banks banks;
    PokerState poker;
    KeptFlags kept;
    MenuItems menus;
    Controls ui;
    TableState table;
    QString helpFile;           // program folder + "/felton.hlp"
    PeripheryWindows periphery; // desktop cover and About box
    // Follows the Video Poker table for the Hand Analysis window (a child of this window).
    PokerAnalysis* pokerAnalysis = nullptr;
    // The record of play kept across runs and the Statistics window (stats/).
    std::unique_ptr<StatisticsRecorder> statistics;
    // The computer opponent's level, chosen and in play (rummy/opponent_level.h).
    std::unique_ptr<OpponentLevel> opponent;
    // Called as the last step of Form_Unload; the program sets it to quit the application.
    std::function<void()> endProgram;

    Platform& platform() { return platform_; }
    CardLibrary& cardLibrary() { return cardLibrary_; }
    QString programFolder() const { return platform_.programFolder(); }
    static QString programTitle() { return QStringLiteral("Quillan"); }

    // ---- error trap ----
    // Runs `body`; an error shows "Error  in  <name> (  <description>  )" in an OK box
    // with the program's title and the procedure is left. Nothing escapes.
    template <typename Body> void trap(const char* name, Body&& body) noexcept {
        try {
            body();
        } catch (const std::exception& e) {
            reportError(name, e.what());
        } catch (...) {
            reportError(name, "Application-defined or object-defined error");
        }
    }
    void reportError(const char* name, const char* description) noexcept;

    // ---- start-up, load and unload (app/frm_main_load.cpp) ----
    void GetCardHeight();
    void Form_Load();
    void FirstInit();
    void Form_Unload();
    void applyHideDesktop(); // start-up step 4: reads prfHideDesktop
    bool isLoaded() const { return loaded_; }
    bool isUnloaded() const { return unloaded_; }

    // ---- games (app/frm_main_games.cpp) ----
    void mnuPlayRummy_Click();
    void mnuPoker_Click();
    // True while a Gin Rummy deal or the computer's turn is being played out. Their waits
    // let menu commands run; starting another hand or switching games then would pull the
    // cards from under the running procedure, so those commands wait for it to finish.
    bool handBeingPlayed() const { return handPlayDepth_ > 0; }
    void mnuStart_Click();
    void cmdPlayAgain_Click();
    void mnuExit_Click();
    void Timer1_Timer();

    // ---- menus and status line ----
    void fillBackgroundMenu();              // FirstInit step 3
    void popUpActionMenu(const QPoint& at); // secondary click on the table
    void ShowStatus(const QString& text);
    // ---- cards/frm_main_shuffle.cpp ----
    void shuffleCards();

    // ---- the table (table/frm_main_*.cpp) ----
    void layoutTable();                             // FirstInit step 1, sizes of card places
    void loadTablePicture(const QString& fileName); // Form_Load step 3
    void AutoSizeToPicture();
    void Form_Resize();
    void LoadBackGroundPic(const QString& fileName);
    void mnuBackgoundSelected_Click(int index);
    void resetGraphics();
    void DealGraphics();
    void DrawDealDeck();
    void refreshHand(int16 skipIndex, bool hideSkipped, bool isComputer);
    void cardGraphics();
    void showDealPile(bool visible);     // the four picDeal pictures
    void showHandPictures(bool visible); // picPlayerHand, picComputerHand
    void refreshHandPictures();          // both hands, repainted where they are
    // Moves a card from (x1, y1) to (x2, y2); x1 and y1 end at the last frame's position.
    // `card` and `mode` are what is drawn while moving; picAnimate holds what lands.
    void AnimateCard(int32& x1, int32& y1, int32 x2, int32 y2, int16 step, int32 card, int32 mode,
                     int16 liftIndex, bool towardComputer);
    void shortDelay(int ms) { platform_.shortDelay(ms); }
    void InitAnimDelay();
    void UpdateBank();
    bool playCue(const QString& relativeName); // a sound cue from the program folder
    void colourOutlineShapes();                // Shape1..3 in prfCardOutlineColor
    // ---- Video Poker (poker/frm_main_poker_screen.cpp) ----
    void initPokerScreen();
    void picDeal_Click(int index);
    void dealPokerBacks();           // the five cards dealt face down
    void dealPokerBackTo(int index); // one face-down card flown to its place
    void restPayLabels();            // the resting colours of the pay column
    // ---- Preferences (prefs/) ----
    int16 spaceChanged = kFalse; // the card spacing was typed into the Preferences
    void mnuMoreOptions_Click();
    // ---- Video Poker play (poker/frm_main_poker_*.cpp) ----
    void showPokerHand(); // deals, or checks the holds and draws
    void picPoker_MouseDown(int index, Qt::MouseButton button);
    void picPoker_DblClick(int index);
    void togglePokerHold(int index);
    void showHoldOutline(int index, bool shown);
    void paintPayLabel(int index, std::uint32_t back); // black text on `back` (0xRRGGBB)
    int16 pokerMeter() const;                          // the credit meter read back
    void endPerfectPlayRun();                          // offers the run, "Hands" back to 0
    void showPokerCaption();                           // "Top Video Poker Expert is ..."
    // ---- scores (scores/frm_main_scores.cpp) ----
    void mnuWager_Click();      // the Top Scores window, modal
    void showChampionCaption(); // "Gin Rummy Champion is ..."
    void readScoreFile();       // stats.dat at load
    void RecordTopScores();

    // ---- desktop cover, help, position dump, About box, peek (extras/) ----
    void showDesktopCover();
    void mnuHide_Click();
    void mnuContents_Click();
    void mnuSavePosition_Click();
    void mnuAbout_Click();
    void mnuPeek_Click();
    void mnuShowComputerHand_Click();

    // ---- Gin Rummy play (rummy/frm_main_*.cpp, cards/frm_main_sort.cpp, table/) ----
    RummyPlay play;
    HandPointer pointer;
    void buildScorePanel();
    void analyseHand(std::span<const CardSlot> hand); // 10 or 11 slots
    void analyseHand(const Hand& hand) {
        analyseHand(std::span<const CardSlot>(hand.begin(), hand.end()));
    }
    void picDealRummy_Click(); // picDeal_Click in Gin Rummy
    void picReject_Click();
    void picPlayerHand_Click();
    void picPlayerDraw_MouseDown(int button);
    void picPlayerDraw_Click();
    void DiscardPlayerCard(int16 slot);
    void PlayerKnock();
    void mnuKnock_Click();
    void Form_DblClick();
    void lblYourDeadWood_MouseDown(int button);
    void ComputerTurn();
    void ComputerTakeReject();
    void ComputerDrawFromDeck();
    void ComputerDiscardCard(int16 slot);
    void showComputerHandResult();
    void showPlayerHandResult();
    void WinnerPlayerHoopla(bool flag);
    void WinnerComputerHoopla();
    void mnuSortRank_Click();
    void mnuSortSuit_Click();
    void picPlayerHand_MouseDown(int button, double x);
    void picPlayerHand_MouseMove(double x);
    void picPlayerHand_MouseUp(double x);
    void MoveCardDragging(int16 target);
    void MoveCardForward(int16 slot);
    void MoveCardBack(int16 slot);
    void groupPlayerHand();
    void Form_MouseDown(int button, const QPoint& at);
    void Form_MouseMove(int y);
    void Form_MouseUp();
    void tableMouse(const TableMouseEvent& event); // routes a table event to its place

    // Runs `body`; an error shows `prefix` followed by the error's description.
    template <typename Body> void trapPlain(const char* prefix, Body&& body) noexcept {
        try {
            body();
        } catch (const std::exception& e) {
            reportPlain(prefix, e.what());
        } catch (...) {
            reportPlain(prefix, "Application-defined or object-defined error");
        }
    }
    void reportPlain(const char* prefix, const char* description) noexcept;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void buildTableControls();
    void buildPokerColumn();
    void layoutPokerColumn();
    void paintBorderStrips(bool besidePanel);
    void placeSurfaces(const TableLayout& t);
    void stampEmptyPlaces();
    void redrawHandsInPlace();
    void finishRummyTable();
    void prepareFlight(bool movingDown, int16 liftIndex, bool towardComputer);
    void finishFlight();
    void dealOneCard(const CardSlot& slot, Surface& hand, int32 top, bool towardComputer);
    void turnUpFirstCard();
    void playAmbientSound();
    void installPokerClicks();
    void removePokerClicks(); // before the window's state goes
    void dealPokerHand(bool handOnTable);
    void drawPokerHand();
    bool pokerHoldAccepted();
    void replacePokerCards();
    void payPokerHand();
    void buildMenus();
    void buildGameMenu();
    void buildActionMenu();
    void buildPreferencesMenu();
    void buildHelpMenu();
    void loadSettings();
    void loadCustomBacks();
    void saveSettings();
    void setCardGeometry();
    void setStatusColour(int red, int green, int blue);
    void decideOpener();
    void evaluateDealtHands();

    Platform& platform_;
    CardLibrary cardLibrary_;
    // Counts the deal and computer-turn procedures now running (see handBeingPlayed).
    class HandPlayScope {
      public:
        explicit HandPlayScope(int& depth) : depth_(depth) { ++depth_; }
        ~HandPlayScope() { --depth_; }
        HandPlayScope(const HandPlayScope&) = delete;
        HandPlayScope& operator=(const HandPlayScope&) = delete;

      private:
        int& depth_;
    };
    int handPlayDepth_ = 0;
    bool loaded_ = false;
    bool unloaded_ = false;
};

} // namespace quillan
