#pragma once

#include <string>
#include <vector>

#include "core/platform/StatusDisplay.h"

// A status display that remembers every text and percent it was shown.
class CRecordingStatusDisplay : public IStatusDisplay {
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
    bool barShown = false;
    std::string text = "Ready";
    std::vector<std::string> texts;
    std::vector<int> percents;
};
