// Starts the game on the real desktop, or runs the option it was given. Qt
// gets only the program name, never the command line.
#include <QApplication>
#include <QtGlobal>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_start.h"
#include "core/form_main.h"
#include "core/product.h"
#include "core/version.h"
#include "platform/qt/qt_platform.h"

namespace {

using dorvanta::StartMode;

// On a desktop the yields go through the same window system as the game's, so
// the factor is the one the game's own calibration would measure there; with
// no display at all Qt's offscreen platform stands in.
int Calibrate(char* program) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, &program);
    dorvanta::QtPlatform desktop;
    return dorvanta::RunCalibration(desktop);
}

int Play(char* program, StartMode mode) {
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, &program);
    QApplication::setApplicationName(dorvanta::kProductName);
    // Lets the desktop match the window to its launcher entry and icon.
    QApplication::setDesktopFileName(dorvanta::kApplicationId);
    // The main window's close control ends the program through the game itself.
    QApplication::setQuitOnLastWindowClosed(false);

    dorvanta::QtPlatform platform;
    dorvanta::FormMain mainWindow(platform);
    platform.Guarded([&] {
        dorvanta::StartGame(platform, mainWindow,
                            mode == StartMode::UserDataGame ? dorvanta::DataFolder::Player
                                                            : dorvanta::DataFolder::Working);
    });
    if (platform.Ending()) {
        return 0;
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    const StartMode mode =
        dorvanta::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (mode) {
        case StartMode::Game:
        case StartMode::UserDataGame:
            return Play(argv[0], mode);
        case StartMode::Calibrate:
            return Calibrate(argv[0]);
        case StartMode::Help:
        case StartMode::Version:
        case StartMode::Unknown:
            break;
    }
    return dorvanta::RunPrintingMode(mode);
}
