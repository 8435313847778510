// Costs of the real desktop per animation step: one yield with nothing queued,
// one full-field frame rendered, one read of the time of day.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtGlobal>
#include <vector>

#include "platform/qt/picture_render.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta {
namespace {

constexpr int kFieldWidth = 8175;  // picture units
constexpr int kFieldHeight = 6975;
constexpr int kCups = 20;
constexpr Color kWhite = 0xFFFFFFu;

// A scene of the largest size a frame has: a table, twenty cups of two
// ellipses and two sides, a cross and a ball; 87 primitives.
std::vector<DrawCommand> FullFieldFrame() {
    using Kind = DrawCommand::Kind;
    std::vector<DrawCommand> frame{{Kind::Clear}};
    auto line = [&frame](float x1, float y1, float x2, float y2, Color color) {
        frame.push_back({Kind::Line, x1, y1, x2, y2, 0, 0, color});
    };
    line(2415, 3017, 5760, 3017, 0xC0C0C0u);
    line(2415, 3017, 1359, 6185, 0xC0C0C0u);
    line(6816, 6185, 5760, 3017, 0xC0C0C0u);
    line(6816, 6185, 1359, 6185, 0xC0C0C0u);
    for (int cup = 0; cup < kCups; ++cup) {
        const float x = 3500 + 120.0f * (cup % 10);
        const float y = cup < 10 ? 3270 : 5400;
        frame.push_back({Kind::Ellipse, x, y, 0, 0, 92, 0.1f, 0xFFu});
        frame.push_back({Kind::Ellipse, x, y - 290, 0, 0, 146, 0.1f, 0xFFu});
        line(x + 92, y, x + 146, y - 290, 0xFFu);
        line(x - 92, y, x - 146, y - 290, 0xFFu);
    }
    line(4000, 4600, 4175, 4600, 0);
    line(4087, 4512, 4087, 4687, 0);
    frame.push_back({Kind::Circle, 4087, 4600, 0, 0, 26, 0, 0x80FFu});
    return frame;
}

void BM_EmptyYield(benchmark::State& state) {
    QtPlatform platform;
    for (auto _ : state) {
        platform.Yield();
    }
}
BENCHMARK(BM_EmptyYield);

// Arguments: the window's scale (2 is about a maximised window on a full-HD
// screen) and the screen's device pixel ratio.
void BM_RenderFullField(benchmark::State& state) {
    const std::vector<DrawCommand> frame = FullFieldFrame();
    const auto scale = static_cast<double>(state.range(0));
    const QSize size(UnitsToPixels(kFieldWidth, scale), UnitsToPixels(kFieldHeight, scale));
    const auto devicePixelRatio = static_cast<double>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderDisplayList(frame, kWhite, size, scale, devicePixelRatio));
    }
}
BENCHMARK(BM_RenderFullField)
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_TimeOfDay(benchmark::State& state) {
    QtPlatform platform;
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform.TimeOfDay());
    }
}
BENCHMARK(BM_TimeOfDay);

}  // namespace
}  // namespace dorvanta

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
