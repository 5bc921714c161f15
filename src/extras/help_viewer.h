#pragma once
// The program's help window: shows the HTML help file in a text browser, opened at its
// contents page, with buttons back to the contents and to the page before; Escape closes it.
// A help file that is missing or cannot be read is named in a plain message inside the window.

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace quillan {

class HelpViewer : public QWidget {
  public:
    HelpViewer();

    // Opens `helpFile` at its contents page and brings the window to the front.
    void showContents(const QString& helpFile);

    QTextBrowser* browser() const { return browser_; }
    // True when the last showContents found no readable help file.
    bool showsMissingFile() const { return missing_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void goToContents();
    void showMissingFile(const QString& helpFile);

    QTextBrowser* browser_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* back_ = nullptr;
    bool missing_ = false;
};

} // namespace quillan
