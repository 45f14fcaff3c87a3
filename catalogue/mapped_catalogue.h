#pragma once
// The catalogue file mapped into memory and read a window at a time: a scan
// reads the page cache in place instead of copying it, and no more than a
// window per scanning thread is resident whatever the size of the file.
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
    // page cache's large pages map whole. Each window given back interrupts
    // the other scanning cores to flush their address caches: fewer, larger
    // windows cost less, and two of them resident stay well within the
    // memory goal.
    static constexpr std::size_t kWindowBytes = 8u << 20;

    // The file is mapped whole once and each window's pages are given back
    // when it is done with. Mapping and unmapping a window each time takes
    // the address space's lock for writing, which stalls the other scanning
    // threads' page faults. Where the address space has no room for the whole
    // file, each window is mapped on its own.
    enum class Mapping { Whole, ByWindow };

    MappedCatalogue() = default;
    ~MappedCatalogue();
    MappedCatalogue(const MappedCatalogue&) = delete;
    MappedCatalogue& operator=(const MappedCatalogue&) = delete;

    // Opens the file named by a data path, with the failures of FanFile::Open.
    void Open(const std::string& relative = kCatalogueFile);
    void OpenAt(const std::filesystem::path& path, const std::string& shownName,
                Mapping mapping = Mapping::Whole);
    // How the file is mapped: ByWindow also where Whole was asked for and
    // the whole mapping could not be made.
    Mapping MappedAs() const { return whole_ ? Mapping::Whole : Mapping::ByWindow; }
    // Whole records at the time of opening; a trailing partial record is none.
    long long RecordCount() const { return count_; }
    const std::string& Name() const { return name_; }

    // The records of one window, mapped until the window is destroyed, which
    // must come before the catalogue is closed.
    class Window {
      public:
        Window() = default;
        ~Window();
        Window(Window&& other) noexcept;
        Window& operator=(Window&& other) noexcept;
        const RecordSpan& Records() const { return span_; }

      private:
        friend class MappedCatalogue;
        void Release();
        void* map_ = nullptr;
        std::size_t length_ = 0; // of the window's own mapping, or to give back
        bool owned_ = false;     // a mapping of its own, not part of the whole
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
    void* whole_ = nullptr;
    std::size_t wholeLength_ = 0;
};

} // namespace vd
