// Loading and playing the fixture metafiles, and reading the fixture rich
// texts. Each benchmark also reports its time against a baseline measured in
// the same run: decoding the PNG render of the same picture with Qt, and
// Qt's own plain-text load of the same file's bytes.
#include "picture.h"
#include "text_loader.h"
#include "wmf_player.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kFixtures = VD_REAL_FIXTURES;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Mean seconds of `f` over enough repetitions to last about 50 ms.
template <class F> double Baseline(F f) {
    using Clock = std::chrono::steady_clock;
    f();
    int reps = 0;
    auto start = Clock::now();
    do {
        f();
        ++reps;
    } while (Clock::now() - start < std::chrono::milliseconds(50));
    return std::chrono::duration<double>(Clock::now() - start).count() / reps;
}

// Runs the timed loop and reports its mean time as a multiple of `baseline`.
template <class F>
void Measure(benchmark::State& state, double baseline, const char* counter, F f) {
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    for (auto _ : state)
        f();
    double each =
        std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters[counter] = each / baseline;
}

double PngBaseline(const std::string& name) {
    std::string png = ReadFile(kFixtures + "/wmf/" + name + ".lo-render.png");
    return Baseline([&] {
        QImage image = QImage::fromData(QByteArrayView(png.data(), qsizetype(png.size())));
        benchmark::DoNotOptimize(image.constBits());
    });
}

void BM_LoadMetafile(benchmark::State& state, const std::string& name) {
    std::string bytes = ReadFile(kFixtures + "/wmf/" + name + ".wmf");
    Measure(state, PngBaseline(name), "x_png_decode", [&] {
        vd::WmfPicture p = vd::WmfPicture::FromBytes(bytes);
        benchmark::DoNotOptimize(p.file());
    });
}

void BM_PlayMetafile(benchmark::State& state, const std::string& name) {
    std::string bytes = ReadFile(kFixtures + "/wmf/" + name + ".wmf");
    vd::Picture picture = vd::LoadPictureFromBytes(bytes, name + ".wmf");
    QImage image(picture.naturalSize(), QImage::Format_ARGB32_Premultiplied);
    Measure(state, PngBaseline(name), "x_png_decode", [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    });
}

void BM_ReadRichText(benchmark::State& state, const std::string& name) {
    std::string bytes = ReadFile(kFixtures + "/rtf/" + name + ".rtf");
    QString plain = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    double baseline = Baseline([&] {
        QTextDocument doc;
        doc.setPlainText(plain);
        benchmark::DoNotOptimize(doc.blockCount());
    });
    Measure(state, baseline, "x_plain_text", [&] {
        QTextDocument doc;
        vd::LoadRichOrPlainText(doc, bytes);
        benchmark::DoNotOptimize(doc.blockCount());
    });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const char* name : {"gdi_classic", "inkscape_shapes", "lo_odg_shapes"}) {
        benchmark::RegisterBenchmark((std::string("LoadMetafile/") + name).c_str(), BM_LoadMetafile,
                                     std::string(name))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("PlayMetafile/") + name).c_str(), BM_PlayMetafile,
                                     std::string(name))
            ->Unit(benchmark::kMicrosecond);
    }
    for (const char* name : {"fan_manual", "notes_cp1252"})
        benchmark::RegisterBenchmark((std::string("ReadRichText/") + name).c_str(), BM_ReadRichText,
                                     std::string(name))
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
