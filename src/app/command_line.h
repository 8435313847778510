// What the program does when started with an option, alike on every desktop:
// print its help or version, or measure the machine's speed for the data file
// without opening a window. Without an option it is the game in the working
// folder; with --user-data, as the launcher starts it, the game in the
// player's own folder.
#pragma once

#include <string>
#include <vector>

namespace dorvanta {

class Platform;

enum class StartMode { Game, UserDataGame, Calibrate, Help, Version, Unknown };

StartMode ReadCommandLine(const std::vector<std::string>& arguments);

// Runs a mode that only prints - the help, the version, or the usage for what
// it does not know - and returns the exit status.
int RunPrintingMode(StartMode mode);

// --calibrate: measures on `desktop`, so that the factor is the one the game's
// own calibration would measure there, stores it in the working folder's data
// file, with the rest of a new player's file where the file lacks it, and
// prints it. What the game would show in a box goes to the error stream.
// Returns the exit status.
int RunCalibration(Platform& desktop);

}  // namespace dorvanta
