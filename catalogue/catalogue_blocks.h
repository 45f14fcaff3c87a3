#pragma once
// The catalogue read a block of whole records at a time into a buffer the
// reading thread keeps. A block is small enough to stay in a core's cache while
// it is scanned and its rows are made, and no more than a block per thread is
// held whatever the size of the file. Copying the page cache costs about what
// mapping it page by page costs, without the mapping's faults, unmapping and
// cache misses.
#include "fan_file.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vd {

// A run of whole records in memory; record i of the run is record first + i
// (0-based) of the catalogue.
struct RecordSpan {
    const unsigned char* bytes = nullptr;
    std::size_t count = 0;
    long long first = 0;
    const unsigned char* Record(std::size_t i) const { return bytes + i * kRecordSize; }
};

class CatalogueBlocks {
  public:
    // About 1 MiB.
    static constexpr std::size_t kBlockRecords = 359;

    CatalogueBlocks() = default;
    ~CatalogueBlocks();
    CatalogueBlocks(const CatalogueBlocks&) = delete;
    CatalogueBlocks& operator=(const CatalogueBlocks&) = delete;

    // Opens the file named by a data path, with the failures of FanFile::Open.
    void Open(const std::string& relative = kCatalogueFile);
    void OpenAt(const std::filesystem::path& path, const std::string& shownName);
    // Whole records at the time of opening; a trailing partial record is none.
    long long RecordCount() const { return count_; }
    const std::string& Name() const { return name_; }

    // Blocks, numbered from 0, cover the records in order.
    long long BlockCount() const;

    struct Block {
        RecordSpan records;
        // False when the file ended (it shrank since it was opened) or could
        // not be read before the block's last record: `records` holds the
        // whole records read before that.
        bool whole = true;
    };
    // Reads block `block` (empty past the end) into `buffer`, which it sizes.
    // Several threads may read blocks at once, each into its own buffer.
    Block ReadBlock(long long block, std::vector<unsigned char>& buffer) const;
    void Close();

  private:
    int fd_ = -1;
    std::string name_;
    long long count_ = 0;
};

} // namespace vd
