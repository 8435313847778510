// dorvanta-lab: a developer tool built from the game library. It projects
// points, flies single balls, plays scripted games, plays at random and stores
// high scores, all headless, in the user's locale as the game's desktop runs.
#include <clocale>
#include <cstdio>
#include <string>

#include "lab_commands.h"

int main(int argc, char** argv) {
    using namespace dorvanta::lab;
    std::setlocale(LC_ALL, "");
    const Arguments args(argv + (argc > 1 ? 2 : argc), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "project") {
        return RunProject(args);
    }
    if (command == "flight") {
        return RunFlight(args);
    }
    if (command == "scenario") {
        return RunScenario(args);
    }
    if (command == "monkey") {
        return RunMonkey(args);
    }
    if (command == "store") {
        return RunStore(args);
    }
    std::fprintf(stderr, "usage: dorvanta-lab project|flight|scenario|monkey|store ARGUMENTS...\n");
    return 2;
}
