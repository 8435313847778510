#include "app/command_line.h"

#include <QApplication>
#include <QtGlobal>
#include <cstdio>

#include "core/number_text.h"
#include "core/product.h"
#include "core/version.h"
#include "flight/calibration.h"
#include "platform/qt/qt_platform.h"
#include "records/data_file.h"

namespace dorvanta {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: dorvanta [--user-data | --calibrate | --help | --version]\n"
    "  (no option)   play the game; high scores and the speed calibration are kept\n"
    "                in Dorvanta.dat in the working folder\n"
    "  --user-data   play the game with Dorvanta.dat in $XDG_DATA_HOME/dorvanta\n"
    "                (~/.local/share/dorvanta), prepared there on the first start\n"
    "  --calibrate   measure this machine's speed for 3 seconds, store the\n"
    "                calibration factor in Dorvanta.dat and print it\n"
    "  --help        show this help\n"
    "  --version     show the version\n";

// The desktop without windows: a box the game would show goes to the error
// stream, and the end of the program unwinds to the caller.
class ConsolePlatform : public QtPlatform {
  public:
    BoxAnswer MessageBox(const std::string& text, BoxButtons, const std::string&) override {
        std::fprintf(stderr, "dorvanta: %s\n", text.c_str());
        return BoxAnswer::Ok;
    }
    [[noreturn]] void EndProgram() override { throw QuitRequested{}; }
};

// On a desktop the yields go through the same window system as the game's, so
// the factor is the one the game's own calibration would measure there; with
// no display at all Qt's offscreen platform stands in.
int Calibrate(char* program) {
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noDisplay) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, &program);
    ConsolePlatform platform;
    try {
        const double factor = MeasureCalibrationFactor(platform);
        DataFile(platform).StoreCalibration(factor);
        std::printf("%s\n", NumberText(factor).c_str());
        return 0;
    } catch (const QuitRequested&) {
        return kExitFailure;
    }
}

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

int RunCommandLineMode(StartMode mode, char* program) {
    switch (mode) {
        case StartMode::Calibrate:
            return Calibrate(program);
        case StartMode::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case StartMode::Version:
            std::printf("3D %s %s\n", kProductName, kVersion);
            return 0;
        case StartMode::Game:
        case StartMode::UserDataGame:
        case StartMode::Unknown:
            break;
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

}  // namespace dorvanta
