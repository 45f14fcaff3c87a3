#include "catalogue_index.h"

#include "catalogue_text.h"
#include "errors.h"
#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace material {

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

namespace {

void Add(std::map<std::string, FileUse>& files, const std::string& name,
         const vd::TFanRecord& rec) {
    if (name.empty())
        return;
    FileUse& use = files[Lower(name)];
    if (use.name.empty())
        use.name = name;
    const std::string family = rec.family.str();
    if (std::find(use.families.begin(), use.families.end(), family) == use.families.end())
        use.families.push_back(family);
    use.records.push_back(&rec);
}

} // namespace

CatalogueIndex ReadCatalogueIndex(const std::string& path) {
    CatalogueIndex index;
    std::string text;
    try {
        text = vd::ReadWholeFileAt(path, path);
    } catch (const vd::FileError& e) {
        throw std::runtime_error(e.what());
    }
    try {
        index.records = vd::ParseCatalogueText(text);
    } catch (const vd::CatalogueTextError& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
    if (index.records.empty())
        throw std::runtime_error(path + ": no records");
    for (const vd::TFanRecord& rec : index.records) {
        Add(index.drawings, rec.drawing_file.str(), rec);
        Add(index.diagrams, rec.diagram_file.str(), rec);
        Add(index.pictures, rec.picture_file.str(), rec);
    }
    return index;
}

std::vector<std::string> NonZeroLetters(const vd::TFanRecord& rec) {
    std::vector<std::string> letters;
    for (const vd::DimensionField& f : vd::DimensionFields())
        if ((rec.*(f.field)).view() != "0")
            letters.emplace_back(f.label);
    return letters;
}

double DimensionValue(const vd::TFanRecord& rec, const std::string& letter) {
    for (const vd::DimensionField& f : vd::DimensionFields()) {
        if (letter != f.label)
            continue;
        const std::string text = (rec.*(f.field)).str();
        char* end = nullptr;
        double v = std::strtod(text.c_str(), &end);
        return end && *end == '\0' && v > 0 ? v : 0;
    }
    return 0;
}

} // namespace material
