// Starts the game on the real desktop, or runs the option it was given. Qt
// gets only the program name, never the command line.
#include <QApplication>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "core/game_state.h"
#include "core/product.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    const dorvanta::StartMode mode =
        dorvanta::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (mode != dorvanta::StartMode::Game) {
        return dorvanta::RunCommandLineMode(mode, argv[0]);
    }

    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    QApplication::setApplicationName(dorvanta::kProductName);
    // The main window's close control ends the program through the game itself.
    QApplication::setQuitOnLastWindowClosed(false);

    dorvanta::QtPlatform platform;
    dorvanta::FormMain mainWindow(platform);
    platform.Guarded([&mainWindow] {
        mainWindow.Load();
        mainWindow.Show();
    });
    if (platform.Ending()) {
        return 0;
    }
    return QApplication::exec();
}
