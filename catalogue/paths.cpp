#include "paths.h"

#include "errors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vd {
namespace {

fs::path g_dataRoot;

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return false;
    }
    return true;
}

// The entry of `dir` whose name equals `name` without regard to case; the first
// in name order when several do, so the choice does not depend on the file system.
std::string MatchEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    std::string best;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualNoCase(entry, name) && (best.empty() || entry < best))
            best = entry;
    }
    return best.empty() ? name : best;
}

} // namespace

fs::path ResolveDataPath(std::string_view relative, const fs::path& base) {
    fs::path result = base;
    std::string part;
    auto flush = [&] {
        if (part.empty())
            return;
        std::error_code ec;
        fs::path exact = result / part;
        if (part == "." || part == ".." || fs::exists(exact, ec))
            result = exact;
        else
            result /= MatchEntry(result, part);
        part.clear();
    };
    for (char c : relative) {
        if (c == '\\' || c == '/')
            flush();
        else
            part += c;
    }
    flush();
    return result;
}

const fs::path& DataRoot() {
    return g_dataRoot;
}
void SetDataRoot(const fs::path& root) {
    g_dataRoot = root;
}

fs::path DataPath(std::string_view relative) {
    return ResolveDataPath(relative, g_dataRoot);
}

fs::path FindDataTree(const fs::path& programDir) {
    if (programDir.empty())
        return {};
    // The catalogue and the language file are what every start needs.
    auto holdsTree = [](const fs::path& dir) {
        std::error_code ec;
        return fs::is_directory(ResolveDataPath("dat", dir), ec) ||
               fs::is_directory(ResolveDataPath("txt", dir), ec);
    };
    if (holdsTree(programDir))
        return programDir;
    const fs::path installed =
        (programDir / ".." / "share" / "vandrel-catalogue").lexically_normal();
    if (holdsTree(installed))
        return installed;
    return {};
}

fs::path ExecutableDir() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

fs::path UserConfigDir() {
    // Relative values are ignored, as the base directory convention asks.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return fs::path(xdg) / "vandrel-catalogue";
    const char* home = std::getenv("HOME");
    if (home && *home == '/')
        return fs::path(home) / ".config" / "vandrel-catalogue";
    return {};
}

int OpenForReading(const fs::path& path, std::string_view shownName, long long& size,
                   std::uintmax_t limit) {
    const std::string shown(shownName);
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw FileError("Cannot open \"" + shown + "\": it is a folder");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("Cannot open \"" + shown + "\": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < 0) {
        ::close(fd);
        throw FileError("Cannot read \"" + shown + "\"");
    }
    // Refused before reading: a huge file costs neither the time nor the memory.
    if (static_cast<std::uintmax_t>(st.st_size) > limit) {
        ::close(fd);
        throw FileError("\"" + shown + "\" is too large to be read");
    }
    size = st.st_size;
    return fd;
}

std::string ReadWholeFileAt(const fs::path& path, std::string_view shownName, size_t limit) {
    long long size = 0;
    const int fd = OpenForReading(path, shownName, size, limit);
    std::string data;
    char buf[65536];
    // The size checked at opening may grow while the file is read.
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            throw FileError("Cannot read \"" + std::string(shownName) + "\"");
        }
        if (n == 0)
            break;
        data.append(buf, static_cast<size_t>(n));
        if (data.size() > limit) {
            ::close(fd);
            throw FileError("\"" + std::string(shownName) + "\" is too large to be read");
        }
    }
    ::close(fd);
    return data;
}

std::string ReadWholeFile(std::string_view relative, size_t limit) {
    return ReadWholeFileAt(DataPath(relative), relative, limit);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string cur;
    bool pending = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(cur));
            cur.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            cur += c;
            pending = true;
        }
    }
    if (pending)
        lines.push_back(std::move(cur));
    return lines;
}

} // namespace vd
