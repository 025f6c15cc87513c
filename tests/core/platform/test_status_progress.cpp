#include <algorithm>
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

// After every position of any walk the bar shows the percent the formula gives there, sent
// once per change, whatever positions the progress lets go without a look.
TEST(StatusProgress, EveryWalkShowsThePercentOfEachPosition) {
    const struct {
        long long lower, upper;
    } ranges[] = {{0, 1000}, {10, 13}, {0, 7}, {5, 1005}, {0, 333}, {100, 100 + (1LL << 40)}};
    for (const auto& r : ranges) {
        const long long width = r.upper - r.lower;
        const long long step = std::max(1LL, width / 2000);
        std::vector<long long> walk;
        for (long long pos = r.lower - 2; pos <= r.upper + 2; pos += step) {
            walk.push_back(pos);
        }
        for (long long pos = r.upper; pos >= r.lower; pos -= 7 * step) {
            walk.push_back(pos);  // and back again
        }
        CRecordingStatusDisplay display;
        CStatusProgress progress(&display, "Opening...", r.upper, r.lower);
        for (const long long pos : walk) {
            const std::size_t sent = display.percents.size();
            progress.SetPos(pos);
            const long long done = pos - r.lower;
            const int percent = done == 0 ? 0 : static_cast<int>(done * 100 / width);
            ASSERT_EQ(display.percents.back(), percent) << r.lower << ".." << r.upper << " " << pos;
            ASSERT_LE(display.percents.size(), sent + 1);
            if (display.percents.size() > sent) {
                ASSERT_NE(display.percents[sent - 1], percent);  // a change, sent once
            }
        }
    }
}
