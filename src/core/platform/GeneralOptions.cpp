#include "core/platform/GeneralOptions.h"

#include "core/platform/Settings.h"

namespace {
int g_vulnerabilityInColour = 1;
const char kSection[] = "Options";
const char kKey[] = "ShowVulnerabilityInColour";
}  // namespace

bool IsVulnerabilityInColour() {
    return g_vulnerabilityInColour != 0;
}

void SetVulnerabilityInColour(int inColour) {
    g_vulnerabilityInColour = inColour;
}

int LoadVulnerabilityInColour() {
    const int value = GetProfileInt(kSection, kKey, 1);
    SetVulnerabilityInColour(value);
    return value;
}

void SaveVulnerabilityInColour(int inColour) {
    WriteProfileInt(kSection, kKey, inColour);
    SetVulnerabilityInColour(inColour);
}
