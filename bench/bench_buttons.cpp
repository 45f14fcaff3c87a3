// Building the faces of the window's 28 page buttons from one 126 x 40
// picture, as happens at start and on every change of the system colours.
// Target: under 20 ms for all 28. The "ratio" counter compares with a baseline
// measured in the same run: 56 plain copies of the picture (one per face), the
// least any face building has to do.
#include "noshape.h"
#include "noshape_faces.h"

#include "../tests/widgets/sample_button.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int kButtons = 28;
constexpr vd::BevelColours kColours{0xFFA0A0A0, 0xFFFFFFFF};
using Clock = std::chrono::steady_clock;

// The same picture on the key colour instead of white: most pixels are then
// transparent and every ring has to be searched for, the worst case.
QImage OnKeyColour(QImage picture) {
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(255, 255, 255))
                picture.setPixel(x, y, key);
    return picture;
}

double BaselineSeconds(const QImage& picture) {
    constexpr int reps = 200;
    const auto start = Clock::now();
    for (int r = 0; r < reps; ++r) {
        for (int i = 0; i < 2 * kButtons; ++i) {
            QImage copy = picture.copy();
            benchmark::DoNotOptimize(copy.bits());
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / reps;
}

void Report(benchmark::State& state, Clock::time_point start, double baseline) {
    const double each =
        std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["ms_all_28"] = each * 1e3;
    state.counters["ratio"] = each / baseline;
}

void BM_FacesOf28Buttons(benchmark::State& state, QImage picture) {
    const double baseline = BaselineSeconds(picture);
    const auto start = Clock::now();
    for (auto _ : state) {
        for (int i = 0; i < kButtons; ++i) {
            vd::ButtonFaces faces = vd::BuildFaces(picture, kColours);
            benchmark::DoNotOptimize(faces.up.constBits());
        }
    }
    Report(state, start, baseline);
}

// The same through the widget: faces, hot spot and the images it paints,
// for 28 buttons on one page.
void BM_SetPictureOf28Buttons(benchmark::State& state) {
    const QImage picture = SampleButtonPicture();
    QWidget page;
    std::vector<vd::TNoShape*> buttons;
    for (int i = 0; i < kButtons; ++i)
        buttons.push_back(new vd::TNoShape(&page));
    const double baseline = BaselineSeconds(picture);
    const auto start = Clock::now();
    for (auto _ : state) {
        for (vd::TNoShape* b : buttons)
            b->setBitmap(picture);
    }
    Report(state, start, baseline);
}

} // namespace

BENCHMARK_CAPTURE(BM_FacesOf28Buttons, window_picture, SampleButtonPicture())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FacesOf28Buttons, picture_on_key_colour, OnKeyColour(SampleButtonPicture()))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetPictureOf28Buttons)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
