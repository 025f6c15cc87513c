#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CRecordingStatusDisplay.h"
#include "core/platform/CStatusProgress.h"

TEST(StatusProgress, CountingModeShowsARunningCountAndRestoresTheText) {
    CRecordingStatusDisplay display;
    {
        CStatusProgress progress(&display, "Saving a.lv...", 0, 0);
        EXPECT_EQ(display.waitDepth, 1);
        EXPECT_FALSE(display.barShown);
        progress.SetPos(1);
        progress.SetPos(1);
    }
    EXPECT_EQ(display.texts,
              (std::vector<std::string>{"Saving a.lv...", "Saving a.lv...   0",
                                        "Saving a.lv...   1", "Saving a.lv...   2", "Ready"}));
    EXPECT_EQ(display.waitDepth, 0);
}

TEST(StatusProgress, RangeModeSendsEachPercentOnceInIntegerArithmetic) {
    CRecordingStatusDisplay display;
    {
        CStatusProgress progress(&display, "Opening b.lv...", 1000, 0);
        EXPECT_TRUE(display.barShown);
        for (long long pos : {1, 5, 9, 10, 11, 500, 999, 1000}) {
            progress.SetPos(pos);
        }
    }
    EXPECT_EQ(display.percents, (std::vector<int>{0, 1, 50, 99, 100}));
    EXPECT_FALSE(display.barShown);
    EXPECT_EQ(display.text, "Ready");

    display.percents.clear();
    CStatusProgress offset(&display, "Importing...", 13, 10);
    for (long long pos : {11, 12, 10}) {
        offset.SetPos(pos);
    }
    EXPECT_EQ(display.percents, (std::vector<int>{0, 33, 66, 0}));
    CStatusProgress(nullptr, "Importing...", 100, 0).SetPos(50);  // no display: nothing
}
