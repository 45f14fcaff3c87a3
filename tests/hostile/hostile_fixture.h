#pragma once
// Hostile data as the user meets it: a main window started on a temporary data
// folder, message boxes recorded, and the ways a data file can be spoilt.
#include "../shell/shell_fixture.h"

#include "calc_edit.h"
#include "noshape.h"
#include "results_grid_view.h"
#include "wmf_writer.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/wait.h>

namespace hostile {

namespace fs = std::filesystem;

enum class Damage { Missing, Empty, Directory, Unreadable };

inline const char* Name(Damage d) {
    switch (d) {
    case Damage::Missing:
        return "Missing";
    case Damage::Empty:
        return "Empty";
    case Damage::Directory:
        return "Directory";
    case Damage::Unreadable:
        return "Unreadable";
    }
    return "";
}

// Spoils the file at `p` (which may exist).
inline void Spoil(const fs::path& p, Damage d) {
    std::error_code ec;
    fs::remove_all(p, ec);
    fs::create_directories(p.parent_path());
    switch (d) {
    case Damage::Missing:
        return;
    case Damage::Empty:
        vdtest::WriteFile(p, "");
        return;
    case Damage::Directory:
        fs::create_directories(p / "inside");
        return;
    case Damage::Unreadable: {
        vdtest::WriteFile(p, "x\r\n");
        fs::permissions(p, fs::perms::none);
        std::FILE* f = std::fopen(p.c_str(), "rb");
        if (!f)
            return;
        // Root reads a file of mode 000; nobody opens a link that names itself.
        std::fclose(f);
        fs::remove(p);
        fs::create_symlink(p.filename(), p);
        return;
    }
    }
}

// A sparse file of `bytes` zeros: no disk and no memory until it is read.
inline void Sparse(const fs::path& p, std::uintmax_t bytes) {
    std::error_code ec;
    fs::remove_all(p, ec);
    vdtest::WriteFile(p, "");
    fs::resize_file(p, bytes);
}

inline constexpr std::uintmax_t kGigabyte = 1ull << 30;

// Seconds taken by `f`.
template <class F> double Timed(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Kilobytes by which the peak resident memory of the process rose while `f`
// ran, or -1 where the peak cannot be reset (/proc/self/clear_refs).
template <class F> long PeakMemoryGrowthKb(F&& f) {
    auto status = [](const char* key) {
        std::ifstream in("/proc/self/status");
        std::string line;
        while (std::getline(in, line))
            if (line.rfind(key, 0) == 0)
                return std::atol(line.c_str() + std::strlen(key));
        return -1L;
    };
    {
        std::ofstream reset("/proc/self/clear_refs");
        reset << "5";
        reset.flush();
        if (!reset)
            return -1;
    }
    const long before = status("VmRSS:");
    f();
    const long peak = status("VmHWM:");
    return before < 0 || peak < 0 ? -1 : peak - before;
}

inline std::string SmallMetafile() {
    return vdtest::WmfWriter().placeable(0, 0, 100, 50, 1440).rec(0x041B, {10, 90, 40, 10}).bytes();
}

// Three fans that meet 1 m3/s at 100 Pa within 20 %.
inline std::vector<vd::TFanRecord> ThreeFans() {
    std::vector<vd::TFanRecord> v;
    const float f[] = {0.98f, 1.0f, 1.15f};
    for (int i = 0; i < 3; ++i) {
        auto r = vdtest::MakeFan(i + 1, "PW", "F" + std::to_string(i + 1),
                                 {2 * f[i], f[i], 0.5f * f[i]}, {0, 100, 150}, {200, 300, 350});
        r.diagram_file.assign("d.wmf");
        r.drawing_file.assign("dr.wmf");
        v.push_back(r);
    }
    return v;
}

struct VdcatResult {
    int code = -1;
    std::string out, err;
};

inline VdcatResult Vdcat(const std::string& args) {
    vdtest::TempDir io;
    const std::string cmd = std::string(VD_VDCAT) + " " + args + " >" + (io / "out").string() +
                            " 2>" + (io / "err").string() + " </dev/null";
    const int status = std::system(cmd.c_str());
    VdcatResult r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = vdtest::ReadFile(io / "out");
    r.err = vdtest::ReadFile(io / "err");
    return r;
}

// The window of the shell tests with a catalogue, the blank metafile and the
// input page ready for a select.
class WindowTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        vdtest::WriteFile(dir / "wmf/blank.wmf", SmallMetafile());
        Catalogue(ThreeFans());
    }
    void Catalogue(const std::vector<vd::TFanRecord>& recs) {
        CatalogueBytes(vdtest::EncodeRecords(recs));
    }
    void CatalogueBytes(const std::string& bytes) {
        vdtest::WriteFile(dir / "dat/vd_fan.rec", bytes);
    }

    vd::T_fm& Ready() {
        vd::T_fm& w = Start();
        for (const auto& f : vd::FamilyFlags())
            *f.flag = "Y";
        w.ShowPage(w.input);
        w.input->se_volume->setText("1");
        w.input->se_pressure->setText("100");
        w.input->se_dev->setText("20");
        return w;
    }
    std::vector<std::string> Models(vd::T_fm& w) {
        std::vector<std::string> v;
        for (int r = 1; r < w.input->sgModel.RowCount(); ++r)
            v.emplace_back(w.input->sgModel.Cell(vd::ResultsGrid::kModel, r));
        return v;
    }
    // Select, then a double click on every result row; each must draw the
    // diagram page without an error.
    void SelectAndOpenEveryRow(vd::T_fm& w) {
        w.input->bn_select->click();
        for (int r = 1; r < w.input->sgModel.RowCount(); ++r) {
            w.ShowPage(w.input);
            Q_EMIT w.input->sg->rowDoubleClicked(r);
            EXPECT_EQ(w.CurrentPage(), w.diagram);
        }
    }
};

} // namespace hostile
