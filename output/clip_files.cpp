#include "clip_files.h"

#include "codepage.h"
#include "errors.h"
#include "paths.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vd {

namespace {

// Loading and saving name the files alike, so that both resolve to the same
// files even where names differ only in case.
constexpr std::array<const char*, 3> kFileNames = {"clips\\clip.txt", "clips\\desc.txt",
                                                   "clips\\cols.txt"};
constexpr size_t kFileLimit = 1u << 20;

// Paths are UTF-8 on this system; messages are Windows-1252 texts.
std::string Shown(const fs::path& p) {
    return Utf8ToCp1252(p.string());
}

std::vector<std::string> ReadLines(const fs::path& appDir, const char* name) {
    const fs::path path = ResolveDataPath(name, appDir);
    return SplitLines(ReadWholeFileAt(path, Shown(path), kFileLimit));
}

// A line break inside a text would put the three files out of step.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

fs::path TemporaryFor(const fs::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".saving");
}

} // namespace

ClipFieldsLoad LoadClipFields(const fs::path& appDir) {
    ClipFieldsLoad result;
    ClipFieldList& fields = result.fields;
    std::array<size_t, 3> counts{};
    size_t reading = 0;
    try {
        const auto clip = ReadLines(appDir, kFileNames[0]);
        counts[0] = clip.size();
        fields.resize(clip.size());
        for (size_t i = 0; i < clip.size(); ++i) {
            fields[i].Included = !clip[i].empty() && clip[i][0] == 'T';
            fields[i].Caption = clip[i].empty() ? std::string() : clip[i].substr(1);
        }
        reading = 1;
        const auto desc = ReadLines(appDir, kFileNames[1]);
        counts[1] = desc.size();
        fields.resize(std::max(fields.size(), desc.size()));
        for (size_t i = 0; i < desc.size(); ++i)
            fields[i].Description = desc[i];
        reading = 2;
        const auto cols = ReadLines(appDir, kFileNames[2]);
        counts[2] = cols.size();
        fields.resize(std::max(fields.size(), cols.size()));
        for (size_t i = 0; i < cols.size(); ++i)
            fields[i].Column = cols[i];
    } catch (const FileError& e) {
        result.error = e.what();
        for (size_t i = reading; i < kFileNames.size(); ++i)
            result.unread.push_back(ResolveDataPath(kFileNames[i], appDir));
        return result;
    }
    if (counts[0] != counts[1] || counts[0] != counts[2])
        result.mismatch = "The clipboard field files differ in length: clip.txt " +
                          std::to_string(counts[0]) + " lines, desc.txt " +
                          std::to_string(counts[1]) + " lines, cols.txt " +
                          std::to_string(counts[2]) + " lines";
    return result;
}

fs::path ClipLoadFolder(const ClipFolders& folders) {
    std::error_code ec;
    if (!folders.user.empty() && fs::exists(ResolveDataPath(kFileNames[0], folders.user), ec))
        return folders.user;
    return folders.program;
}

fs::path ClipSaveFolder(const ClipFolders& folders, const fs::path& loadedFrom) {
    if (folders.user.empty())
        return folders.program;
    if (!loadedFrom.empty() && loadedFrom == folders.user)
        return folders.user;
    // A save replaces the files by renaming temporaries within the clips
    // folder (or creates the folder), so that folder's permission is the one
    // that counts.
    std::error_code ec;
    const fs::path clips = ResolveDataPath("clips", folders.program);
    const fs::path target = fs::exists(clips, ec) ? clips : folders.program;
    if (::access(target.c_str(), W_OK) != 0 &&
        (errno == EACCES || errno == EROFS || errno == EPERM))
        return folders.user;
    return folders.program;
}

void RefuseToOverwriteUnread(const std::vector<fs::path>& unread) {
    for (const fs::path& p : unread) {
        std::error_code ec;
        if (fs::exists(p, ec))
            throw FileError("Not saved: \"" + Shown(p) +
                            "\" could not be read at start, and saving would replace it");
    }
}

void WriteWholeFile(const fs::path& path, std::string_view bytes) {
    auto fail = [&](int err) {
        throw FileError("Cannot write \"" + Shown(path) + "\": " + std::strerror(err));
    };
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        fail(errno);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            ::close(fd);
            fail(err);
        }
        done += static_cast<size_t>(n);
    }
    // A full disk may show itself only when the data reach it.
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        fail(err);
    }
    if (::close(fd) != 0)
        fail(errno);
}

void SaveClipFields(const ClipFieldList& fields, const fs::path& appDir,
                    const ClipFileWriter& writer) {
    std::array<std::string, 3> bytes;
    for (const ClipField& f : fields) {
        bytes[0] += (f.Included ? "T" : "F") + OneLine(f.Caption) + "\r\n";
        bytes[1] += OneLine(f.Description) + "\r\n";
        bytes[2] += OneLine(f.Column) + "\r\n";
    }

    std::error_code ec;
    const fs::path folder = ResolveDataPath("clips", appDir);
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec)
            throw FileError("Cannot create the folder \"" + Shown(folder) + "\": " + ec.message());
    }

    std::array<fs::path, 3> targets, temps;
    for (size_t i = 0; i < 3; ++i) {
        targets[i] = ResolveDataPath(kFileNames[i], appDir);
        temps[i] = TemporaryFor(targets[i]);
        // Refused before anything is written, so that every rename below succeeds.
        if (fs::is_directory(targets[i], ec))
            throw FileError("Cannot write \"" + Shown(targets[i]) + "\": it is a folder");
    }

    size_t renamed = 0;
    auto removeLeftovers = [&] {
        for (size_t i = renamed; i < 3; ++i)
            fs::remove(temps[i], ec);
    };
    try {
        for (size_t i = 0; i < 3; ++i) {
            writer(temps[i], bytes[i]);
            const auto old = fs::status(targets[i], ec);
            if (!ec && fs::exists(old))
                fs::permissions(temps[i], old.permissions(), ec);
        }
    } catch (...) {
        removeLeftovers();
        throw;
    }
    for (; renamed < 3; ++renamed) {
        fs::rename(temps[renamed], targets[renamed], ec);
        if (ec) {
            const std::string message =
                "Cannot replace \"" + Shown(targets[renamed]) + "\": " + ec.message();
            removeLeftovers();
            throw FileError(message);
        }
    }
    // Make the renames themselves durable.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace vd
