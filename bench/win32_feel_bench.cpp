// How the game feels on the native Windows desktop, measured through the
// game's own controls and loops as a player starts it from the Start menu: the
// first start in the player's data folder measures the machine, then a
// Beginner power sweep, the 1250/45/0 throw at normal speed and the pause
// after its made cup, each with the processor time spent meanwhile. Run it
// under Wine with APPDATA naming an empty folder. One "NAME VALUE" line per
// figure.
#include <cstdio>
#include <functional>
#include <string>

#include "app/game_start.h"
#include "core/form_main.h"
#include "core/product.h"
#include "platform/win32/win32_platform.h"

namespace dorvanta {
namespace {

// The real desktop, except that every box is answered OK at once.
class BenchPlatform : public Win32Platform {
  public:
    using Win32Platform::Win32Platform;
    BoxAnswer MessageBox(const std::string&, BoxButtons, const std::string&) override {
        return BoxAnswer::Ok;
    }
};

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& time) {
        constexpr double kTicksPerSecond = 1e7;
        return static_cast<double>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               kTicksPerSecond;
    };
    return seconds(kernel) + seconds(user);
}

void Print(const char* name, double value) {
    std::printf("%s %.6g\n", name, value);
    std::fflush(stdout);
}

// A moment on both clocks.
struct Mark {
    double wall = 0, cpu = 0;
};

class FeelBench {
  public:
    explicit FeelBench(HINSTANCE instance) : platform_(instance, kProductName), main_(platform_) {}

    void Run() {
        platform_.Guarded([this] {
            StartGame(platform_, main_, DataFolder::Player);
            Print("calibration_factor", main_.CalibrationFactor);
            TimeSweep();
            TimeThrow();
        });
    }

  private:
    Mark Taken() { return {platform_.MonotonicSeconds(), CpuSeconds()}; }

    template <class Kind>
    Kind& Control(const char* name) {
        return static_cast<Kind&>(*main_.FindControl(name));
    }

    // From the press that starts the power gauge until it shows its top; the
    // processor's share is taken over a longer run, on down to the bottom and
    // back up to the top, as one sweep's tenth of a second is too coarse for
    // it. Then a new game stops the gauge.
    void TimeSweep() {
        Mark top, again;
        bool down = false;
        Control<TextBox>("TextPower").onChange = [&] {
            const std::string shown = Control<TextBox>("TextPower").Text();
            down = down || shown == "1100";
            if (shown != "1450") {
                return;
            }
            if (top.wall == 0) {
                top = Taken();
            } else if (down && again.wall == 0) {
                again = Taken();
                main_.FindMenuItem("MenuOptionNewGame")->Click();
            }
        };
        const Mark start = Taken();
        Control<Button>("CommandShoot").onMouseDown(kLeftButton);
        Control<TextBox>("TextPower").onChange = nullptr;
        Print("power_sweep_beginner_s", top.wall - start.wall);
        Print("power_sweep_beginner_cpu_s", top.cpu - start.cpu);
        Print("gauge_cpu_share", (again.cpu - start.cpu) / (again.wall - start.wall));
    }

    // From the numeric shot until it is scored, then the pause after its cup.
    void TimeThrow() {
        main_.FindMenuItem("MenuOptionIndividual")->Click();
        main_.FindMenuItem("MenuOptionNumericShooting")->Click();
        Control<TextBox>("TextPower").SetText("1250");
        Control<TextBox>("TextAngle").SetText("45");
        Control<TextBox>("TextAzimuth").SetText("0");
        Control<TextBox>("TextHandX").SetText("0");
        Mark scored;
        Control<TextBox>("TextShotsMade").onChange = [this, &scored] { scored = Taken(); };
        const Mark start = Taken();
        Control<Button>("CommandCheatShoot").Click();
        const Mark end = Taken();
        Print("flight_normal_s", scored.wall - start.wall);
        Print("flight_normal_cpu_s", scored.cpu - start.cpu);
        Print("made_cup_pause_s", end.wall - scored.wall);
        Print("made_cup_pause_cpu_s", end.cpu - scored.cpu);
    }

    BenchPlatform platform_;
    FormMain main_;
};

}  // namespace
}  // namespace dorvanta

int main() {
    dorvanta::FeelBench(GetModuleHandleW(nullptr)).Run();
    return 0;
}
