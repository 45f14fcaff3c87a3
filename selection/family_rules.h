#pragma once
// Which family flag governs which catalogue family, and the reject text the
// selection gives when that flag is "N".
#include <array>
#include <string>

namespace vd {

struct FamilyRule {
    const char* family;
    std::string* flag;
    const char* reason;
};

// In the order of the tests: a later rule's reason replaces an earlier one's.
const std::array<FamilyRule, 19>& FamilyRules();

} // namespace vd
