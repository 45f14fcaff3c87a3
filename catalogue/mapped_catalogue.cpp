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

void MappedCatalogue::OpenAt(const std::filesystem::path& path, const std::string& shownName,
                             Mapping mapping) {
    Close();
    name_ = shownName;
    long long size = 0;
    fd_ = OpenForReading(path, name_, size);
    count_ = size / static_cast<long long>(kRecordSize);
    if (mapping == Mapping::Whole && count_ > 0) {
        const std::size_t length = static_cast<std::size_t>(count_) * kRecordSize;
        void* map = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd_, 0);
        if (map != MAP_FAILED) {
            whole_ = map;
            wholeLength_ = length;
        }
    }
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
    const auto length = static_cast<std::size_t>(end * recordSize - offset);
    if (whole_) {
        // Each page is given back by the window it starts in: the last record
        // of a window reaches into the next one, whose pages are its own.
        w.map_ = static_cast<unsigned char*>(whole_) + offset;
        w.length_ = std::min(length, kWindowBytes);
    } else {
        void* map = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd_, offset);
        if (map == MAP_FAILED)
            throw FileError("Cannot read \"" + name_ + "\": " + std::strerror(errno));
        w.map_ = map;
        w.length_ = length;
        w.owned_ = true;
    }
    const auto* base = static_cast<const unsigned char*>(w.map_);
    w.span_ = {base + (first * recordSize - offset), static_cast<std::size_t>(end - first), first};
    return w;
}

MappedCatalogue::Window::~Window() {
    Release();
}

MappedCatalogue::Window::Window(Window&& other) noexcept
    : map_(std::exchange(other.map_, nullptr)), length_(std::exchange(other.length_, 0)),
      owned_(std::exchange(other.owned_, false)), span_(std::exchange(other.span_, {})) {}

MappedCatalogue::Window& MappedCatalogue::Window::operator=(Window&& other) noexcept {
    if (this != &other) {
        Release();
        map_ = std::exchange(other.map_, nullptr);
        length_ = std::exchange(other.length_, 0);
        owned_ = std::exchange(other.owned_, false);
        span_ = std::exchange(other.span_, {});
    }
    return *this;
}

void MappedCatalogue::Window::Release() {
    // Dropping a read-only mapping's pages loses nothing: a page read again
    // comes back from the page cache.
    if (map_ && owned_)
        ::munmap(map_, length_);
    else if (map_)
        ::madvise(map_, length_, MADV_DONTNEED);
    map_ = nullptr;
    length_ = 0;
    owned_ = false;
    span_ = {};
}

void MappedCatalogue::Close() {
    if (whole_)
        ::munmap(whole_, wholeLength_);
    whole_ = nullptr;
    wholeLength_ = 0;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vd
