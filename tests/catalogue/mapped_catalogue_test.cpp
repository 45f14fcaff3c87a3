// The catalogue mapped whole or window by window, and a file that shrinks
// under it.
#include "bus_error_guard.h"
#include "errors.h"
#include "mapped_catalogue.h"
#include "test_files.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace vd;

namespace {

// n records whose first four bytes are their 1-based number, then `tail` bytes.
std::string NumberedRecords(int n, int tail = 0) {
    std::string bytes(static_cast<std::size_t>(n) * kRecordSize + static_cast<std::size_t>(tail),
                      '\x5A');
    for (int i = 0; i < n; ++i) {
        const std::int32_t no = i + 1;
        std::memcpy(bytes.data() + static_cast<std::size_t>(i) * kRecordSize, &no, 4);
        std::memcpy(bytes.data() + (static_cast<std::size_t>(i) + 1) * kRecordSize - 4, &no, 4);
    }
    return bytes;
}

std::int32_t IntAt(const unsigned char* p) {
    std::int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// The process's resident pages of mapped files, in KiB (a temporary
// directory may be in memory, whose files count as shared memory).
long RssMappedKb() {
    std::ifstream status("/proc/self/status");
    long kb = -1;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("RssFile:") || line.starts_with("RssShmem:"))
            kb = std::max(kb, 0L) + std::stol(line.substr(line.find(':') + 1));
    return kb;
}

using Mapping = MappedCatalogue::Mapping;

class MappedCatalogueEachWay : public testing::TestWithParam<Mapping> {
  protected:
    void Open(MappedCatalogue& file, const std::filesystem::path& path) {
        file.OpenAt(path, path.filename().string(), GetParam());
        ASSERT_EQ(file.MappedAs(), GetParam());
    }
};

INSTANTIATE_TEST_SUITE_P(Mapping, MappedCatalogueEachWay,
                         testing::Values(Mapping::Whole, Mapping::ByWindow), [](const auto& info) {
                             return info.param == Mapping::Whole ? "Whole" : "ByWindow";
                         });

} // namespace

TEST_P(MappedCatalogueEachWay, WindowsHoldEveryWholeRecordOnceInFileOrder) {
    vdtest::TempDir dir;
    // Three windows and a partial record: records straddle the window starts.
    const int n = static_cast<int>(2 * MappedCatalogue::kWindowBytes / kRecordSize) + 100;
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n, 1000));
    MappedCatalogue file;
    Open(file, dir / "cat.rec");
    ASSERT_EQ(file.RecordCount(), n);
    ASSERT_EQ(file.WindowCount(), 3);
    long long next = 0;
    for (long long w = 0; w < file.WindowCount(); ++w) {
        const MappedCatalogue::Window window = file.MapWindow(w);
        const RecordSpan& span = window.Records();
        ASSERT_GT(span.count, 0u);
        ASSERT_EQ(span.first, next);
        for (std::size_t i = 0; i < span.count; ++i) {
            ASSERT_EQ(IntAt(span.Record(i)), next + 1 + static_cast<long long>(i));
            ASSERT_EQ(IntAt(span.Record(i) + kRecordSize - 4), IntAt(span.Record(i)));
        }
        next += static_cast<long long>(span.count);
    }
    EXPECT_EQ(next, n);
    EXPECT_EQ(file.MapWindow(3).Records().count, 0u);
    EXPECT_EQ(file.MapWindow(-1).Records().count, 0u);
}

TEST_P(MappedCatalogueEachWay, OpenFailsLikeTheRecordReader) {
    vdtest::TempDir dir;
    MappedCatalogue file;
    EXPECT_THROW(file.OpenAt(dir / "none.rec", "dat\\none.rec", GetParam()), FileError);
    EXPECT_THROW(file.OpenAt(dir.path(), "dat", GetParam()), FileError);
    vdtest::WriteFile(dir / "empty.rec", "");
    file.OpenAt(dir / "empty.rec", "empty.rec", GetParam());
    EXPECT_EQ(file.MappedAs(), Mapping::ByWindow); // nothing to map
    EXPECT_EQ(file.RecordCount(), 0);
    EXPECT_EQ(file.WindowCount(), 0);
    EXPECT_EQ(file.MapWindow(0).Records().count, 0u);
}

