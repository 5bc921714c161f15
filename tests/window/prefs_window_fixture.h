#pragma once
// A loaded main window and its Preferences dialog, built directly so a test can set the
// controls and press the buttons itself.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <memory>

#include "prefs/frm_preferences.h"
#include "support/table_window_fixture.h"

namespace quillan::test {

class PrefsWindowTest : public TableWindowTest {
  protected:
    FrmMain& rummyTable() {
        addPicture("vangogh.jpg", QSize(700, 500));
        return loadedRummy();
    }
    FrmMain& pokerTable() {
        addPicture("vpwood.jpg", QSize(700, 500));
        return loaded();
    }

    FrmPreferences& open(FrmMain& w) {
        dialog = std::make_unique<FrmPreferences>(w, &w);
        return *dialog;
    }

    void addBackPicture(const QString& name, const QColor& colour, QSize size = {60, 80}) {
        QDir().mkpath(folder.path() + "/pics/backs");
        QPixmap picture(size);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(folder.path() + "/pics/backs/" + name, "PNG"));
    }

    int indexOf(const QString& entry) const { return dialog->c.Combo1->findText(entry); }

    std::unique_ptr<FrmPreferences> dialog;
};

} // namespace quillan::test
