#pragma once
// Data files are named with backslash-separated relative paths ("dat\vd_fan.rec").
// They are resolved here, once, for the whole program.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Resolves `relative` (backslash or slash separated) against `base`. Each
// component is taken as written when it exists, otherwise matched against the
// directory's entries without regard to ASCII case. A component that matches
// nothing stays as written, so the caller sees an ordinary "not found".
std::filesystem::path ResolveDataPath(std::string_view relative,
                                      const std::filesystem::path& base = {});

// Directory against which relative data paths are resolved. Empty means the
// current directory; the command-line tool points it at --data.
const std::filesystem::path& DataRoot();
void SetDataRoot(const std::filesystem::path& root);

// Resolves against DataRoot().
std::filesystem::path DataPath(std::string_view relative);

// Opens a data file for reading and tells its size, or throws FileError with
// the file's name as the user wrote it: a folder, a file larger than `limit`,
// or one that cannot be opened. Every reader of a data file opens it here; the
// caller closes the descriptor.
int OpenForReading(const std::filesystem::path& path, std::string_view shownName, long long& size,
                   std::uintmax_t limit = UINTMAX_MAX);

// The data tree of a program whose executable lies in `programDir`: that folder
// itself when the tree lies beside the program (the build tree), otherwise the
// installed tree `programDir/../share/vandrel-catalogue`. Empty when there is
// neither, which leaves relative paths to the current directory.
std::filesystem::path FindDataTree(const std::filesystem::path& programDir);

// The folder of the running executable; empty when the system does not say.
std::filesystem::path ExecutableDir();

// The user's own folder for what the program writes:
// $XDG_CONFIG_HOME/vandrel-catalogue, by default ~/.config/vandrel-catalogue.
// Empty when neither variable names an absolute folder.
std::filesystem::path UserConfigDir();

// The whole content of a file, or FileError with the file's name as the user
// wrote it. `limit` guards against reading a huge file where a small one is due.
std::string ReadWholeFile(std::string_view relative, size_t limit = 64u << 20);
std::string ReadWholeFileAt(const std::filesystem::path& path, std::string_view shownName,
                            size_t limit = 64u << 20);

// Splits text into lines at CR LF, LF or a lone CR; the line ends are dropped.
// A final line end does not make an extra empty line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace vd
