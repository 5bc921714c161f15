#include "app/opponent_menu.h"

#include <QActionGroup>

#include "platform/opponent_level_store.h"
#include "rummy/opponent_level.h"

namespace quillan {

namespace {

QString caption(const std::string& level) {
    if (level == "strong") {
        return QStringLiteral("S&trong");
    }
    if (level == "expert") {
        return QStringLiteral("&Expert");
    }
    return QStringLiteral("&Standard");
}

QString plainCaption(const std::string& level) {
    return caption(level).remove(QLatin1Char('&'));
}

} // namespace

OpponentMenu::OpponentMenu(OpponentLevel& level, QWidget* parent)
    : QMenu(QStringLiteral("&Opponent"), parent), level_(level) {
    auto* group = new QActionGroup(this);
    for (const std::string& name : OpponentLevel::offered()) {
        QAction* item = addAction(caption(name));
        item->setCheckable(true);
        group->addAction(item);
        items_ << item;
        connect(item, &QAction::triggered, this, [this, name] { level_.choose(name); });
    }
    addSeparator();
    note_ = addAction(QString());
    note_->setEnabled(false);
    // The check and the note follow the choice and the hand being played.
    connect(this, &QMenu::aboutToShow, this, [this] { showChosen(); });
    showChosen();
}

void OpponentMenu::showChosen() {
    const auto& levels = OpponentLevel::offered();
    for (qsizetype i = 0; i < items_.size(); ++i) {
        items_[i]->setChecked(levels[static_cast<size_t>(i)] == level_.chosen());
    }
    note_->setText(QStringLiteral("This hand: %1. A new level takes effect at the next hand")
                       .arg(plainCaption(level_.handLevel())));
}

OpponentMenu* addOpponentMenu(QMenu& menu, OpponentLevel& level) {
    level.useStore(readOpponentLevel(), writeOpponentLevel);
    auto* opponents = new OpponentMenu(level, &menu);
    menu.addMenu(opponents);
    return opponents;
}

} // namespace quillan
