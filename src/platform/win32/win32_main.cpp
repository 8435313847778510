// Starts the game on the native Windows desktop, in the working folder. It is
// a program of the graphical subsystem, so no console opens when it starts
// from the Start menu; started from a console with options, it prints there.
#include <cstdio>
#include <string>
#include <vector>

#include "core/form_main.h"
#include "core/product.h"
#include "platform/win32/win32_platform.h"

namespace {

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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::vector<std::string> arguments = Arguments();
    if (!arguments.empty()) {
        AttachParentConsole();
    }
    // OPTIONS: --user-data, --calibrate, --help and --version are dispatched
    // here from `arguments` once the start-up options no longer need the Qt
    // desktop. Until then every start is the game in the working folder.

    dorvanta::Win32Platform platform(instance, dorvanta::kProductName);
    dorvanta::FormMain mainWindow(platform);
    platform.Guarded([&] {
        mainWindow.Load();
        mainWindow.Show();
    });
    return platform.Run();
}
