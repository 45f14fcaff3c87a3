// The three drawings of a chosen fan (diagram, data table, dimension table)
// into the screen pictures through the QPainter canvas, against the same
// drawings on a canvas that draws nothing (record fetches, scales and the
// drawing logic alone), in the same run. "ratio" = pictures ÷ logic.
#include "fan_pictures.h"
#include "fan_record.h"
#include "fan_tables.h"
#include "language_file.h"
#include "paths.h"
#include "performance_diagram.h"
#include "qpainter_canvas.h"
#include "results_grid.h"
#include "vd_variables.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A five-speed centrifugal fan as the catalogue lists them: 20 points per
// curve, sound data in all four rows, seven dimensions.
vd::TFanRecord DemoFan() {
    vd::TFanRecord r;
    r.fan_no = 1;
    r.family.assign("BQ1");
    r.model.assign("BQ1 400-4");
    r.hz = 50;
    r.phases = 1;
    r.volts.assign("230");
    r.value_col6.assign("1360");
    r.value_col7.assign("0.12");
    r.amps.assign("0.91");
    r.max_temp = 50;
    r.weight.assign("11.2");
    r.diagram_file.assign("bq1_diag.wmf");
    r.curve_count = 5;
    r.outlet_area = 0.096f;
    for (int c = 1; c <= 5; ++c) {
        const float s = 1.0f - 0.14f * (c - 1);
        for (int k = 1; k <= 20; ++k) {
            const float x = (k - 1) / 19.0f;
            const int i = 20 * (c - 1) + k;
            r.vol[i] = 1.05f * s * (1 - 0.85f * x);
            r.pres[i] = 115 * s * s * x * (2.2f - 1.2f * x);
            r.power[i] = 160 * s * s * s * (1 - 0.3f * x);
        }
        r.min_pa[static_cast<size_t>(c)] = static_cast<int>(20 * s * s);
    }
    const char* sound[4][10] = {{"49", "66", "62", "68", "66", "64", "61", "58", "53", "46"},
                                {"50", "67", "63", "70", "66", "65", "63", "59", "54", "47"},
                                {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                                {"50", "67", "46", "52", "49", "47", "45", "42", "36", "30"}};
    for (int row = 1; row <= 4; ++row) {
        r.sound_label[static_cast<size_t>(row)] = 140 + row;
        for (int col = 1; col <= 10; ++col)
            r.sound[static_cast<size_t>(row)][static_cast<size_t>(col)].assign(
                sound[row - 1][col - 1]);
    }
    for (const auto& d : vd::DimensionFields())
        (r.*d.field).assign("0");
    r.dim_d1.assign("408");
    r.dim_a.assign("610");
    r.dim_b.assign("520");
    r.dim_c.assign("255");
    r.dim_e.assign("460");
    r.dim_h.assign("12");
    r.dim_k.assign("M8");
    return r;
}

struct Setup {
    fs::path root;
    vd::ResultsGrid grid;

    Setup() {
        root = fs::temp_directory_path() / "vd-bench-diagram";
        fs::create_directories(root / "dat");
        unsigned char bytes[vd::kRecordSize];
        vd::EncodeFanRecord(DemoFan(), bytes);
        std::FILE* f = std::fopen((root / "dat/vd_fan.rec").c_str(), "wb");
        std::fwrite(bytes, 1, sizeof bytes, f);
        std::fclose(f);
        vd::SetDataRoot(root);

        // The real language texts when the data tree has been built.
        std::ifstream lan(fs::path(VD_RUNTIME_DIR) / "txt/vd_lan.txt", std::ios::binary);
        if (lan)
            vd::LanguageText = vd::ParseLanguageFile(lan, "UK");
        else
            for (int n = 0; n < vd::kLanguageEntries; ++n)
                vd::LanguageText[static_cast<size_t>(n)] = "Label " + std::to_string(n);

        vd::VolumeUnit = "m3/h";
        vd::PressureUnit = "Pa";
        vd::PressureType = "Static";
        vd::DutyVolume = 0.85f;
        vd::DutyPressure = 80;
        vd::EnteredVolume = 3060;
        vd::EnteredPressure = 80;
        vd::SelectedFanNo = 1;
        vd::ResetResultsGrid(grid, "m3/h", "Pa");
        const char* row[] = {"1",     "BQ1 400-4", "2950", "79",   "96%",
                             "0.167", "1360",      "0.12", "0.91", "230/50/1"};
        for (int c = 0; c < 10; ++c)
            grid.SetCell(c, 1, row[c]);
        grid.SetCurrentRow(1);
    }
};

Setup& Data() {
    static Setup s;
    return s;
}

struct NullCanvas final : vd::Canvas {
    void SetFontName(const std::string&) override {}
    void SetFontSize(int) override {}
    void SetFontColor(vd::Rgb) override {}
    void SetFontStyle(unsigned) override {}
    void SetPenColor(vd::Rgb) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(vd::Rgb) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void StretchDraw(int, int, int, int, const vd::CanvasPicture*) override {}
};

double g_logicSeconds = 0;

void BM_DrawingLogicOnly(benchmark::State& state) {
    Setup& d = Data();
    NullCanvas canvas;
    vd::NoDetailLoader none;
    const vd::DrawTarget t = vd::DrawTarget::Screen(canvas);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        vd::DrawDiagram(t, d.grid, none);
        vd::DrawDataTable(t, d.grid);
        vd::DrawDimensionTable(t);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    g_logicSeconds = took.count() / static_cast<double>(state.iterations());
}

// Time per iteration of `run` over the logic-only baseline of this run.
template <typename F> void RunWithRatio(benchmark::State& state, F run) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        run();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (g_logicSeconds > 0)
        state.counters["ratio"] =
            took.count() / static_cast<double>(state.iterations()) / g_logicSeconds;
}
BENCHMARK(BM_DrawingLogicOnly)->Unit(benchmark::kMillisecond);

void FanPictures(benchmark::State& state, int ratio) {
    Setup& d = Data();
    vd::NoDetailLoader none;
    QImage diagram = vd::MakeDrawingImage(vd::kDiagramPictureSize, ratio);
    QImage dims = vd::MakeDrawingImage(vd::kDimensionPictureSize, ratio);
    RunWithRatio(state, [&] {
        vd::DrawFanPictures(diagram, dims, d.grid, none);
        benchmark::DoNotOptimize(diagram.constBits());
    });
}
void BM_FanPictures(benchmark::State& state) {
    FanPictures(state, 1);
}
void BM_FanPicturesHiDpi2(benchmark::State& state) {
    FanPictures(state, 2);
}
BENCHMARK(BM_FanPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FanPicturesHiDpi2)->Unit(benchmark::kMillisecond);

// The figure the target is about: all three drawings into one 545 × 342
// picture, as the diagram page's picture holds the first two.
void BM_ThreeDrawingsOnePicture(benchmark::State& state) {
    Setup& d = Data();
    vd::NoDetailLoader none;
    QImage image = vd::MakeDrawingImage(vd::kDiagramPictureSize, 1);
    RunWithRatio(state, [&] {
        QPainter painter(&image);
        vd::QPainterCanvas canvas(painter, 96);
        const vd::DrawTarget t = vd::DrawTarget::Screen(canvas);
        vd::DrawDiagram(t, d.grid, none);
        vd::DrawDataTable(t, d.grid);
        vd::DrawDimensionTable(t);
    });
}
BENCHMARK(BM_ThreeDrawingsOnePicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts need the application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
