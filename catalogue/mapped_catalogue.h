#pragma once
// The catalogue file mapped into memory a window at a time: a scan reads the
// page cache in place instead of copying it, and no more than a window per
// scanning thread is resident whatever the size of the file.
#include "fan_file.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace vd {

// A run of whole records in memory; record i of the run is record first + i
// (0-based) of the catalogue.
struct RecordSpan {
    const unsigned char* bytes = nullptr;
    std::size_t count = 0;
    long long first = 0;
    const unsigned char* Record(std::size_t i) const { return bytes + i * kRecordSize; }
};

class MappedCatalogue {
  public:
    // Windows start at multiples of this many bytes of the file, so that the
    // page cache's large pages map whole. Each unmapping interrupts the other
    // scanning cores to flush their address caches: fewer, larger windows
    // cost less, and two of them resident stay well within the memory goal.
    static constexpr std::size_t kWindowBytes = 8u << 20;

    MappedCatalogue() = default;
    ~MappedCatalogue();
    MappedCatalogue(const MappedCatalogue&) = delete;
    MappedCatalogue& operator=(const MappedCatalogue&) = delete;

    // Opens the file named by a data path, with the failures of FanFile::Open.
    void Open(const std::string& relative = kCatalogueFile);
    void OpenAt(const std::filesystem::path& path, const std::string& shownName);
    // Whole records at the time of opening; a trailing partial record is none.
    long long RecordCount() const { return count_; }
    const std::string& Name() const { return name_; }

    // The records of one window, mapped until the window is destroyed.
    class Window {
      public:
        Window() = default;
        ~Window();
        Window(Window&& other) noexcept;
        Window& operator=(Window&& other) noexcept;
        const RecordSpan& Records() const { return span_; }

      private:
        friend class MappedCatalogue;
        void Unmap();
        void* map_ = nullptr;
        std::size_t length_ = 0;
        RecordSpan span_;
    };

    // Windows, numbered from 0, cover the file in order; each holds the
    // records that start in it, the last one whole.
    long long WindowCount() const;
    // Maps window `window` (empty past the end). A page of it that the file
    // lost since it was opened raises SIGBUS when read (see
    // bus_error_guard.h). Several threads may map windows at once.
    Window MapWindow(long long window) const;
    void Close();

  private:
    long long FirstRecordOfWindow(long long window) const;
    int fd_ = -1;
    std::string name_;
    long long count_ = 0;
};

} // namespace vd
