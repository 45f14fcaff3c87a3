#include "ancillaries.h"
#include "number_text.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

using namespace vd;

namespace {

TFanRecord Fan(const char* amps, int phases = 1, const char* volts = "230") {
    TFanRecord r = vdtest::MakeFan(1, "PW", "x", {1}, {0});
    r.amps.assign(amps);
    r.phases = phases;
    r.volts.assign(volts);
    return r;
}

std::vector<int> Positions(const std::vector<AncillaryItem>& items) {
    std::vector<int> p;
    for (const auto& i : items)
        p.push_back(i.position);
    return p;
}

} // namespace

TEST(Ancillaries, RatingsFollowTheCurrentClasses) {
    SetDecimalSeparator('.');
    struct Case {
        const char* amps;
        const char* a;
        const char* b;
    };
    const Case cases[] = {{"0.3", " 0.5 I ", " 1.0 I "},  {"0.5", " 1.0 I ", " 1.0 I "},
                          {"0.99", " 1.0 I ", " 1.0 I "}, {"1.0", " 2.0 I ", " 1.4 I "},
                          {"1.4", " 2.0 I ", " 1.4 I "},  {"1.41", " 2.0 I ", " 3.0 I "},
                          {"2.0", nullptr, " 3.0 I "},    {"2.5", nullptr, " 3.0 I "},
                          {"3.0", nullptr, " 5.0 I "},    {"4.99", nullptr, " 5.0 I "},
                          {"5", nullptr, nullptr},        {"6", nullptr, nullptr},
                          {"", nullptr, nullptr},         {"abc", nullptr, nullptr},
                          {"-1", " 0.5 I ", " 1.0 I "}};
    for (const Case& c : cases) {
        auto a = RatingA(c.amps);
        auto b = RatingB(c.amps);
        EXPECT_EQ(a.has_value(), c.a != nullptr) << c.amps;
        EXPECT_EQ(b.has_value(), c.b != nullptr) << c.amps;
        if (a && c.a) {
            EXPECT_EQ(*a, c.a) << c.amps;
        }
        if (b && c.b) {
            EXPECT_EQ(*b, c.b) << c.amps;
        }
    }
}

TEST(Ancillaries, MissingRatingsRemoveTheirControllers) {
    SetDecimalSeparator('.');
    EXPECT_EQ(BuildAncillaries(Fan("0.3")).size(), 19u);
    auto noA = BuildAncillaries(Fan("2.5"));
    EXPECT_EQ(noA.size(), 17u);
    EXPECT_EQ(noA.front().position, 2);
    EXPECT_STREQ(AncillaryPicture(noA.front().position), "bmp\\qmHA.bmp");
    auto none = BuildAncillaries(Fan("6"));
    EXPECT_EQ(none.size(), 16u);
    EXPECT_STREQ(AncillaryPicture(none.front().position), "bmp\\qmHB.bmp");
    std::vector<int> last = Positions(none);
    EXPECT_EQ(last.back(), 18);
    EXPECT_STREQ(AncillaryPicture(18), "bmp\\LOUVRE.bmp");
}

TEST(Ancillaries, ControllersOnlyForSinglePhase230VoltFans) {
    SetDecimalSeparator('.');
    EXPECT_EQ(BuildAncillaries(Fan("0.3", 3)).size(), 16u);
    EXPECT_EQ(BuildAncillaries(Fan("0.3", 1, "220")).size(), 16u);
    EXPECT_EQ(BuildAncillaries(Fan("0.3", 1, "110-127")).size(), 16u);
    EXPECT_EQ(BuildAncillaries(Fan("0.3", 1, "230/400")).size(), 19u); // starts with 230
}

TEST(Ancillaries, ItemTextsCarryTheRatings) {
    SetDecimalSeparator('.');
    ResetVariables();
    for (int i = 0; i < kLanguageEntries; ++i)
        LanguageText[static_cast<size_t>(i)] = "T" + std::to_string(i);
    auto items = BuildAncillaries(Fan("0.3"));
    EXPECT_EQ(items[0].text, "T99 0.5 I T97");
    EXPECT_EQ(items[1].text, "T100 0.5 I T98");
    EXPECT_EQ(items[2].text, "T101 1.0 I ");
    EXPECT_EQ(items[18].text, "T117");
    ResetVariables();
}
