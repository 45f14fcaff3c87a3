#pragma once
// What the catalogue asks of the material: every drawing, diagram and picture
// file its records name, with the records that name it.
#include "fan_record.h"

#include <map>
#include <string>
#include <vector>

namespace material {

struct FileUse {
    std::string name;                  // as the first record writes it
    std::vector<std::string> families; // in catalogue order, each once
    std::vector<const vd::TFanRecord*> records;
};

struct CatalogueIndex {
    std::vector<vd::TFanRecord> records;
    // Keyed by the lower-case file name: file names are compared without case.
    std::map<std::string, FileUse> drawings, diagrams, pictures;
};

// Reads the catalogue text (the form `vdcat build` compiles). Throws
// std::runtime_error naming the file and the fault.
CatalogueIndex ReadCatalogueIndex(const std::string& path);

// The dimension letters ("d1", "A", …) whose text is not "0" in `rec`.
std::vector<std::string> NonZeroLetters(const vd::TFanRecord& rec);
// A dimension text as millimetres; 0 for "0" or anything unreadable.
double DimensionValue(const vd::TFanRecord& rec, const std::string& letter);

std::string Lower(std::string s);

} // namespace material
