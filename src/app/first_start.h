// A game started from the desktop's launcher keeps its data file in the
// player's own data folder ($XDG_DATA_HOME/dorvanta, usually
// ~/.local/share/dorvanta), made on first use. On that first start the game
// prepares the file itself as for a new player: no high-score holders and this
// machine's speed measured, with a notice on screen while it measures.
#pragma once

#include <filesystem>

namespace dorvanta {

class Platform;

// Where a game started from the launcher keeps its data file.
std::filesystem::path UserDataFolder();

// Makes `folder` if needed and works in it from now on; a data file is
// prepared there when it has none. A folder that cannot be made is reported
// with the system's description and ends the program.
void EnterDataFolder(Platform& platform, const std::filesystem::path& folder);

// Writes a new player's data file in the working folder: "Anonymous" with 999
// shots at every level and a measured calibration. It is prepared aside and
// takes its name whole, so a start cut short leaves no half-made file.
void PrepareNewPlayersDataFile(Platform& platform);

}  // namespace dorvanta
