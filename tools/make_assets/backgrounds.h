#pragma once
// The table backgrounds, each 800 x 600 logical pixels at kBackgroundRatio (paint_kit.h).
#include <QImage>

namespace make_assets {

QImage starryNight(); // vangogh.jpg
QImage winterWood();  // winter.jpg
QImage sunnyBeach();  // beach.gif
QImage sunsetBeach(); // beach2.jpg
QImage pokerWood();   // vpwood.jpg
QImage pokerBlue();   // vpwblue.jpg
QImage pokerCasino(); // vpwcasino.jpg
QImage oakTable();    // qnwood.jpg
QImage greenBaize();  // felt.jpg
QImage marble();      // marble.jpg

// Custom card-back pictures (two card sizes large).
QImage compassBack();
QImage sunburstBack();
QImage mosaicBack();

} // namespace make_assets
