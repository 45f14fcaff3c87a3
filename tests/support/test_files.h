#pragma once
// Small helpers for tests that need files: a temporary folder that removes
// itself, and writers for catalogue and text files.
#include "fan_record.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vdtest {

class TempDir {
  public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vdtest-XXXXXX").string();
        path_ = mkdtemp(tmpl.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

  private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A file the test cannot do without (a real-file fixture): a missing one ends
// the test with a failure that names it.
inline std::string ReadFixture(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in || std::filesystem::is_directory(p))
        throw std::runtime_error("cannot read the fixture " + p.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string EncodeRecords(const std::vector<vd::TFanRecord>& records) {
    std::string bytes(records.size() * vd::kRecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        vd::EncodeFanRecord(records[i],
                            reinterpret_cast<unsigned char*>(&bytes[i * vd::kRecordSize]));
    return bytes;
}

// A record with a regular curve 1: volume falling, pressure rising.
inline vd::TFanRecord MakeFan(int fanNo, const std::string& family, const std::string& model,
                              const std::vector<float>& vol, const std::vector<float>& pres,
                              const std::vector<float>& power = {}) {
    vd::TFanRecord r;
    r.fan_no = fanNo;
    r.family.assign(family);
    r.model.assign(model);
    r.hz = 50;
    r.phases = 1;
    r.volts.assign("230");
    r.amps.assign("0.5");
    r.value_col6.assign("1400");
    r.value_col7.assign("IP44");
    r.picture_file.assign("fan.bmp");
    r.curve_count = 1;
    r.outlet_area = 0.05f;
    for (size_t i = 0; i < vol.size() && i < 20; ++i) {
        r.vol[static_cast<int>(i) + 1] = vol[i];
        r.pres[static_cast<int>(i) + 1] = i < pres.size() ? pres[i] : 0;
        r.power[static_cast<int>(i) + 1] = i < power.size() ? power[i] : 100;
    }
    for (int row = 1; row <= 4; ++row)
        r.sound_label[row] = 140 + row;
    return r;
}

// A language file whose entry n reads "<code>n" in every column, e.g. "SW95".
inline std::string NumberedLanguageFile() {
    std::string s = "key,UK,SW,FI,FR,IT,\r\n";
    for (int i = 0; i < 250; ++i) {
        std::string n = std::to_string(i);
        s += n + ",UK" + n + ",SW" + n + ",FI" + n + ",FR" + n + ",IT" + n + ",\r\n";
    }
    return s;
}

} // namespace vdtest
