#pragma once
// The sizes of the window's fixed parts: border strips, status strip, pay-table column,
// bank labels and the score panel. The column is as tall as the table less 12 pixels at
// the top and at the bottom.

#include <QColor>

#include "table/table_layout_rules.h"

namespace quillan {

inline constexpr int kStripThickness = 8;
inline constexpr int kStatusStripHeight = 22;
inline constexpr int kPayColumnWidth = 170;
inline constexpr int kPayColumnMargin = 24;
inline constexpr int kBankLabelWidth = 80;
inline constexpr int kBankLabelHeight = 26;
inline constexpr int kFrame1Width = 230;
inline constexpr int kFrame1Height = 200;

// The status strip: dark, so the status line's faded colour stays easy to read.
inline const QColor kStatusStripColour(44, 30, 22);

inline TableDesign tableDesignFor(int clientHeight) {
    TableDesign d;
    d.topStripHeight = kStripThickness;
    d.bottomStripHeight = kStripThickness;
    d.side1Width = kStripThickness;
    d.side2Width = kStripThickness;
    d.statusHeight = kStatusStripHeight;
    d.pokerLabels = {kPayColumnWidth, static_cast<double>(clientHeight - kPayColumnMargin)};
    d.bankLabel = {kBankLabelWidth, kBankLabelHeight};
    d.frame = {kFrame1Width, kFrame1Height};
    return d;
}

} // namespace quillan
