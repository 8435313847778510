// Starts the game on the real desktop, or runs the option it was given. Qt
// gets only the program name, never the command line. Without a display Qt
// would end the program with lines of its own and an abort; the game says in
// one line what is missing and how to play, and --calibrate measures without
// a display instead.
#include <QApplication>
#include <QByteArray>
#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/game_start.h"
#include "core/form_main.h"
#include "core/product.h"
#include "core/version.h"
#include "platform/qt/qt_platform.h"

namespace {

using dorvanta::StartMode;

constexpr int kExitNoDisplay = 1;
constexpr const char* kOffscreen = "offscreen";

// Qt's messages while the application starts, held back: when it finds no
// display to open, the only line shown is `failure`. Otherwise they go out as
// they would have, or are dropped when the caller has said it better.
class StartMessages {
  public:
    explicit StartMessages(std::string failure) {
        failure_ = std::move(failure);
        previous_ = qInstallMessageHandler(Hold);
    }
    ~StartMessages() { qInstallMessageHandler(previous_); }
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

    void Release() {
        qInstallMessageHandler(previous_);
        for (const Held& message : held_) {
            const QMessageLogContext context(message.file.c_str(), message.line,
                                             message.function.c_str(), message.category.c_str());
            previous_(message.type, context, message.text);
        }
        held_.clear();
    }
    void Drop() {
        held_.clear();
        Release();
    }

  private:
    struct Held {
        QtMsgType type;
        std::string file, function, category;
        int line;
        QString text;
    };

    // Qt calls abort() after a fatal message unless the handler ends first.
    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "dorvanta: %s\n", failure_.c_str());
            std::_Exit(kExitNoDisplay);
        }
        held_.push_back({type, context.file ? context.file : "",
                         context.function ? context.function : "",
                         context.category ? context.category : "", context.line, text});
    }

    static inline std::string failure_;
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

std::string DisplayName() {
    const QByteArray x11 = qgetenv("DISPLAY");
    return x11.isEmpty() ? qgetenv("WAYLAND_DISPLAY").toStdString() : x11.toStdString();
}

std::string NoDisplayLine() {
    const std::string display = DisplayName();
    return (display.empty() ? std::string("no display to open the game's window on")
                            : "cannot open the game's window on display " + display) +
           "; play in a desktop session, or on a virtual display: xvfb-run dorvanta";
}

// The window system the game would use, then none: a display that cannot be
// opened does not stop a measurement.
QByteArray CalibrationPlatforms() {
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            platforms = "xcb";
        } else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            platforms = "wayland";
        }
    }
    if (platforms.isEmpty() || platforms == kOffscreen) {
        return kOffscreen;
    }
    return platforms + ";" + kOffscreen;
}

int Calibrate(char* program) {
    const QByteArray platforms = CalibrationPlatforms();
    qputenv("QT_QPA_PLATFORM", platforms);
    StartMessages messages("no window system to measure the speed of this machine on");
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, &program);
    if (QApplication::platformName() == kOffscreen && platforms != kOffscreen) {
        messages.Drop();
        std::fprintf(stderr, "dorvanta: cannot open display %s; measuring without it\n",
                     DisplayName().c_str());
    } else {
        messages.Release();
    }
    dorvanta::QtPlatform desktop;
    return dorvanta::RunCalibration(desktop);
}

int Play(char* program, StartMode mode) {
    int qtArgumentCount = 1;
    StartMessages messages(NoDisplayLine());
    QApplication application(qtArgumentCount, &program);
    messages.Release();
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
