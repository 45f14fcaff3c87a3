#pragma once
// The field list's three parallel files in the program's own folder:
// clips\clip.txt ("T"/"F" + caption), clips\desc.txt, clips\cols.txt; one
// line per entry, Windows-1252, CR LF.
#include "clip_fields.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct ClipFieldsLoad {
    ClipFieldList fields;
    // The file error that stopped loading; the files before it were read.
    std::string error;
    // Set when all three were read but their line counts differ. The list is
    // as long as the longest file; missing texts are empty, so nothing the
    // files hold is lost by the next save.
    std::string mismatch;
    // The files that loading did not read: the one that failed and those
    // after it. Their texts are not in the list.
    std::vector<std::filesystem::path> unread;
};

// The two places of the field list: the program's own folder (AppDir), where
// it is delivered, and the user's folder (UserConfigDir), which holds the
// user's copy once the program's folder could not take a save.
struct ClipFolders {
    std::filesystem::path program;
    std::filesystem::path user; // empty: the user has no folder
};

// The folder whose clips files loading reads: the user's when it holds a
// copy of the list, the program's otherwise.
std::filesystem::path ClipLoadFolder(const ClipFolders& folders);

// The folder a save writes to: the user's when the list came from there or
// when the program's folder cannot be written (read-only, another owner);
// the program's otherwise. Any other fault of the program's folder is left
// for the save itself to report.
std::filesystem::path ClipSaveFolder(const ClipFolders& folders,
                                     const std::filesystem::path& loadedFrom);

// Reads the three files under `appDir`, in the order clip, desc, cols, and
// stops at the first that cannot be read.
ClipFieldsLoad LoadClipFields(const std::filesystem::path& appDir);

// FileError when a file of `unread` exists: a save would replace texts that
// were never read with empty ones.
void RefuseToOverwriteUnread(const std::vector<std::filesystem::path>& unread);

// Writes one whole file or throws FileError.
using ClipFileWriter =
    std::function<void(const std::filesystem::path& path, std::string_view bytes)>;
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes the three files, creating the clips folder when it is missing. Each
// is written to a temporary beside it first; the old files are replaced only
// after all three temporaries are complete, so a failed save (disk full, no
// permission) leaves the old list whole. Throws FileError.
void SaveClipFields(const ClipFieldList& fields, const std::filesystem::path& appDir,
                    const ClipFileWriter& writer = WriteWholeFile);

} // namespace vd
