#include "app/command_line.h"

#include <cstdio>

#include "core/number_text.h"
#include "core/product.h"
#include "core/version.h"
#include "flight/calibration.h"
#include "platform/console_platform.h"
#include "records/data_file.h"

namespace dorvanta {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr const char* kProgramName = "dorvanta";

constexpr const char* kUsage =
    "usage: dorvanta [--user-data | --calibrate | --help | --version]\n"
    "  (no option)   play the game; high scores and the speed calibration are kept\n"
    "                in Dorvanta.dat in the working folder\n"
    "  --user-data   play the game with Dorvanta.dat in $XDG_DATA_HOME/dorvanta\n"
    "                (~/.local/share/dorvanta)\n"
    "  --calibrate   measure this machine's speed for 3 seconds, store the\n"
    "                calibration factor in Dorvanta.dat and print it\n"
    "  --help        show this help\n"
    "  --version     show the version\n";

}  // namespace

StartMode ReadCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return StartMode::Game;
    }
    if (arguments.size() > 1) {
        return StartMode::Unknown;
    }
    const std::string& option = arguments.front();
    if (option == "--user-data") {
        return StartMode::UserDataGame;
    }
    if (option == "--calibrate") {
        return StartMode::Calibrate;
    }
    if (option == "--help" || option == "-h") {
        return StartMode::Help;
    }
    if (option == "--version") {
        return StartMode::Version;
    }
    return StartMode::Unknown;
}

int RunPrintingMode(StartMode mode) {
    if (mode == StartMode::Help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (mode == StartMode::Version) {
        std::printf("3D %s %s\n", kProductName, kVersion);
        return 0;
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int RunCalibration(Platform& desktop) {
    ConsolePlatform console(desktop, kProgramName);
    try {
        const double factor = MeasureCalibrationFactor(console);
        DataFile(console).StoreCalibrationInWholeFile(factor);
        std::printf("%s\n", NumberText(factor).c_str());
        return 0;
    } catch (const QuitRequested&) {
        return kExitFailure;
    }
}

}  // namespace dorvanta
