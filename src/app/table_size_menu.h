#pragma once
// The "Table Size" submenu of the Preferences menu: Automatic or one of the listed sizes.
// A choice is stored at once and shows at the next start, as the menu's last line says.

#include <QMenu>
#include <functional>

#include "table/table_size_rules.h"

namespace quillan {

class TableSizeMenu : public QMenu {
  public:
    using Store = std::function<void(TableSize)>;

    // `chosen` is checked; `percentNow` is the size the window has now (0: set by the
    // environment rather than by this menu).
    TableSizeMenu(TableSize chosen, int percentNow, Store store, QWidget* parent = nullptr);

    TableSize chosen() const { return chosen_; }

  private:
    void choose(TableSize size);

    TableSize chosen_;
    Store store_;
};

// Adds the submenu, reading and writing the stored choice, at the end of `menu`.
TableSizeMenu* addTableSizeMenu(QMenu& menu, int percentNow);

} // namespace quillan
