// How the game feels on this machine with the real desktop, measured through
// the game's own controls and loops: three automatic calibrations, the cost of
// one yield, full gauge sweeps at every level, the 1250/45/0 throw at normal
// speed and in slow motion, a paused flight, the pause after a made cup and
// the delay of a press, each timed from the press to what the player sees,
// with the processor time spent meanwhile; then some of them again while two
// busy child processes compete for the cores. Nothing is tuned here. One
// "NAME VALUE" line per figure.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/form_main.h"
#include "core/number_text.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta {
namespace {

constexpr int kCalibrations = 3;
constexpr int kYieldSamples = 200000;
constexpr double kSettleSeconds = 0.5;
constexpr int kPauseAfterMillis = 1000;  // into the flight
constexpr int kPauseMillis = 2200;
constexpr int kLatencyPresses = 25;
// Each latency press lands this long after its gauge starts, spread over
// several steps so that it meets the gauge at every point of a step.
constexpr int kFirstPressMillis = 150;
constexpr int kPressSpreadMillis = 250;
constexpr int kPressSpreadStride = 37;
constexpr double kMillisPerSecond = 1000;
constexpr int kBusyChildren = 2;

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

// Processor seconds of the whole process, every thread included.
double CpuSeconds() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// A moment on both clocks; the difference of two is a span of both.
struct Mark {
    double wall = 0, cpu = 0;
    static Mark Taken() { return {Now(), CpuSeconds()}; }
    bool Set() const { return wall != 0; }
    Mark operator-(const Mark& earlier) const { return {wall - earlier.wall, cpu - earlier.cpu}; }
};

void Print(const std::string& name, double value) {
    std::printf("%s %.6g\n", name.c_str(), value);
    std::fflush(stdout);
}

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

// Processes that only burn processor time, as a build beside the game does,
// from construction to destruction.
class BusyChildren {
  public:
    BusyChildren() {
        for (pid_t& child : children_) {
            child = fork();
            if (child == 0) {
                std::atomic<unsigned long> spins = 0;
                for (;;) {
                    spins.fetch_add(1, std::memory_order_relaxed);
                }
            }
        }
    }
    ~BusyChildren() {
        for (const pid_t child : children_) {
            if (child > 0) {
                kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
            }
        }
    }
    BusyChildren(const BusyChildren&) = delete;
    BusyChildren& operator=(const BusyChildren&) = delete;

