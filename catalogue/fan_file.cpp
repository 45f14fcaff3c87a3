#include "fan_file.h"

#include "errors.h"
#include "paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vd {

FanFile::~FanFile() {
    Close();
}

void FanFile::Open(const std::string& relative) {
    OpenAt(DataPath(relative), relative);
}

FileError TruncatedFileError(const std::string& shownName) {
    return FileError("Read beyond end of file \"" + shownName + "\"");
}

void FanFile::OpenAt(const std::filesystem::path& path, const std::string& shownName) {
    Close();
    name_ = shownName;
    long long size = 0;
    const int fd = OpenForReading(path, name_, size);
    file_ = ::fdopen(fd, "rb");
    if (!file_) {
        ::close(fd);
        throw FileError("Cannot open \"" + name_ + "\": " + std::strerror(errno));
    }
    buffer_.resize(64 * 1024);
    std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    count_ = size / static_cast<long long>(kRecordSize);
    trailing_ = size % static_cast<long long>(kRecordSize);
    position_ = 0;
}

void FanFile::ReadNextRaw(unsigned char* bytes) {
    if (!file_)
        throw FileError("File not open");
    if (position_ >= count_ || std::fread(bytes, 1, kRecordSize, file_) != kRecordSize)
        throw TruncatedFileError(name_);
    ++position_;
}

void FanFile::ReadNext(TFanRecord& buffer) {
    unsigned char bytes[kRecordSize];
    ReadNextRaw(bytes);
    DecodeFanRecord(bytes, buffer);
}

void FanFile::Seek(long long record) {
    if (!file_)
        throw FileError("File not open");
    if (record < 0 || record > count_)
        throw FileError("Seek error in \"" + name_ + "\": record " + std::to_string(record + 1) +
                        " does not exist");
    if (std::fseek(file_, static_cast<long>(record * static_cast<long long>(kRecordSize)),
                   SEEK_SET) != 0)
        throw FileError("Seek error in \"" + name_ + "\"");
    position_ = record;
}

void FanFile::Close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

void FetchFanRecord(int fanNo, TFanRecord& buffer) {
    FanFile f;
    f.Open();
    f.Seek(static_cast<long long>(fanNo) - 1);
    f.ReadNext(buffer);
    f.Close();
}

} // namespace vd
