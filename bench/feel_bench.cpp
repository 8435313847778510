// How the game feels on this machine with the real desktop, measured through
// the game's own controls and loops: three automatic calibrations, the cost of
// one yield, full gauge sweeps at every level and the 1250/45/0 throw at
// normal speed and in slow motion, each timed from the press to what the
// player sees. Nothing is tuned here. One "NAME VALUE" line per figure.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "core/form_main.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta {
namespace {

constexpr int kCalibrations = 3;
constexpr int kYieldSamples = 200000;
constexpr double kSettleSeconds = 0.5;

// The real desktop, except that every box is answered OK at once.
class BenchPlatform : public QtPlatform {
  public:
    BoxAnswer MessageBox(const std::string&, BoxButtons, const std::string&) override {
        return BoxAnswer::Ok;
    }
};

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void Print(const std::string& name, double value) {
    std::printf("%s %.6g\n", name.c_str(), value);
    std::fflush(stdout);
}

class FeelBench {
  public:
    FeelBench() : main_(platform_) {}

    void Run() {
        platform_.Guarded([this] {
            main_.Load();
            main_.Show();
            platform_.WaitUntil(Now() + kSettleSeconds, {});
            Calibrate();
            TimeYield();
            TimeSweeps();
            TimeFlight("flight_normal_s", false);
            TimeFlight("flight_slow_s", true);
        });
    }

  private:
    void Calibrate() {
        for (int i = 1; i <= kCalibrations; ++i) {
            Menu("MenuOptionAutoCalibrate");
            Print("calibration_factor_" + std::to_string(i), main_.CalibrationFactor);
        }
    }

    void TimeYield() {
        const double start = Now();
        for (int i = 0; i < kYieldSamples; ++i) {
            platform_.Yield();
        }
        Print("yield_us", (Now() - start) / kYieldSamples * 1e6);
    }

    void TimeSweeps() {
        const std::pair<const char*, const char*> levels[] = {
            {"beginner", "MenuOptionBeginner"},
            {"intermediate", "MenuOptionIntermediate"},
            {"expert", "MenuOptionExpert"},
            {"professional", "MenuOptionPro"}};
        for (const auto& [level, item] : levels) {
            Menu(item);
            Print(std::string("power_sweep_") + level + "_s", Sweep("TextPower", "", "1450", 1));
        }
        Menu("MenuOptionBeginner");
        Print("angle_sweep_beginner_s", Sweep("TextAngle", "", "85", 2));
        Print("azimuth_sweep_beginner_s", Sweep("TextAzimuth", "-8", "8", 3));
    }

    // Presses Shoot `presses` times, one inside the gauge of the press before,
    // and times the gauge box from showing `from` (or from the last press when
    // empty) until it shows `to`; then a new game stops the gauge.
    double Sweep(const char* box, const std::string& from, const std::string& to, int presses) {
        double start = 0, end = 0;
        QLineEdit& text = Widget<QLineEdit>(box);
        const auto watch = QObject::connect(&text, &QLineEdit::textChanged, [&](const QString& t) {
            if (start == 0 && !from.empty() && t.toStdString() == from) {
                start = Now();
            } else if (start != 0 && end == 0 && t.toStdString() == to) {
                end = Now();
                Later([this] { Menu("MenuOptionNewGame"); });
            }
        });
        PressShoot(presses, from.empty() ? &start : nullptr);
        QObject::disconnect(watch);
        return end - start;
    }

    // The first press runs here; each further one arrives in the first yield
    // of the gauge the press before started, the way a quick player's would.
    void PressShoot(int presses, double* lastPressTime) {
        Button& shoot = Control<Button>("CommandShoot");
        std::function<void(int)> press = [&](int left) {
            if (left > 1) {
                Later([&press, left] { press(left - 1); });
            } else if (lastPressTime != nullptr) {
                *lastPressTime = Now();
            }
            shoot.PressMouse(kLeftButton);
        };
        press(presses);
    }

    // The throw typed into the numeric-shot boxes, from the press until the
    // shot is scored (the made cup's pause is not timed).
    void TimeFlight(const char* name, bool slowMotion) {
        Menu("MenuOptionNewGame");
        if (!main_.FindMenuItem("MenuOptionNumericShooting")->Checked()) {
            Menu("MenuOptionNumericShooting");
        }
        if (slowMotion) {
            Control<Button>("CommandSlow").Click();
        }
        for (const auto& [box, value] : {std::pair{"TextPower", "1250"},
                                         {"TextAngle", "45"},
                                         {"TextAzimuth", "0"},
                                         {"TextHandX", "0"}}) {
            Control<TextBox>(box).SetText(value);
        }
        double end = 0, cpuEnd = 0;
        const auto watch =
            QObject::connect(&Widget<QLineEdit>("TextShotsMade"), &QLineEdit::textChanged, [&] {
                end = Now();
                cpuEnd = CpuSeconds();
            });
        const double start = Now();
        const double cpuStart = CpuSeconds();
        Control<Button>("CommandCheatShoot").Click();
        QObject::disconnect(watch);
        Print(name, end - start);
        if (!slowMotion) {
            Print("flight_normal_cpu_s", cpuEnd - cpuStart);
        }
    }

    void Menu(const char* item) { main_.FindMenuItem(item)->Click(); }

    void Later(std::function<void()> action) {
        QTimer::singleShot(0, [this, action = std::move(action)] { platform_.Guarded(action); });
    }

    template <class T>
    T& Control(const char* name) {
        return dynamic_cast<T&>(*main_.FindControl(name));
    }

    template <class W>
    W& Widget(const char* name) {
        return *platform_.WindowOf(main_)->findChild<W*>(name);
    }

    BenchPlatform platform_;
    FormMain main_;
};

}  // namespace
}  // namespace dorvanta

int main(int /*argc*/, char* argv[]) {
    // The game reads and writes its data file in the working folder.
    const auto folder = std::filesystem::temp_directory_path() / "dorvanta-feel-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::filesystem::remove("Dorvanta.dat");
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    dorvanta::FeelBench().Run();
    return 0;
}
