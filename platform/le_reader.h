#pragma once
// A bounds-checked little-endian reader over a byte range. Every read past the
// end throws ReadPastEnd, so a record parser never touches memory outside its
// record, whatever a file claims.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace vd {

class ReadPastEnd : public std::runtime_error {
  public:
    ReadPastEnd() : std::runtime_error("read past the end of the data") {}
};

class LeReader {
  public:
    LeReader() = default;
    explicit LeReader(std::string_view data) : data_(data) {}

    size_t size() const { return data_.size(); }
    size_t pos() const { return pos_; }
    size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    std::string_view data() const { return data_; }

    void seek(size_t pos) {
        if (pos > data_.size())
            throw ReadPastEnd();
        pos_ = pos;
    }
    void skip(size_t n) {
        if (n > remaining())
            throw ReadPastEnd();
        pos_ += n;
    }
    uint8_t u8() {
        need(1);
        return static_cast<uint8_t>(data_[pos_++]);
    }
    uint16_t u16() {
        need(2);
        uint16_t v = static_cast<uint16_t>(byteAt(pos_) | (byteAt(pos_ + 1) << 8));
        pos_ += 2;
        return v;
    }
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32() {
        need(4);
        uint32_t v = uint32_t(byteAt(pos_)) | (uint32_t(byteAt(pos_ + 1)) << 8) |
                     (uint32_t(byteAt(pos_ + 2)) << 16) | (uint32_t(byteAt(pos_ + 3)) << 24);
        pos_ += 4;
        return v;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    std::string_view bytes(size_t n) {
        need(n);
        std::string_view v = data_.substr(pos_, n);
        pos_ += n;
        return v;
    }
    // The rest of the data from the current position.
    std::string_view rest() const { return data_.substr(pos_); }

  private:
    void need(size_t n) const {
        if (n > remaining())
            throw ReadPastEnd();
    }
    unsigned byteAt(size_t i) const { return static_cast<unsigned char>(data_[i]); }

    std::string_view data_;
    size_t pos_ = 0;
};

} // namespace vd
