#pragma once
// The ancillaries offered with the chosen fan: controllers rated by its motor
// current, then mounting and duct accessories.
#include "fan_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

inline constexpr int kAncillaryItems = 19;

struct AncillaryItem {
    int position;     // in the full list of 19; it names the picture
    std::string text; // Windows-1252
};

// The controller ratings for a motor current given as text; nothing when the
// current is too high for the class or is not a number.
std::optional<std::string> RatingA(std::string_view amps);
std::optional<std::string> RatingB(std::string_view amps);

// Both ratings as the record's supply allows: none for three-phase fans or a
// voltage that does not start with "230".
struct Ratings {
    std::optional<std::string> a, b;
};
Ratings RatingsFor(const TFanRecord& rec);

// The text of the item at `position` of the full list with these ratings.
std::string AncillaryText(int position, const Ratings& ratings);

// The list for the fan: 19 items less the controllers whose rating is missing.
std::vector<AncillaryItem> BuildAncillaries(const TFanRecord& rec);

// "bmp\..." picture of the item at `position` of the full list.
const char* AncillaryPicture(int position);

} // namespace vd
