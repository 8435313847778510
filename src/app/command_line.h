// What the program does when started with an option: print its help or
// version, or measure the machine's speed for the data file without opening
// a window. Without an option it is the game in the working folder; with
// --user-data, as the launcher starts it, the game in the player's own folder.
#pragma once

#include <string>
#include <vector>

namespace dorvanta {

enum class StartMode { Game, UserDataGame, Calibrate, Help, Version, Unknown };

StartMode ReadCommandLine(const std::vector<std::string>& arguments);

// Runs a mode other than the two games; returns the exit status. `program` is argv[0].
int RunCommandLineMode(StartMode mode, char* program);

}  // namespace dorvanta
