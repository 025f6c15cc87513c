#pragma once

// Installs the Qt-backed settings store and the user's data folder
// (~/.local/share/Fendrake/Lorvane) for the rest of the run.
void InstallQtPlatform();