TEST_P(MappedCatalogueEachWay, AFileThatShrankFailsTheReadInsteadOfKillingTheProcess) {
    vdtest::TempDir dir;
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(100));
    MappedCatalogue file;
    Open(file, dir / "cat.rec");
    const MappedCatalogue::Window window = file.MapWindow(0);
    const RecordSpan& span = window.Records();
    ASSERT_EQ(span.count, 100u);
    std::filesystem::resize_file(dir / "cat.rec", 10 * kRecordSize);

    long long sum = 0;
    EXPECT_TRUE(CatchBusError([&] { sum += IntAt(span.Record(5)); }));
    EXPECT_EQ(sum, 6);
    std::size_t read = 0;
    EXPECT_FALSE(CatchBusError([&] {
        for (; read < span.count; ++read)
            sum += IntAt(span.Record(read));
    }));
    // The pages before the new end were read; the first lost page stopped it.
    EXPECT_GE(read, 10u);
    EXPECT_LT(read, 100u);
    // The guard is ready for the next read.
    EXPECT_FALSE(CatchBusError([&] { sum += IntAt(span.Record(99)); }));
    EXPECT_TRUE(CatchBusError([&] { sum += IntAt(span.Record(0)); }));
}

TEST_P(MappedCatalogueEachWay, WindowsMappedOnOtherThreadsFaultThere) {
    vdtest::TempDir dir;
    const int n = static_cast<int>(2 * MappedCatalogue::kWindowBytes / kRecordSize) + 100;
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n));
    MappedCatalogue file;
    Open(file, dir / "cat.rec");
    std::vector<MappedCatalogue::Window> windows;
    for (long long w = 0; w < file.WindowCount(); ++w)
        windows.push_back(file.MapWindow(w));
    // The file loses its last window and a half: the first window reads whole
    // on its thread, the others stop at the lost pages on theirs.
    std::filesystem::resize_file(dir / "cat.rec", MappedCatalogue::kWindowBytes / 2 * 3);
    std::vector<int> whole(windows.size(), -1);
    {
        std::vector<std::jthread> threads;
        for (std::size_t w = 0; w < windows.size(); ++w)
            threads.emplace_back([&, w] {
                const RecordSpan& span = windows[w].Records();
                long long sum = 0;
                whole[w] = CatchBusError([&] {
                    for (std::size_t i = 0; i < span.count; ++i)
                        sum += IntAt(span.Record(i));
                });
            });
    }
    EXPECT_EQ(whole, (std::vector<int>{1, 0, 0}));
}

TEST_P(MappedCatalogueEachWay, AWindowDoneWithIsNoLongerResident) {
    vdtest::TempDir dir;
    const int n = static_cast<int>(4 * MappedCatalogue::kWindowBytes / kRecordSize);
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n));
    MappedCatalogue file;
    Open(file, dir / "cat.rec");
    const long before = RssMappedKb();
    ASSERT_GE(before, 0);
    constexpr long kWindowKb = MappedCatalogue::kWindowBytes / 1024;
    long most = 0;
    for (long long w = 0; w < file.WindowCount(); ++w) {
        const MappedCatalogue::Window window = file.MapWindow(w);
        const RecordSpan& span = window.Records();
        long long sum = 0;
        for (std::size_t i = 0; i < span.count; ++i)
            sum += IntAt(span.Record(i)) + IntAt(span.Record(i) + kRecordSize / 2);
        ASSERT_GT(sum, 0);
        most = std::max(most, RssMappedKb() - before);
    }
    // Each window was read into memory whole, and given back before the next.
    EXPECT_GT(most, kWindowKb / 2);
    EXPECT_LT(most, kWindowKb * 3 / 2);
    EXPECT_LT(RssMappedKb() - before, kWindowKb / 2);
}
