#pragma once
// The Top Scores window: the three top-score tables, both Gin Rummy banks and the stake.
// Closing it with either Close button keeps the chosen stake in prfWager.

#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;

namespace quillan {

class FrmMain;

class FrmPlay : public QDialog {
  public:
    explicit FrmPlay(FrmMain& main);

    // Controls, named as the window's own.
    QRadioButton* opOne = nullptr;
    QRadioButton* opFive = nullptr;
    QRadioButton* opTen = nullptr;
    QLabel* lblPlayerBank = nullptr;
    QLabel* lblComputerBank = nullptr;
    std::array<QLabel*, 9> lblTopNames{};
    std::array<QLabel*, 9> lblTopScores{};

    void cmdOk_Click();
    void Command1_Click() { cmdOk_Click(); }

  private:
    QWidget* buildQuillanTab();
    QWidget* buildPokerTab();
    QWidget* scoreRows(const QString& heading, int first);
    void Form_Load();

    FrmMain& main_;
};

} // namespace quillan
