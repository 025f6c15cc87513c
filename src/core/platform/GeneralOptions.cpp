#include "core/platform/GeneralOptions.h"

#include "core/platform/Settings.h"

namespace {
const char kSection[] = "Options";

// One option of the sheet: its key in the store and the value in force.
struct OptionFlag {
    const char* key;
    int value;
};

OptionFlag g_vulnerabilityInColour{"ShowVulnerabilityInColour", 1};
OptionFlag g_reviewShown{"ShowReview", 1};

int Load(OptionFlag& flag) {
    flag.value = GetProfileInt(kSection, flag.key, 1);
    return flag.value;
}

void Save(OptionFlag& flag, int value) {
    WriteProfileInt(kSection, flag.key, value);
    flag.value = value;
}
}  // namespace

bool IsVulnerabilityInColour() {
    return g_vulnerabilityInColour.value != 0;
}

void SetVulnerabilityInColour(int inColour) {
    g_vulnerabilityInColour.value = inColour;
}

int LoadVulnerabilityInColour() {
    return Load(g_vulnerabilityInColour);
}

void SaveVulnerabilityInColour(int inColour) {
    Save(g_vulnerabilityInColour, inColour);
}

bool IsReviewShown() {
    return g_reviewShown.value != 0;
}

void SetReviewShown(int shown) {
    g_reviewShown.value = shown;
}

int LoadReviewShown() {
    return Load(g_reviewShown);
}

void SaveReviewShown(int shown) {
    Save(g_reviewShown, shown);
}
