#include "CoreTest.h"

#include <fstream>
#include <random>
#include <sstream>

#include "core/platform/DataFolder.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"

CoreTest::CoreTest() {
    std::random_device random;
    m_tempDir = std::filesystem::temp_directory_path() /
                ("lorvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_tempDir);
    SetSettingsStore(&settings);
    SetPrompts(&prompts);
    SetDataFolder(m_tempDir.string());
}

CoreTest::~CoreTest() {
    SetSettingsStore(nullptr);
    SetPrompts(nullptr);
    SetDataFolder("");
    std::error_code ignored;
    std::filesystem::remove_all(m_tempDir, ignored);
}

std::string CoreTest::TempPath(const std::string& name) const {
    return (m_tempDir / name).string();
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string TestDataPath(const std::string& relative) {
    return std::string(TEST_DATA_DIR) + "/" + relative;
}
