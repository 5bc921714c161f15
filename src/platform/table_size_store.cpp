#include "platform/table_size_store.h"

#include "platform/extra_settings.h"

namespace quillan {

namespace {
constexpr const char* kKey = "Display/TableSize";
}

TableSize readTableSize() {
    return tableSizeFromText(readExtraSetting(kKey));
}

void writeTableSize(TableSize size) {
    writeExtraSetting(kKey, textFromTableSize(size));
}

} // namespace quillan
