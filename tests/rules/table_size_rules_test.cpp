// The table size: the stored text and the automatic choice for common screens.
#include <gtest/gtest.h>

#include "table/table_size_rules.h"

using namespace quillan;

TEST(TableSizeAutomatic, CommonScreensGetTheLargestSizeThatFits) {
    EXPECT_EQ(automaticTablePercent(1024, 768), 100);
    EXPECT_EQ(automaticTablePercent(1366, 768), 100);
    EXPECT_EQ(automaticTablePercent(1920, 1080), 125);
    EXPECT_EQ(automaticTablePercent(2560, 1440), 150);
    EXPECT_EQ(automaticTablePercent(3840, 2160), 200);
}

TEST(TableSizeAutomatic, TheWindowStaysWithinItsShareOfTheScreenBothWays) {
    // A panel that takes 40 pixels of a 1920 x 1080 screen leaves room for 125% still.
    EXPECT_EQ(automaticTablePercent(1920, 1040), 125);
    // Tall and narrow: the width decides (1.5 x 800 > 0.85 x 1280).
    EXPECT_EQ(automaticTablePercent(1280, 2400), 125);
    // Either side of the share: 0.85 x 1000 = 850 against 125% of 679 and of 681.
    EXPECT_EQ(automaticTablePercent(5000, 1000, 800, 679), 125);
    EXPECT_EQ(automaticTablePercent(5000, 1000, 800, 681), 100);
    // Beyond 200% nothing larger is offered.
    EXPECT_EQ(automaticTablePercent(7680, 4320), 200);
}

TEST(TableSizeAutomatic, AScreenSmallerThanTheTableNeverShrinksIt) {
    EXPECT_EQ(automaticTablePercent(800, 600), 100);
    EXPECT_EQ(automaticTablePercent(0, 0), 100);
    EXPECT_EQ(automaticTablePercent(-5, 4000), 100);
}

TEST(TableSizeChoice, AListedSizeIsUsedWhateverTheScreen) {
    EXPECT_EQ(tablePercent(TableSize::Percent150, std::pair{1024, 768}), 150);
    EXPECT_EQ(tablePercent(TableSize::Percent100, std::pair{3840, 2160}), 100);
    EXPECT_EQ(tablePercent(TableSize::Automatic, std::pair{2560, 1440}), 150);
    EXPECT_EQ(tablePercent(TableSize::Automatic, std::nullopt), 100);
}

TEST(TableSizeText, EveryChoiceReadsBackAndAnythingElseIsAutomatic) {
    for (const TableSize size : kTableSizes) {
        EXPECT_EQ(tableSizeFromText(textFromTableSize(size)), size);
    }
    EXPECT_EQ(textFromTableSize(TableSize::Automatic), "Automatic");
    EXPECT_EQ(textFromTableSize(TableSize::Percent125), "125");
    for (const char* text : {"", "175", "0", "-100", "125%", "automatic", " 150", "200x"}) {
        EXPECT_EQ(tableSizeFromText(text), TableSize::Automatic) << text;
    }
}
