// Minimal forms of procedures that belong to the Gin Rummy and score parts of the
// window. Each does the least that keeps the program starting, switching games, dealing
// and closing correctly; each moves to its own folder, with its full behaviour, when that
// part of the window is built.
#include "app/frm_main.h"

namespace quillan {

void FrmMain::showChampionCaption() {}
void FrmMain::readScoreFile() {}
void FrmMain::RecordTopScores() {}

} // namespace quillan
