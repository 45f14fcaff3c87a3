#pragma once
// What the entry functions share: a scratch folder for inputs that must be
// files, the one GUI application of the process, and the failure report.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace vd::fuzz {

// A folder of this process under the temporary directory, removed at exit.
const std::filesystem::path& ScratchDir();

// Writes the bytes to `path`, creating its folder; aborts when it cannot, since
// then the run would test nothing.
void WriteScratchFile(const std::filesystem::path& path, std::string_view bytes);

// Creates an offscreen QGuiApplication unless an application exists already
// (the replay test's QApplication).
void EnsureGuiApplication();

// A fault the entry found itself: printed, then abort() so that libFuzzer
// keeps the input and the replay test fails.
[[noreturn]] void Fail(std::string_view what);

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace vd::fuzz
