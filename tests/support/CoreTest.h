#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "CMemorySettingsStore.h"
#include "CScriptedPrompts.h"

// A test with its own settings store, scripted prompts and temporary folder, installed for
// the test's duration so that nothing reaches the user's settings or the desktop.
class CoreTest : public ::testing::Test {
protected:
    CoreTest();
    ~CoreTest() override;

    // A path inside the test's temporary folder.
    std::string TempPath(const std::string& name) const;

    CMemorySettingsStore settings;
    CScriptedPrompts prompts;

private:
    std::filesystem::path m_tempDir;
};

// Whole files as bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// A file of the project's test data.
std::string TestDataPath(const std::string& relative);
