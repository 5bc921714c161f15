#pragma once
// Clicks made while cards were moving. A card flight lets only window events other than
// input run between its frames, so a click made meanwhile waits in the queue until the next
// wait lets it in. At the end of the deal and of the computer's turn, while their flags still say
// the table is busy, the queue is run once with the table dropping every mouse button event: such
// clicks change nothing and are not played once the player may act again.

namespace quillan {

class Platform;
class TableCanvas;

void dropQueuedClicks(TableCanvas& table, Platform& platform);

} // namespace quillan
