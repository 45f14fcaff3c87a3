#include "family_rules.h"

#include "vd_variables.h"

namespace vd {

const std::array<FamilyRule, 19>& FamilyRules() {
    static const std::array<FamilyRule, 19> rules = {{
        {"PW", &FlagPW, "xPW"},       {"PW60", &FlagPW, "xPW"},     {"MTZL", &FlagMTZL, "xMTZL"},
        {"BN1", &FlagBNBQ, "xBN/BQ"}, {"BN2", &FlagBNBQ, "xBN/BQ"}, {"BQ1", &FlagBNBQ, "xBN/BQ"},
        {"BQ2", &FlagBNBQ, "xBN/BQ"}, {"GHJ", &FlagGHJ, "xGHJ"},    {"GHZ", &FlagGHZ, "xGHZ"},
        {"MT", &FlagMT, "xMT"},       {"MTZ", &FlagMTZ, "xMTZ"},    {"UDY", &FlagUDY, "xUDY"},
        {"UDYZ", &FlagUDYZ, "xUDYZ"}, {"UVJ", &FlagUVJ, "xUVJ"},    {"UVX", &FlagUVX, "xUVX"},
        {"LW", &FlagLW, "xLW"},       {"EHY", &FlagEH, "xEHY"},     {"AQY", &FlagAQ, "xAQY"},
        {"AQN", &FlagAQ, "xAQN"},
    }};
    return rules;
}

} // namespace vd
