// vdcat select: the select button's sequence on the catalogue, printed.
#include "commands.h"

#include "codepage.h"
#include "duty_input.h"
#include "errors.h"
#include "language_file.h"
#include "number_text.h"
#include "paths.h"
#include "results_grid.h"
#include "select_fans.h"
#include "units.h"
#include "vd_variables.h"

#include <cstdio>
#include <sstream>

namespace vdcat {
namespace {

struct CollectMessages : vd::MessageService {
    std::vector<std::string> texts;
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
};

int Usage(const std::string& why) {
    std::fprintf(stderr, "vdcat select: %s\n(see vdcat --help)\n", why.c_str());
    return kUsage;
}

bool IsUnit(const std::array<vd::UnitRow, 4>& table, const std::string& u) {
    return vd::FindUnit(table, u) != nullptr;
}

} // namespace

const std::vector<std::string>& SelectionOptionNames() {
    static const std::vector<std::string> names = {
        "--data",          "--volume",    "--volume-unit", "--pressure", "--pressure-unit",
        "--pressure-type", "--deviation", "--supply",      "--include",  "--language"};
    return names;
}

int RunSelectionFromOptions(const Options& o, vd::ResultsGrid& sg) {
    for (const char* required : {"--volume", "--volume-unit", "--pressure", "--pressure-unit"})
        if (!o.get(required))
            return Usage(std::string(required) + " is required");

    vd::ResetVariables();
    vd::SetDecimalSeparator('.');
    if (const std::string* d = o.get("--data"))
        vd::SetDataRoot(*d);

    vd::DutyInputs in;
    in.volumeUnitText = *o.get("--volume-unit");
    in.pressureUnitText = *o.get("--pressure-unit");
    if (!IsUnit(vd::VolumeUnits(), in.volumeUnitText))
        return Usage("unknown volume unit '" + in.volumeUnitText + "'");
    if (!IsUnit(vd::PressureUnits(), in.pressureUnitText))
        return Usage("unknown pressure unit '" + in.pressureUnitText + "'");
    in.volume = vd::ReadNumericEntry(*o.get("--volume"), '.');
    in.pressure = vd::ReadNumericEntry(*o.get("--pressure"), '.');

    in.pressureTypeIndex = 1;
    if (const std::string* t = o.get("--pressure-type")) {
        if (*t == "static")
            in.pressureTypeIndex = 0;
        else if (*t != "total")
            return Usage("--pressure-type is static or total");
    }

    vd::FixedSelectionControls controls;
    controls.allowedDeviation = 15;
    if (const std::string* d = o.get("--deviation"))
        controls.allowedDeviation = vd::ClampDeviation(vd::ReadNumericEntry(*d, '.'));
    controls.showRejects = o.has("--rejects");
    if (const std::string* s = o.get("--supply")) {
        auto v = vd::ParseInteger(*s);
        if (!v || *v < 0 || *v > 4)
            return Usage("--supply is a number from 0 to 4");
        in.supplyIndex = static_cast<int>(*v);
    }
    controls.supplyIndex = in.supplyIndex;

    for (const auto& f : vd::FamilyFlags())
        *f.flag = "N";
    if (const std::string* inc = o.get("--include")) {
        std::stringstream ss(*inc);
        std::string name;
        while (std::getline(ss, name, ',')) {
            if (name.empty())
                continue;
            bool found = false;
            for (const auto& f : vd::FamilyFlags())
                if (name == f.name) {
                    *f.flag = "Y";
                    found = true;
                }
            if (!found)
                return Usage("unknown family flag '" + name + "'");
        }
    }

    // The language gives the texts of "no fan found" and the zero specific power.
    try {
        if (const std::string* l = o.get("--language"))
            vd::LanguageCode = *l;
        else
            vd::ReadSetup();
        vd::ReadLanguageFile();
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat select: warning: %s; language texts stay empty\n", e.what());
    }

    CollectMessages messages;
    auto reset = [&] { vd::ResetResultsGrid(sg, in.volumeUnitText, in.pressureUnitText); };
    reset();
    vd::SelectOutcome outcome;
    try {
        outcome = vd::RunSelectButton(in, controls, sg, messages, reset);
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return kDataError;
    }
    if (outcome != vd::SelectOutcome::Ran) {
        PrintError(messages.texts.empty() ? "" : messages.texts.front());
        return kBadDuty;
    }
    if (!vd::ResultsAvailable) {
        PrintError(vd::LanguageText[95]);
        return kNoResult;
    }
    return kOk;
}

int RunSelect(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    names.push_back("--encoding");
    Options o = ParseOptions(args, names, {"--rejects"});
    if (!o.error.empty())
        return Usage(o.error);
    if (!o.positional.empty())
        return Usage("unexpected argument " + o.positional.front());
    bool raw = false;
    if (const std::string* e = o.get("--encoding")) {
        if (*e == "cp1252")
            raw = true;
        else if (*e != "utf8")
            return Usage("--encoding is utf8 or cp1252");
    }
    vd::ResultsGrid sg;
    if (int code = RunSelectionFromOptions(o, sg); code != kOk)
        return code;

    // Rows go out in blocks as they are joined, converted on the way.
    std::string out;
    out.reserve(1 << 17);
    auto flush = [&] {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    };
    for (int row = sg.FixedRows(); row < sg.RowCount(); ++row) {
        for (int col = 0; col <= 22; ++col) {
            if (col)
                out += '\t';
            if (raw)
                out += sg.Cell(col, row);
            else
                vd::AppendCp1252AsUtf8(out, sg.Cell(col, row));
        }
        out += '\n';
        if (out.size() >= (1 << 16))
            flush();
    }
    flush();
    return kOk;
}

} // namespace vdcat
