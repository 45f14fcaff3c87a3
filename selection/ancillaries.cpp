#include "ancillaries.h"

#include "errors.h"
#include "number_text.h"
#include "text_entries.h"
#include "vd_variables.h"

namespace vd {

namespace {

std::optional<double> Amps(std::string_view amps) {
    try {
        return StrToFloatDot(amps);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> RatingA(std::string_view amps) {
    auto a = Amps(amps);
    if (!a)
        return std::nullopt;
    if (*a < 0.5)
        return " 0.5 I ";
    if (*a < 1.0)
        return " 1.0 I ";
    if (*a < 2.0)
        return " 2.0 I ";
    return std::nullopt;
}

std::optional<std::string> RatingB(std::string_view amps) {
    auto a = Amps(amps);
    if (!a)
        return std::nullopt;
    if (*a < 1.0)
        return " 1.0 I ";
    if (*a <= 1.4)
        return " 1.4 I ";
    if (*a < 3.0)
        return " 3.0 I ";
    if (*a < 5.0)
        return " 5.0 I ";
    return std::nullopt;
}

Ratings RatingsFor(const TFanRecord& rec) {
    if (rec.phases == 3 || rec.volts.view().substr(0, 3) != "230")
        return {};
    return {RatingA(rec.amps.view()), RatingB(rec.amps.view())};
}

std::string AncillaryText(int position, const Ratings& r) {
    switch (position) {
    case 0:
        return LanguageText[entry::kSpeedController1] + r.a.value_or("") +
               LanguageText[entry::kSurfaceMounted];
    case 1:
        return LanguageText[entry::kSpeedController2] + r.a.value_or("") +
               LanguageText[entry::kFlushMounted];
    case 2:
        return LanguageText[entry::kTransformerController] + r.b.value_or("");
    default:
        return LanguageEntry(entry::kFirstAncillary + position);
    }
}

std::vector<AncillaryItem> BuildAncillaries(const TFanRecord& rec) {
    const Ratings r = RatingsFor(rec);
    std::vector<AncillaryItem> items;
    for (int p = 0; p < kAncillaryItems; ++p) {
        if ((p <= 1 && !r.a) || (p == 2 && !r.b))
            continue;
        items.push_back({p, AncillaryText(p, r)});
    }
    return items;
}

const char* AncillaryPicture(int position) {
    static const char* pictures[] = {"bmp\\qms.bmp",  "bmp\\qms.bmp",    "bmp\\qmHA.bmp",
                                     "bmp\\qmHB.bmp", "bmp\\CLAMP.bmp",  "bmp\\GRILLE.bmp",
                                     "bmp\\STAT.bmp", "bmp\\DAMPER.bmp", "bmp\\BRACKET.bmp"};
    if (position < 0 || position >= kAncillaryItems)
        return "";
    return position < 9 ? pictures[position] : "bmp\\LOUVRE.bmp";
}

} // namespace vd
