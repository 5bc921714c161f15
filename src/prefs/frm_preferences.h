#pragma once
// The Preferences dialog ("More Options.."): four tabs over the main window's settings.
// It keeps no state of its own; it reads the settings when it is built and writes them
// back on Save. The speed slider and the outline colour take effect at once.
//
// The menu item shows it with exec(); tests build it directly, set its controls and call
// its handlers (cmdSave_Click, cmdCancel_Click) as the buttons do.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace quillan {

class FrmMain;

// The dialog's controls, named as the program refers to them (owned by the dialog).
struct PreferenceControls {
    QTabWidget* tabs = nullptr;
    // "General"
    QCheckBox* ckSounds = nullptr;
    QCheckBox* ckAnimation = nullptr;
    QLineEdit* txtSpacer = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label4 = nullptr; // the delay the slider gives
    // "Video Poker"
    QLabel* lblColor = nullptr; // the hold outline colour swatch
    QPushButton* cmdChangeColor = nullptr;
    QCheckBox* ckprfAutoDeal = nullptr;
    QRadioButton* opAlwaysShow = nullptr;
    QRadioButton* opShowOnError = nullptr;
    // "Gin Rummy"
    QCheckBox* ckAutoSort = nullptr;
    QCheckBox* ckQNScores = nullptr;
    QRadioButton* OpOklahoma = nullptr;
    QRadioButton* OpStandard = nullptr;
    QRadioButton* OpQN = nullptr;
    // "Card Backs"
    QComboBox* Combo1 = nullptr;
    QLabel* picBacks = nullptr; // preview of the chosen back
    // Below the tabs
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
};

class FrmPreferences : public QDialog {
  public:
    explicit FrmPreferences(FrmMain& main, QWidget* parent = nullptr);

    PreferenceControls c;

    // Event handlers.
    void Combo1_Click();
    void HScroll1_Change();
    void txtSpacer_KeyPress();
    void cmdChangeColor_Click();
    void cmdSave_Click();
    void cmdCancel_Click();

  private:
    QWidget* buildGeneralTab();
    QWidget* buildPokerTab();
    QWidget* buildRummyTab();
    QWidget* buildBacksTab();
    void connectHandlers();
    void Form_Activate();
    void fillBackList();
    void selectCurrentBack();
    void showPreviewDesign(int design);
    void showPreviewPicture(const QString& fileName);
    void showColour(const QColor& colour);
    bool saveSpacing();
    void saveFlags();
    void saveVariant();
    void saveBack();
    QString backsFolder() const;

    FrmMain& main_;
};

} // namespace quillan
