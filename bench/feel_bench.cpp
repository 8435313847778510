// How the game feels on this machine with the real desktop: the calibration
// factor the automatic calibration measures, the cost of one yield and of one
// time-of-day read, and with that factor the wall time of a Beginner power
// sweep and of one straight flight at normal speed and in slow motion. The
// sweep and the flight are timed as their loops pace them: per step one
// redraw and the step's yields. Slow motion is timed on a sample of steps and
// scaled to the whole flight. Nothing is tuned here; the numbers are reported.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "flight/fly_ball.h"
#include "flight/pacing.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta {
namespace {

constexpr int kYieldSamples = 200000;
constexpr int kClockSamples = 1000000;
constexpr int kPowerSteps = 700;          // 1100 to 1450 in half units
constexpr double kPowerMeterDelay = 0.2;  // Beginner, skill factor 1
constexpr double kFlightDelay = 0.001;
constexpr double kSlowMotion = 300;
constexpr int kSlowMotionSampleSteps = 10;

// The real desktop, except that the calibration's "Calibration Completed"
// box is answered at once so the program can go on.
class BenchPlatform : public QtPlatform {
  public:
    BoxAnswer MessageBox(const std::string&, BoxButtons, const std::string&) override {
        return BoxAnswer::Ok;
    }
};

double SecondsOf(const std::function<void()>& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Steps of the 1250/45/0 throw into a full far rack, without drawing or pacing.
std::int64_t StraightThrowSteps(GameStateProbe& probe) {
    CupArray<Flag> standing{};
    standing.fill(kTrue);
    CupArray<double> cupX{}, cupZ{};
    probe.NewRackLayout(false, cupX, cupZ);
    double rackZ = probe.Get("RackZ"), baseY = 0, x = 0, y = 0, z = 0;
    const double handZ = -48;
    Flag inCup = kFalse, stop = kFalse, paused = kFalse;
    std::int16_t nearest = 0;
    FlightHooks noHooks;
    return FlyBall(LaunchFromShot(1250, 45, 0, 0, 30, handZ),
                   FlightRack{standing, cupX, cupZ, rackZ, baseY},
                   FlightEnds{FlightHeading::TowardFarRack, handZ},
                   FlightBall{x, y, z, inCup, stop, paused, nearest}, FlightPhysics{}, noHooks);
}

int Run() {
    // The calibration writes the data file: keep it out of the caller's folder.
    const auto folder = std::filesystem::temp_directory_path() / "dorvanta-feel-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);

    BenchPlatform platform;
    FormMain main(platform);
    GameStateProbe probe(main);
    main.Load();
    main.Show();
    platform.Yield();

    main.CalibrateToSystem();
    const double factor = main.CalibrationFactor;
    std::printf("platform                 %s\n", QApplication::platformName().toUtf8().data());
    std::printf("calibration factor       %.1f passes per 1/100 s\n", factor);

    const double yieldSeconds = SecondsOf([&] {
        for (int i = 0; i < kYieldSamples; ++i) {
            platform.Yield();
        }
    });
    std::printf("one yield                %.3f us\n", yieldSeconds / kYieldSamples * 1e6);
    double sink = 0;
    const double clockSeconds = SecondsOf([&] {
        for (int i = 0; i < kClockSamples; ++i) {
            sink += platform.TimeOfDay();
        }
    });
    std::printf("one time-of-day read     %.3f us\n", clockSeconds / kClockSamples * 1e6);

    const double sweepSeconds = SecondsOf([&] {
        for (int step = 0; step < kPowerSteps; ++step) {
            probe.DrawMeters();
            PaceStep(platform, kPowerMeterDelay * factor);
        }
    });
    std::printf("Beginner power sweep     %.3f s (%d steps x %lld yields + meters)\n", sweepSeconds,
                kPowerSteps, static_cast<long long>(YieldCount(kPowerMeterDelay * factor)));

    const std::int64_t steps = StraightThrowSteps(probe);
    const auto flightStep = [&](double slowFactor) {
        main.DrawScene();
        PaceStep(platform, kFlightDelay * factor * slowFactor);
    };
    const double normalSeconds = SecondsOf([&] {
        for (std::int64_t step = 0; step < steps; ++step) {
            flightStep(1);
        }
    });
    std::printf("1250/45/0 flight normal  %.3f s (%lld steps x %lld yields + scene)\n",
                normalSeconds, static_cast<long long>(steps),
                static_cast<long long>(YieldCount(kFlightDelay * factor)));
    const double sampleSeconds = SecondsOf([&] {
        for (int step = 0; step < kSlowMotionSampleSteps; ++step) {
            flightStep(kSlowMotion);
        }
    });
    std::printf("1250/45/0 flight slow    %.1f s (%lld yields a step; %d steps timed)\n",
                sampleSeconds / kSlowMotionSampleSteps * static_cast<double>(steps),
                static_cast<long long>(YieldCount(kFlightDelay * factor * kSlowMotion)),
                kSlowMotionSampleSteps);
    return sink > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace
}  // namespace dorvanta

int main(int /*argc*/, char* argv[]) {
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    return dorvanta::Run();
}
