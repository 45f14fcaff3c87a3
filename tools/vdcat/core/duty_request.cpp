#include "duty_request.h"

#include "duty_input.h"
#include "errors.h"
#include "fan_file.h"
#include "language_file.h"
#include "number_text.h"
#include "select_fans.h"
#include "text_entries.h"
#include "units.h"
#include "vd_variables.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace vdcat {
namespace {

struct CollectMessages : vd::MessageService {
    std::vector<std::string> texts;
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
};

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Flags, pressure-type rule and the input page's values; a problem when the
// pressure type is refused.
std::optional<DutyProblem> PrepareInputs(const DutyRequest& r, vd::DutyInputs& in) {
    if (auto problem = CheckDutyRequest(r))
        return problem;
    vd::SetDecimalSeparator('.');
    for (const auto& f : vd::FamilyFlags())
        *f.flag = "N";
    for (const std::string& name : r.families)
        for (const auto& f : vd::FamilyFlags())
            if (name == f.name)
                *f.flag = "Y";
    CollectMessages messages;
    in.pressureTypeIndex = IsStaticPressure(r) ? 0 : 1;
    if (vd::ApplyPressureTypeRule(in.pressureTypeIndex, messages) != in.pressureTypeIndex)
        return DutyProblem{kBadDuty, messages.texts.front(), "pressure_type"};
    in.volume = r.volume;
    in.pressure = r.pressure;
    in.volumeUnitText = r.volumeUnit;
    in.pressureUnitText = r.pressureUnit;
    in.supplyIndex = r.supply;
    return std::nullopt;
}

DutyProblem Refused(vd::SelectOutcome outcome) {
    if (outcome == vd::SelectOutcome::VolumeIncorrect)
        return {kBadDuty, vd::kVolumeIncorrect, "volume"};
    return {kBadDuty, vd::kPressureIncorrect, "pressure"};
}

} // namespace

bool IsStaticPressure(const DutyRequest& r) {
    if (r.staticPressure)
        return *r.staticPressure;
    return std::any_of(r.families.begin(), r.families.end(),
                       [](const std::string& f) { return f == "EH" || f == "AQ"; });
}

std::optional<DutyProblem> ReadDuty(const std::function<const std::string*(const char*)>& text,
                                    const std::function<std::string(const char*)>& shown,
                                    DutyRequest& r) {
    for (const char* required : {"volume", "volume_unit", "pressure", "pressure_unit"})
        if (!text(required))
            return DutyProblem{kUsage, shown(required) + " is required", required};
    r.volumeUnit = *text("volume_unit");
    r.pressureUnit = *text("pressure_unit");
    auto volume = ParseCNumber(*text("volume"));
    if (!volume)
        return DutyProblem{kBadDuty, vd::kVolumeIncorrect, "volume"};
    auto pressure = ParseCNumber(*text("pressure"));
    if (!pressure)
        return DutyProblem{kBadDuty, vd::kPressureIncorrect, "pressure"};
    r.volume = *volume;
    r.pressure = *pressure;
    if (const std::string* t = text("pressure_type")) {
        if (*t != kStatic && *t != kTotal)
            return DutyProblem{kUsage, shown("pressure_type") + " is static or total",
                               "pressure_type"};
        r.staticPressure = *t == kStatic;
    }
    if (const std::string* d = text("deviation")) {
        auto v = ParseCNumber(*d);
        if (!v)
            return DutyProblem{kUsage, shown("deviation") + " is a number", "deviation"};
        r.deviation = *v;
    }
    if (const std::string* s = text("supply")) {
        auto v = vd::ParseInteger(*s);
        if (!v || *v < 0 || *v > 4)
            return DutyProblem{kUsage, shown("supply") + " is a number from 0 to 4", "supply"};
        r.supply = static_cast<int>(*v);
    }
    if (const std::string* families = text("families")) {
        std::string name;
        for (char c : *families + ",") {
            if (c == ',' || c == ';' || c == '+' || c == ' ') {
                if (!name.empty())
                    r.families.push_back(name);
                name.clear();
            } else {
                name += c;
            }
        }
    }
    return CheckDutyRequest(r);
}

