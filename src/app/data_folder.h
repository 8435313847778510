// A game started from the desktop's launcher keeps its data file in the
// player's own data folder, made on first use: $XDG_DATA_HOME/dorvanta
// (usually ~/.local/share/dorvanta) on Linux, %APPDATA%\Dorvanta on Windows.
#pragma once

#include <filesystem>

namespace dorvanta {

class Platform;

// Where a game started from the launcher keeps its data file; empty when the
// system names no folder for the player's data.
std::filesystem::path UserDataFolder();

// Makes `folder` if needed and works in it from now on. A folder that cannot
// be made or entered is reported with the system's description and ends the
// program.
void EnterDataFolder(Platform& platform, const std::filesystem::path& folder);

}  // namespace dorvanta
