#pragma once
// The About box: the program's name, its version and an OK button that closes it. Shown
// modeless over the table; closing it unloads it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillan {

class FrmAbout : public QDialog {
  public:
    explicit FrmAbout(QWidget* parent);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;

  protected:
    bool event(QEvent* event) override;

  private:
    void Form_Activate();
};

} // namespace quillan
