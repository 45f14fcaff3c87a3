#include "mapped_catalogue.h"

#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

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

long long MappedCatalogue::FirstRecordOfWindow(long long window) const {
    const auto recordSize = static_cast<long long>(kRecordSize);
    const auto bytes = static_cast<long long>(kWindowBytes);
    return std::min(count_, (window * bytes + recordSize - 1) / recordSize);
}

long long MappedCatalogue::WindowCount() const {
    // The window the last record starts in is the last window.
    return count_ == 0 ? 0
                       : (count_ - 1) * static_cast<long long>(kRecordSize) /
                                 static_cast<long long>(kWindowBytes) +
                             1;
}

MappedCatalogue::Window MappedCatalogue::MapWindow(long long window) const {
    Window w;
    const long long first = window < 0 ? count_ : FirstRecordOfWindow(window);
    if (fd_ < 0 || first >= count_)
        return w;
    const auto recordSize = static_cast<long long>(kRecordSize);
    const long long offset = window * static_cast<long long>(kWindowBytes);
    const long long end = FirstRecordOfWindow(window + 1);
    w.length_ = static_cast<std::size_t>(end * recordSize - offset);
    void* map = ::mmap(nullptr, w.length_, PROT_READ, MAP_PRIVATE, fd_, offset);
    if (map == MAP_FAILED) {
        w.length_ = 0;
        throw FileError("Cannot read \"" + name_ + "\": " + std::strerror(errno));
    }
    w.map_ = map;
    const auto* base = static_cast<const unsigned char*>(map);
    w.span_ = {base + (first * recordSize - offset), static_cast<std::size_t>(end - first), first};
    return w;
}

MappedCatalogue::Window::~Window() {
    Unmap();
}

MappedCatalogue::Window::Window(Window&& other) noexcept
    : map_(std::exchange(other.map_, nullptr)), length_(std::exchange(other.length_, 0)),
      span_(std::exchange(other.span_, {})) {}

MappedCatalogue::Window& MappedCatalogue::Window::operator=(Window&& other) noexcept {
    if (this != &other) {
        Unmap();
        map_ = std::exchange(other.map_, nullptr);
        length_ = std::exchange(other.length_, 0);
        span_ = std::exchange(other.span_, {});
    }
    return *this;
}

void MappedCatalogue::Window::Unmap() {
    if (map_)
        ::munmap(map_, length_);
    map_ = nullptr;
    length_ = 0;
    span_ = {};
}

void MappedCatalogue::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vd
