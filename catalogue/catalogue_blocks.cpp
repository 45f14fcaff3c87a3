#include "catalogue_blocks.h"

#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace vd {

CatalogueBlocks::~CatalogueBlocks() {
    Close();
}

void CatalogueBlocks::Open(const std::string& relative) {
    OpenAt(DataPath(relative), relative);
}

void CatalogueBlocks::OpenAt(const std::filesystem::path& path, const std::string& shownName) {
    Close();
    name_ = shownName;
    long long size = 0;
    fd_ = OpenForReading(path, name_, size);
    count_ = size / static_cast<long long>(kRecordSize);
}

long long CatalogueBlocks::BlockCount() const {
    const auto perBlock = static_cast<long long>(kBlockRecords);
    return (count_ + perBlock - 1) / perBlock;
}

CatalogueBlocks::Block CatalogueBlocks::ReadBlock(long long block,
                                                  std::vector<unsigned char>& buffer) const {
    Block b;
    if (fd_ < 0 || block < 0 || block >= BlockCount())
        return b;
    const auto perBlock = static_cast<long long>(kBlockRecords);
    const long long first = block * perBlock;
    const auto count = static_cast<std::size_t>(std::min(perBlock, count_ - first));
    const std::size_t want = count * kRecordSize;
    if (buffer.size() < kBlockRecords * kRecordSize)
        buffer.resize(kBlockRecords * kRecordSize);
    std::size_t got = 0;
    while (got < want) {
        const ssize_t n = ::pread(fd_, buffer.data() + got, want - got,
                                  static_cast<off_t>(first) * static_cast<off_t>(kRecordSize) +
                                      static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // the end of a file that shrank, or a read error: as the record reader
        got += static_cast<std::size_t>(n);
    }
    b.records = {buffer.data(), got / kRecordSize, first};
    b.whole = got == want;
    return b;
}

void CatalogueBlocks::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vd