std::optional<long double> ParseCNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(text[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // from_chars takes no plus sign and reads independently of the locale.
    long double value = 0;
    const char* first = text.data() + mantissa;
    auto [end, ec] = std::from_chars(first, text.data() + n, value);
    if (ec != std::errc() || end != text.data() + n || !std::isfinite(value))
        return std::nullopt;
    return text[0] == '-' ? -value : value;
}

std::optional<DutyProblem> CheckDutyRequest(const DutyRequest& r) {
    if (!vd::FindUnit(vd::VolumeUnits(), r.volumeUnit))
        return DutyProblem{kUsage, "unknown volume unit '" + r.volumeUnit + "'", "volume_unit"};
    if (!vd::FindUnit(vd::PressureUnits(), r.pressureUnit))
        return DutyProblem{kUsage, "unknown pressure unit '" + r.pressureUnit + "'",
                           "pressure_unit"};
    if (r.supply < 0 || r.supply > 4)
        return DutyProblem{kUsage, "the supply is a number from 0 to 4", "supply"};
    if (!std::isfinite(r.deviation))
        return DutyProblem{kUsage, "the deviation is a number", "deviation"};
    for (const std::string& name : r.families) {
        bool known = false;
        for (const auto& f : vd::FamilyFlags())
            known = known || name == f.name;
        if (!known)
            return DutyProblem{kUsage, "unknown family flag '" + name + "'", "families"};
    }
    return std::nullopt;
}

std::optional<std::string> LoadLanguage(const std::string& code) {
    try {
        if (!code.empty())
            vd::LanguageCode = code;
        else
            vd::ReadSetup();
        vd::ReadLanguageFile();
    } catch (const vd::FileError& e) {
        return std::string(e.what()) + "; language texts stay empty";
    }
    return std::nullopt;
}

vd::FixedSelectionControls ControlsFor(const DutyRequest& r) {
    vd::FixedSelectionControls controls;
    controls.allowedDeviation = vd::ClampDeviation(r.deviation);
    controls.showRejects = r.rejects;
    controls.supplyIndex = r.supply;
    return controls;
}

std::optional<DutyProblem> RunDuty(const DutyRequest& r, vd::ResultsGrid& grid,
                                   const vd::CatalogueImage* catalogue,
                                   const std::vector<vd::RecordVerdict>* judged) {
    vd::DutyInputs in;
    if (auto problem = PrepareInputs(r, in))
        return problem;
    CollectMessages messages;
    auto reset = [&] { vd::ResetResultsGrid(grid, in.volumeUnitText, in.pressureUnitText); };
    reset();
    vd::SelectOutcome outcome;
    try {
        outcome = vd::RunSelectButton(in, ControlsFor(r), grid, messages, reset, catalogue, judged);
    } catch (const vd::FileError& e) {
        return DutyProblem{kDataError, e.what(), "catalogue"};
    }
    if (outcome != vd::SelectOutcome::Ran)
        return Refused(outcome);
    if (!vd::ResultsAvailable)
        return DutyProblem{kNoResult, vd::LanguageText[vd::entry::kNoFanFound], ""};
    return std::nullopt;
}

std::optional<DutyProblem> StoreDuty(const DutyRequest& r) {
    vd::DutyInputs in;
    if (auto problem = PrepareInputs(r, in))
        return problem;
    CollectMessages messages;
    if (auto outcome = vd::StoreDutyPoint(in, messages); outcome != vd::SelectOutcome::Ran)
        return Refused(outcome);
    return std::nullopt;
}

bool FetchFan(long long fanNo, vd::TFanRecord& rec, const vd::CatalogueImage* catalogue) {
    if (catalogue) {
        if (fanNo < 1 || fanNo > catalogue->count)
            return false;
        vd::DecodeFanRecord(reinterpret_cast<const unsigned char*>(catalogue->bytes.data()) +
                                (fanNo - 1) * vd::kRecordSize,
                            rec);
        return true;
    }
    vd::FanFile file;
    file.Open();
    if (fanNo < 1 || fanNo > file.RecordCount())
        return false;
    file.Seek(fanNo - 1);
    file.ReadNext(rec);
    return true;
}

} // namespace vdcat
