// Starts the game on the real desktop. Command-line arguments are not read; Qt
// gets only the program name.
#include <QApplication>

#include "core/game_state.h"
#include "core/product.h"
#include "platform/qt/qt_platform.h"

int main(int /*argc*/, char* argv[]) {
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
