// dorvanta-lab store LEVEL SHOTS NAME: what the game does with a high score at
// a win, from the command line, on the data file in the current directory:
// stores it when it beats the level's record as the file holds it, and prints
// the record the file then holds as "SHOTS NAME". Many at once show how saves
// of separate games meet.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "lab_commands.h"
#include "platform/console_platform.h"
#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "scenarios/arguments.h"

namespace dorvanta::lab {

int RunStore(const Arguments& args) {
    const std::optional<int> level = args.size() == 3 ? WholeArgument<int>(args[0]) : std::nullopt;
    const std::optional<std::int16_t> shots =
        args.size() == 3 ? WholeArgument<std::int16_t>(args[1]) : std::nullopt;
    if (!level || *level < 1 || *level > kLevelCount || !shots) {
        std::fprintf(stderr, "usage: dorvanta-lab store LEVEL(1-4) SHOTS NAME\n");
        return 2;
    }
    ScriptedPlatform desktop;
    ConsolePlatform console(desktop, "dorvanta-lab");
    try {
        const HighScore held = DataFile(console).StoreBetterHighScore(*level, args[2], *shots);
        std::printf("%d %s\n", held.Score, held.Name.c_str());
        return 0;
    } catch (const QuitRequested&) {
        return 1;
    }
}

}  // namespace dorvanta::lab
