// Starts the game on the native Windows desktop, or runs the option it was
// given. It is a program of the graphical subsystem, so no console opens when
// it starts from the Start menu; started from a console with an option, it
// prints there.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_start.h"
#include "core/form_main.h"
#include "core/product.h"
#include "platform/win32/win32_platform.h"

namespace {

using dorvanta::StartMode;

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(dorvanta::Narrow(words[i]));
    }
    LocalFree(words);
    return arguments;
}

// What the program prints goes to the console it was started from, if any.
void AttachParentConsole() {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}

int Play(HINSTANCE instance, StartMode mode) {
    dorvanta::Win32Platform platform(instance, dorvanta::kProductName);
    dorvanta::FormMain mainWindow(platform);
    platform.Guarded([&] {
        dorvanta::StartGame(platform, mainWindow,
                            mode == StartMode::UserDataGame ? dorvanta::DataFolder::Player
                                                            : dorvanta::DataFolder::Working);
    });
    return platform.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::vector<std::string> arguments = Arguments();
    const StartMode mode = dorvanta::ReadCommandLine(arguments);
    if (!arguments.empty()) {
        AttachParentConsole();
    }
    switch (mode) {
        case StartMode::Game:
        case StartMode::UserDataGame:
            return Play(instance, mode);
        case StartMode::Calibrate: {
            dorvanta::Win32Platform desktop(instance, dorvanta::kProductName);
            return dorvanta::RunCalibration(desktop);
        }
        case StartMode::Help:
        case StartMode::Version:
        case StartMode::Unknown:
            break;
    }
    return dorvanta::RunPrintingMode(mode);
}
