#include "core/platform/DataFolder.h"

namespace {
std::string g_folder;
}

void SetDataFolder(const std::string& folder) {
    g_folder = folder;
    if (!g_folder.empty() && g_folder.back() != '/') {
        g_folder += '/';
    }
}

std::string GetDataFolder() {
    return g_folder;
}
