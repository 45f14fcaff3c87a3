#pragma once
// The validator of the catalogue file: names every broken invariant by record
// and field.
#include <filesystem>
#include <string>
#include <vector>

namespace vd {

struct CatalogueIssue {
    long long record; // 1-based position; 0 for the file as a whole
    std::string field;
    std::string message;
};

// FileError when the file cannot be read at all.
std::vector<CatalogueIssue> CheckCatalogueFile(const std::filesystem::path& path,
                                               const std::string& shownName);

// The invariants of one record's raw bytes at 1-based `position`.
void CheckRecord(const unsigned char* bytes, long long position, std::vector<CatalogueIssue>& out);

} // namespace vd
