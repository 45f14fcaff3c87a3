// The catalogue read block by block, and a file that shrinks under it.
#include "catalogue_blocks.h"
#include "errors.h"
#include "test_files.h"

#include <cstring>
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

} // namespace

// Reads every block in turn into one buffer and checks the records' numbers.
long long CheckBlocks(const CatalogueBlocks& file, std::vector<unsigned char>& buffer) {
    long long next = 0;
    for (long long b = 0; b < file.BlockCount(); ++b) {
        const CatalogueBlocks::Block block = file.ReadBlock(b, buffer);
        EXPECT_TRUE(block.whole);
        const RecordSpan& span = block.records;
        EXPECT_GT(span.count, 0u);
        EXPECT_EQ(span.first, next);
        for (std::size_t i = 0; i < span.count; ++i) {
            EXPECT_EQ(IntAt(span.Record(i)), next + 1 + static_cast<long long>(i));
            EXPECT_EQ(IntAt(span.Record(i) + kRecordSize - 4), IntAt(span.Record(i)));
        }
        next += static_cast<long long>(span.count);
    }
    return next;
}

TEST(CatalogueBlocks, BlocksHoldEveryWholeRecordOnceInFileOrder) {
    vdtest::TempDir dir;
    // Three blocks and a partial record.
    const int n = 2 * static_cast<int>(CatalogueBlocks::kBlockRecords) + 10;
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n, 1000));
    CatalogueBlocks file;
    file.OpenAt(dir / "cat.rec", "cat.rec");
    ASSERT_EQ(file.RecordCount(), n);
    ASSERT_EQ(file.BlockCount(), 3);
    std::vector<unsigned char> buffer;
    EXPECT_EQ(CheckBlocks(file, buffer), n);
    EXPECT_EQ(file.ReadBlock(3, buffer).records.count, 0u);
    EXPECT_EQ(file.ReadBlock(-1, buffer).records.count, 0u);

    // A whole number of blocks: no empty block at the end.
    vdtest::WriteFile(dir / "even.rec", NumberedRecords(2 * CatalogueBlocks::kBlockRecords));
    file.OpenAt(dir / "even.rec", "even.rec");
    EXPECT_EQ(file.BlockCount(), 2);
    EXPECT_EQ(CheckBlocks(file, buffer),
              2 * static_cast<long long>(CatalogueBlocks::kBlockRecords));
}

TEST(CatalogueBlocks, OpenFailsLikeTheRecordReader) {
    vdtest::TempDir dir;
    CatalogueBlocks file;
    EXPECT_THROW(file.OpenAt(dir / "none.rec", "dat\\none.rec"), FileError);
    EXPECT_THROW(file.OpenAt(dir.path(), "dat"), FileError);
    vdtest::WriteFile(dir / "empty.rec", "");
    file.OpenAt(dir / "empty.rec", "empty.rec");
    EXPECT_EQ(file.RecordCount(), 0);
    EXPECT_EQ(file.BlockCount(), 0);
    std::vector<unsigned char> buffer;
    EXPECT_EQ(file.ReadBlock(0, buffer).records.count, 0u);
}

TEST(CatalogueBlocks, AFileThatShrankGivesTheWholeRecordsBeforeItsNewEnd) {
    vdtest::TempDir dir;
    const int n = 3 * static_cast<int>(CatalogueBlocks::kBlockRecords);
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n));
    CatalogueBlocks file;
    file.OpenAt(dir / "cat.rec", "cat.rec");
    // Cut inside a record of the second block.
    const std::size_t keep = CatalogueBlocks::kBlockRecords + 7;
    std::filesystem::resize_file(dir / "cat.rec", keep * kRecordSize + 100);
    std::vector<unsigned char> buffer;
    const CatalogueBlocks::Block first = file.ReadBlock(0, buffer);
    EXPECT_TRUE(first.whole);
    EXPECT_EQ(first.records.count, CatalogueBlocks::kBlockRecords);
    const CatalogueBlocks::Block second = file.ReadBlock(1, buffer);
    EXPECT_FALSE(second.whole);
    ASSERT_EQ(second.records.count, 7u);
    EXPECT_EQ(IntAt(second.records.Record(6)), static_cast<int>(keep));
    const CatalogueBlocks::Block third = file.ReadBlock(2, buffer);
    EXPECT_FALSE(third.whole);
    EXPECT_EQ(third.records.count, 0u);
    // The records are counted as the file was when opened.
    EXPECT_EQ(file.RecordCount(), n);
}

TEST(CatalogueBlocks, ThreadsReadBlocksAtOnceEachIntoItsOwnBuffer) {
    vdtest::TempDir dir;
    const int n = 40 * static_cast<int>(CatalogueBlocks::kBlockRecords) + 3;
    vdtest::WriteFile(dir / "cat.rec", NumberedRecords(n));
    CatalogueBlocks file;
    file.OpenAt(dir / "cat.rec", "cat.rec");
    std::vector<long long> read(4, -1);
    {
        std::vector<std::jthread> threads;
        for (std::size_t t = 0; t < read.size(); ++t)
            threads.emplace_back([&, t] {
                std::vector<unsigned char> buffer;
                read[t] = CheckBlocks(file, buffer);
            });
    }
    EXPECT_EQ(read, std::vector<long long>(4, n));
}
