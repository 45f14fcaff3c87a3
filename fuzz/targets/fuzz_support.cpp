#include "fuzz_support.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace vd::fuzz {

namespace {

fs::path MakeScratch() {
    std::string tmpl = (fs::temp_directory_path() / "vd-fuzz-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        Fail("cannot create a scratch folder");
    return tmpl;
}

void RemoveScratch() {
    std::error_code ec;
    fs::remove_all(ScratchDir(), ec);
}

} // namespace

const fs::path& ScratchDir() {
    static const fs::path dir = MakeScratch();
    // Registered after `dir` is built, so the removal runs before `dir` is destroyed.
    static const bool removed = (std::atexit(RemoveScratch), true);
    (void)removed;
    return dir;
}

void WriteScratchFile(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        Fail("cannot write " + path.string());
}

void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vd-fuzz";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; libFuzzer never returns to main.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

void Fail(std::string_view what) {
    std::fprintf(stderr, "vd-fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

} // namespace vd::fuzz
