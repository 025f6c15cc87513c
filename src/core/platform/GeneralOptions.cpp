#include "core/platform/GeneralOptions.h"

#include "core/platform/Settings.h"

namespace {
const char kSection[] = "Options";
}  // namespace

int CGeneralOption::Load() {
    m_value = GetProfileInt(kSection, m_key, 1);
    return m_value;
}

void CGeneralOption::Save(int value) {
    WriteProfileInt(kSection, m_key, value);
    m_value = value;
}

CGeneralOption& VulnerabilityInColour() {
    static CGeneralOption option("ShowVulnerabilityInColour");
    return option;
}

CGeneralOption& ReviewShown() {
    static CGeneralOption option("ShowReview");
    return option;
}
