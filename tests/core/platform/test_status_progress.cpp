#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CStatusProgress.h"
#include "platform/StatusDisplay.h"

namespace {
class CRecordingDisplay : public IStatusDisplay {
public:
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }
    std::string GetStatusText() const override { return text; }
    void SetStatusText(const std::string& newText) override {
        text = newText;
        texts.push_back(newText);
    }
    void ShowProgressBar() override { barShown = true; }
    void SetProgressPercent(int percent) override { percents.push_back(percent); }
    void HideProgressBar() override { barShown = false; }

    int waitDepth = 0;
    std::string text = "Ready";
    std::vector<std::string> texts;
    std::vector<int> percents;
    bool barShown = false;
};
}  // namespace

TEST(StatusProgress, CountingModeShowsARunningCountAndRestoresTheText) {
    CRecordingDisplay display;
    {
        CStatusProgress progress(&display, "Saving a.lv...", 0, 0);
        EXPECT_EQ(display.waitDepth, 1);
        EXPECT_FALSE(display.barShown);
        progress.SetPos(1);
        progress.SetPos(1);
    }
    const std::vector<std::string> expected = {"Saving a.lv...", "Saving a.lv...   0",
                                               "Saving a.lv...   1", "Saving a.lv...   2",
                                               "Ready"};
    EXPECT_EQ(display.texts, expected);
    EXPECT_EQ(display.waitDepth, 0);
}

TEST(StatusProgress, RangeModeSendsEachPercentOnce) {
    CRecordingDisplay display;
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
}

TEST(StatusProgress, RangeWithOffsetUsesIntegerArithmetic) {
    CRecordingDisplay display;
    CStatusProgress progress(&display, "Importing...", 13, 10);
    progress.SetPos(11);
    progress.SetPos(12);
    progress.SetPos(10);
    EXPECT_EQ(display.percents, (std::vector<int>{0, 33, 66, 0}));
}

TEST(StatusProgress, WithoutDisplayDoesNothing) {
    CStatusProgress progress(nullptr, "Importing...", 100, 0);
    progress.SetPos(50);
    SUCCEED();
}
