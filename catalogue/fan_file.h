#pragma once
// The catalogue file "dat\vd_fan.rec": a flat run of 2920-byte records. Opened
// and closed within one operation; every failure is a FileError.
#include "errors.h"
#include "fan_record.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vd {

inline constexpr const char* kCatalogueFile = "dat\\vd_fan.rec";

class FanFile {
  public:
    FanFile() = default;
    ~FanFile();
    FanFile(const FanFile&) = delete;
    FanFile& operator=(const FanFile&) = delete;

    // Opens the file named by a data path (resolved against the data root).
    void Open(const std::string& relative = kCatalogueFile);
    void OpenAt(const std::filesystem::path& path, const std::string& shownName);
    // Copies the next record into `buffer` and advances by one record.
    void ReadNext(TFanRecord& buffer);
    // The raw bytes of the next record (for the validator).
    void ReadNextRaw(unsigned char* bytes);
    // True when the position equals the number of whole records; a trailing
    // partial record is not a record.
    bool AtEnd() const { return position_ >= count_; }
    void Seek(long long record);
    void Close();

    long long RecordCount() const { return count_; }
    long long Position() const { return position_; }
    // Bytes after the last whole record.
    long long TrailingBytes() const { return trailing_; }

  private:
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_; // stdio buffer: a scan reads in large blocks
    std::string name_;
    long long count_ = 0;
    long long trailing_ = 0;
    long long position_ = 0;
};

// The error of a read past the file's end: a file shorter than its records.
FileError TruncatedFileError(const std::string& shownName);

// Fetch by number: open, seek to fan_no - 1, read, close.
void FetchFanRecord(int fanNo, TFanRecord& buffer);

} // namespace vd
