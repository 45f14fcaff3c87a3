#include "catalogue_store.h"

#include "errors.h"
#include "fan_file.h"
#include "paths.h"

#include <cerrno>
#include <cstring>
#include <openssl/evp.h>
#include <sys/stat.h>

namespace vdcat {
namespace {

struct FileIdentity {
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0, mtimeNs = 0;
};

FileIdentity Identify(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw vd::FileError("Cannot open \"" + std::string(vd::kCatalogueFile) +
                            "\": " + std::strerror(errno));
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool Same(const LoadedCatalogue& c, const FileIdentity& id) {
    return c.device == id.device && c.inode == id.inode && c.size == id.size &&
           c.mtimeNs == id.mtimeNs;
}

} // namespace

std::string Sha256Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < length; ++i) {
        out += hex[digest[i] >> 4];
        out += hex[digest[i] & 15];
    }
    return out;
}

std::shared_ptr<const LoadedCatalogue> CatalogueStore::Current() {
    const std::string path = vd::DataPath(vd::kCatalogueFile).string();
    std::lock_guard lock(mutex_);
    FileIdentity id;
    try {
        id = Identify(path);
        if (current_ && Same(*current_, id))
            return current_;
        // The identity is taken before the read: a file replaced while it is
        // read differs from it and is read again by the next request.
        auto loaded = std::make_shared<LoadedCatalogue>();
        loaded->image = vd::ReadCatalogueImage();
        loaded->device = id.device;
        loaded->inode = id.inode;
        loaded->size = id.size;
        loaded->mtimeNs = id.mtimeNs;
        loaded->sha256 = Sha256Hex(loaded->image.bytes);
        current_ = std::move(loaded);
    } catch (const vd::FileError&) {
        current_.reset();
        throw;
    }
    return current_;
}

} // namespace vdcat
