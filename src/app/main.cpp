// Starts the game on the real desktop, or runs the option it was given. Qt
// gets only the program name, never the command line.
#include <QApplication>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/first_start.h"
#include "core/form_main.h"
#include "core/product.h"
#include "core/version.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    using dorvanta::StartMode;
    const StartMode mode =
        dorvanta::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (mode != StartMode::Game && mode != StartMode::UserDataGame) {
        return dorvanta::RunCommandLineMode(mode, argv[0]);
    }

    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    QApplication::setApplicationName(dorvanta::kProductName);
    // Lets the desktop match the window to its launcher entry and icon.
    QApplication::setDesktopFileName(dorvanta::kApplicationId);
    // The main window's close control ends the program through the game itself.
    QApplication::setQuitOnLastWindowClosed(false);

    dorvanta::QtPlatform platform;
    dorvanta::FormMain mainWindow(platform);
    platform.Guarded([&] {
        if (mode == StartMode::UserDataGame) {
            dorvanta::EnterDataFolder(platform, dorvanta::UserDataFolder());
        }
        mainWindow.Load();
        mainWindow.Show();
    });
    if (platform.Ending()) {
        return 0;
    }
    return QApplication::exec();
}
