#pragma once
// The player's "Table Size" choice, kept in the settings file beside the preferences, in a
// section of its own ("Display", key "TableSize"). It is read before the application
// starts, so the store is opened by name rather than through the application.

#include "table/table_size_rules.h"

namespace quillan {

TableSize readTableSize();
void writeTableSize(TableSize size);

} // namespace quillan