  private:
    std::array<pid_t, kBusyChildren> children_{};
};

// What a thrown ball took: from the press to the scored shot, and the pause
// after the made cup until the turn is handed on.
struct ThrowTimes {
    Mark flight, madeCupPause;
};

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
            TimeThrows();
            TimePause();
            TimePressLatency();
            TimeUnderLoad();
        });
    }

  private:
    void Calibrate() {
        std::vector<double> factors;
        for (int i = 1; i <= kCalibrations; ++i) {
            Menu("MenuOptionAutoCalibrate");
            factors.push_back(main_.CalibrationFactor);
            Print("calibration_factor_" + std::to_string(i), main_.CalibrationFactor);
        }
        // The quiet factor every later figure runs with.
        quietFactor_ = Median(factors);
        TypeFactor(quietFactor_);
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
            const Mark sweep = Sweep("TextPower", "", "1450", 1);
            const std::string name = std::string("power_sweep_") + level;
            Print(name + "_s", sweep.wall);
            if (name == "power_sweep_beginner" || name == "power_sweep_professional") {
                Print(name + "_cpu_s", sweep.cpu);
            }
        }
        Menu("MenuOptionBeginner");
        Print("angle_sweep_beginner_s", Sweep("TextAngle", "", "85", 2).wall);
        Print("azimuth_sweep_beginner_s", Sweep("TextAzimuth", "-8", "8", 3).wall);
        TypeFactor(2 * quietFactor_);
        Print("power_sweep_beginner_double_factor_s", Sweep("TextPower", "", "1450", 1).wall);
        TypeFactor(quietFactor_);
    }

    // Presses Shoot `presses` times, one inside the gauge of the press before,
    // and times the gauge box from showing `from` (or from the last press when
    // empty) until it shows `to`; then a new game stops the gauge.
    Mark Sweep(const char* box, const std::string& from, const std::string& to, int presses) {
        Mark start, end;
        QLineEdit& text = Widget<QLineEdit>(box);
        const auto watch = QObject::connect(&text, &QLineEdit::textChanged, [&](const QString& t) {
            if (!start.Set() && !from.empty() && t.toStdString() == from) {
                start = Mark::Taken();
            } else if (start.Set() && !end.Set() && t.toStdString() == to) {
                end = Mark::Taken();
                Later([this] { Menu("MenuOptionNewGame"); });
            }
        });
        PressShoot(presses, from.empty() ? &start : nullptr);
        QObject::disconnect(watch);
        return end - start;
    }

    // The first press runs here; each further one arrives in the first yield
    // of the gauge the press before started, the way a quick player's would.
    void PressShoot(int presses, Mark* lastPress) {
        Button& shoot = Control<Button>("CommandShoot");
        std::function<void(int)> press = [&](int left) {
            if (left > 1) {
                Later([&press, left] { press(left - 1); });
            } else if (lastPress != nullptr) {
                *lastPress = Mark::Taken();
            }
            shoot.PressMouse(kLeftButton);
        };
        press(presses);
    }

    void TimeThrows() {
        const ThrowTimes normal = Throw(false);
        Print("flight_normal_s", normal.flight.wall);
        Print("flight_normal_cpu_s", normal.flight.cpu);
        Print("made_cup_pause_s", normal.madeCupPause.wall);
        Print("made_cup_pause_cpu_s", normal.madeCupPause.cpu);
        Print("flight_slow_s", Throw(true).flight.wall);
    }

    // The throw typed into the numeric-shot boxes, from the press until the
    // shot is scored, and the made cup's pause after it.
    ThrowTimes Throw(bool slowMotion) {
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
        Mark scored;
        const auto watch =
            QObject::connect(&Widget<QLineEdit>("TextShotsMade"), &QLineEdit::textChanged,
                             [&] { scored = Mark::Taken(); });
        const Mark start = Mark::Taken();
        Control<Button>("CommandCheatShoot").Click();
        const Mark handedOn = Mark::Taken();
        QObject::disconnect(watch);
        return {scored - start, handedOn - scored};
    }

    // The same throw, paused a second into its flight and released a while
    // later; the pause is timed from click to click.
    void TimePause() {
        Mark paused, released;
        QTimer::singleShot(kPauseAfterMillis, [&] {
            Click("CommandPause");
            paused = Mark::Taken();
            QTimer::singleShot(kPauseMillis, [&] {
                released = Mark::Taken();
                Click("CommandPause");
            });
        });
        Throw(false);
        const Mark pause = released - paused;
        Print("pause_s", pause.wall);
        Print("pause_cpu_s", pause.cpu);
    }

    // A press of the mouse sent to the Shoot button from another thread while
    // the Beginner power gauge runs, as the window system sends one, timed
    // until the vertical angle gauge shows its first step (the power gauge has
    // stopped by then).
    void TimePressLatency() {
        Menu("MenuOptionBeginner");
        QPushButton& button = Widget<QPushButton>("CommandShoot");
        const QPointF at(button.width() / 2.0, button.height() / 2.0);
        std::vector<double> latencies;
        for (int i = 0; i < kLatencyPresses; ++i) {
            std::atomic<double> sent = 0;
            double stopped = 0;
            const auto watch =
                QObject::connect(&Widget<QLineEdit>("TextAngle"), &QLineEdit::textChanged, [&] {
                    if (sent != 0 && stopped == 0) {
                        stopped = Now();
                        Later([this] { Menu("MenuOptionNewGame"); });
                    }
                });
            const auto delay = std::chrono::milliseconds(
                kFirstPressMillis + i * kPressSpreadStride % kPressSpreadMillis);
            auto* press = new QMouseEvent(QEvent::MouseButtonPress, at, button.mapToGlobal(at),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            auto* release = new QMouseEvent(QEvent::MouseButtonRelease, at, button.mapToGlobal(at),
                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            std::thread player([&sent, &button, delay, press, release] {
                std::this_thread::sleep_for(delay);
                sent = Now();
                QCoreApplication::postEvent(&button, press);
                QCoreApplication::postEvent(&button, release);
            });
            PressShoot(1, nullptr);
            player.join();
            QObject::disconnect(watch);
            latencies.push_back(stopped - sent);
        }
        Print("press_latency_ms", Median(latencies) * kMillisPerSecond);
    }

    void TimeUnderLoad() {
        const BusyChildren load;
        Menu("MenuOptionBeginner");
        Print("power_sweep_beginner_loaded_s", Sweep("TextPower", "", "1450", 1).wall);
        Print("flight_normal_loaded_s", Throw(false).flight.wall);
        Menu("MenuOptionAutoCalibrate");
        Print("calibration_factor_loaded", main_.CalibrationFactor);
        TypeFactor(quietFactor_);
    }

    // A factor typed into the calibration window, the way a player sets one.
    void TypeFactor(double factor) {
        Menu("MenuOptionCalibrate");
        Form& window = *platform_.LoadedForm("FormCalibrate");
        dynamic_cast<TextBox&>(*window.FindControl("TextCalibrationFactor"))
            .SetText(NumberText(factor));
        dynamic_cast<Button&>(*window.FindControl("CommandOkay")).Click();
    }

    void Menu(const char* item) { main_.FindMenuItem(item)->Click(); }
    void Click(const char* button) {
        platform_.Guarded([this, button] { Control<Button>(button).Click(); });
    }

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
    double quietFactor_ = 0;
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
