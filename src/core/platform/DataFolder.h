#pragma once

#include <string>

// The folder where the program keeps files of its own for the user (the log-book), with a
// trailing "/". The GUI and lvtool set it from the platform; tests set a temporary folder.
void SetDataFolder(const std::string& folder);
std::string GetDataFolder();
