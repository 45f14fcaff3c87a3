#pragma once
// The catalogue a service answers from: read once into memory and shared
// read-only by every request. When the file is replaced, the next request
// reads the new one; a request keeps the image it started with, so every
// answer comes wholly from one catalogue.
#include "select_fans.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace vdcat {

struct LoadedCatalogue {
    vd::CatalogueImage image;
    std::string sha256;       // of the file's bytes, lowercase hex
    std::int64_t mtimeNs = 0; // the file's modification time, ns since the epoch
    // What identifies the file on disk: a replaced file differs in one of them.
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0;
};

class CatalogueStore {
  public:
    // The catalogue as the file is now: the image held when the file is
    // unchanged, else the file read anew. FileError when it cannot be read;
    // the image held before is then dropped, so no answer comes from a file
    // that is gone.
    std::shared_ptr<const LoadedCatalogue> Current();

  private:
    std::mutex mutex_; // guards current_ and serialises reading the file
    std::shared_ptr<const LoadedCatalogue> current_;
};

// SHA-256 of `bytes` as lowercase hex.
std::string Sha256Hex(const std::string& bytes);

} // namespace vdcat
