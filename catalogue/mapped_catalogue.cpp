#include "mapped_catalogue.h"

#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace vd {

MappedCatalogue::~MappedCatalogue() {
    Close();
}

void MappedCatalogue::Open(const std::string& relative) {
    OpenAt(DataPath(relative), relative);
}

void MappedCatalogue::OpenAt(const std::filesystem::path& path, const std::string& shownName) {
    Close();
    name_ = shownName;
    long long size = 0;
    fd_ = OpenForReading(path, name_, size);
    count_ = size / static_cast<long long>(kRecordSize);
}

RecordSpan MappedCatalogue::MapWindow(long long record) {
    Unmap();
    if (fd_ < 0 || record < 0 || record >= count_)
        return {};
    const auto recordSize = static_cast<long long>(kRecordSize);
    const auto window = static_cast<long long>(kWindowBytes);
    const long long offset = record * recordSize / window * window;
    // Every record that starts in the window, the last one whole.
    const long long end = std::min(count_, (offset + window + recordSize - 1) / recordSize);
    mapLength_ = static_cast<std::size_t>(end * recordSize - offset);
    void* map = ::mmap(nullptr, mapLength_, PROT_READ, MAP_PRIVATE, fd_, offset);
    if (map == MAP_FAILED) {
        mapLength_ = 0;
        throw FileError("Cannot read \"" + name_ + "\": " + std::strerror(errno));
    }
    map_ = map;
    const auto* base = static_cast<const unsigned char*>(map_);
    return {base + (record * recordSize - offset), static_cast<std::size_t>(end - record), record};
}

void MappedCatalogue::Unmap() {
    if (map_)
        ::munmap(map_, mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}

void MappedCatalogue::Close() {
    Unmap();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vd
