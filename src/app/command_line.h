// What the program does when started with an option: print its help or
// version, or measure the machine's speed for the data file without opening
// a window. Without an option it is the game.
#pragma once

#include <string>
#include <vector>

namespace dorvanta {

enum class StartMode { Game, Calibrate, Help, Version, Unknown };

StartMode ReadCommandLine(const std::vector<std::string>& arguments);

// Runs a mode other than Game; returns the exit status. `program` is argv[0].
int RunCommandLineMode(StartMode mode, char* program);

}  // namespace dorvanta
