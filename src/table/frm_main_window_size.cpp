// The window takes the size of its background picture: AutoSizeToPicture, Form_Resize
// (the table never maximises and snaps back to the picture), and loading a background.
#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QResizeEvent>

#include "app/frm_main.h"
#include "table/background_picture.h"
#include "table/held_draw_cards.h"
#include "table/pixel_copy.h"
#include "table/program_files.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

// The cloth the table shows until a background picture has been loaded.
constexpr QSize kClothSize(800, 600);
const QColor kClothColour(0, 96, 48);

} // namespace

void FrmMain::loadTablePicture(const QString& fileName) {
    trap("loadTablePicture", [&] {
        const QString path =
            programFilePath(programFolder(), QStringLiteral("\\pics\\") + fileName);
        if (FileExists(path)) {
            loadBackgroundPicture(path, table.thePic);
        }
        AutoSizeToPicture();
    });
}

void FrmMain::AutoSizeToPicture() {
    trap("AutoSizeToPicture", [&] {
        table.inAutoSize = kTrue;
        if (table.thePic.isNull()) {
            table.thePic = QPixmap(kClothSize);
            table.thePic.fill(kClothColour);
        }
        // The window takes the picture's logical size (half its pixels for one of the
        // program's own pictures, drawn at twice the size).
        const QSize picture = logicalSize(table.thePic);
        const PixelRect client =
            clientRectForPicture(picture.width(), picture.height(), isSet(settings.isPoker));
        const QSize size(client.w, client.h);
        if (ui.table->tableSize() != size) {
            ui.table->resizeTable(size, devicePixelRatioF());
            QPainter painter(&ui.table->windowImage());
            paintBackground(painter, table.thePic);
        }
        // The window is exactly the table and its bars: the size hints tell the window
        // manager so (minimum equal to maximum), so it offers neither resizing nor Maximise.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        adjustSize();
        table.inAutoSize = kFalse;
    });
}

void FrmMain::Form_Resize() {
    trap("Form_Resize", [&] {
        const WindowState state = isMaximized()   ? WindowState::Maximized
                                  : isMinimized() ? WindowState::Minimized
                                                  : WindowState::Normal;
        const ResizeActions a = resizeActions(
            state, isSet(table.inAutoSize), isSet(settings.isPoker), ui.table->tableSize().width());
        if (a.restoreNormal) {
            hide();
            showNormal();
            show();
        }
        // A size set from outside (a window manager ignoring the size hints, or a tool)
        // leaves the table cut off or with a dead margin: back to the picture's size.
        const bool offSize = ui.table->size() != ui.table->tableSize() || size() != minimumSize();
        if (a.snapToPicture && offSize) {
            AutoSizeToPicture();
        }
    });
}

void FrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isLoaded() && isMaximized()) {
        Form_Resize();
    }
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isLoaded() && !isUnloaded()) {
        Form_Resize();
    }
}

void FrmMain::LoadBackGroundPic(const QString& fileName) {
    trap("LoadBackGroundPic", [&] {
        const QString path =
            programFilePath(programFolder(), QStringLiteral("\\pics\\") + fileName);
        if (FileExists(path)) {
            loadBackgroundPicture(path, table.thePic);
        }
        const HeldDrawCards held = heldDrawCards(*this);
        for (int i = 0; i < kPokerCards; ++i) {
            const auto n = static_cast<std::size_t>(i);
            table.Shape1[n]->hide();
            table.Shape2[n]->hide();
            table.Shape3[n]->hide();
        }
        showDealPile(false);
        showHandPictures(false);
        table.picPlayerDraw.hide();
        table.picComputerDraw.hide();
        table.picReject.hide();
        ui.picPokerLabels->hide();
        AutoSizeToPicture();
        if (isSet(settings.isPoker)) {
            settings.prfPKBackground = fileName.toStdString();
            initPokerScreen();
        } else {
            settings.prfQNBackground = fileName.toStdString();
            resetGraphics();
            repaintHeldDrawCards(*this, held);
        }
        for (QAction* item : menus.mnuBackgoundSelected) {
            item->setChecked(item->text() == fileName);
        }
    });
}

void FrmMain::mnuBackgoundSelected_Click(int index) {
    trap("mnuBackgoundSelected_Click", [&] {
        LoadBackGroundPic(menus.mnuBackgoundSelected.at(static_cast<std::size_t>(index))->text());
        if (!isSet(settings.isPoker)) {
            UpdateBank();
        }
    });
}

} // namespace quillan
