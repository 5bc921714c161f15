#include "table/queued_clicks.h"

#include "platform/platform.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

class DroppingClicks {
  public:
    explicit DroppingClicks(TableCanvas& table) : table_(table) { table_.setDropsClicks(true); }
    ~DroppingClicks() { table_.setDropsClicks(false); }
    DroppingClicks(const DroppingClicks&) = delete;
    DroppingClicks& operator=(const DroppingClicks&) = delete;

  private:
    TableCanvas& table_;
};

} // namespace

void dropQueuedClicks(TableCanvas& table, Platform& platform) {
    const DroppingClicks dropping(table);
    platform.doEvents();
}

} // namespace quillan
