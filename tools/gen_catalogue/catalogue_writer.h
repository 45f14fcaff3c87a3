#pragma once
// Writes fan entries in the catalogue's readable text form.
#include "fan_model.h"

#include <ostream>
#include <vector>

namespace gencat {

struct FamilyEntries {
    const FamilySpec* family;
    std::vector<FanEntry> fans;
};

// Records are numbered by their position, family by family.
void WriteCatalogue(std::ostream& out, const std::vector<FamilyEntries>& families);

// A table of the figures behind every entry, for a plausibility review.
void WriteSummary(std::ostream& out, const std::vector<FamilyEntries>& families);

} // namespace gencat
