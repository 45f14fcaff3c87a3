#include "select_fans.h"

#include "fan_file.h"
#include "fan_verdict.h"
#include "number_text.h"
#include "operating_point.h"
#include "units.h"
#include "vd_variables.h"

#include <cmath>

namespace vd {

using LD = long double;

namespace {

// Specific power in kW per m3/s, or language text 119 when it shows as zero
// or is not a number at all.
std::string SpecificPowerText(float Wop, float Qop) {
    const LD sp = static_cast<LD>(Wop) / 1000 / Qop;
    if (std::isfinite(sp)) {
        std::string text = FormatFixed(sp, 3);
        for (char c : text)
            if (c >= '1' && c <= '9')
                return text;
    }
    return LanguageText[119];
}

void WriteResultRow(ResultsGrid& sg, int row, const TFanRecord& rec, const OperatingPoint& op,
                    float dev) {
    sg.SetCell(0, row, std::to_string(rec.fan_no));
    sg.SetCell(1, row, rec.model.str());
    sg.SetCell(2, row, FormatInUnit(VolumeUnits(), VolumeUnit, op.Qop));
    sg.SetCell(3, row, FormatInUnit(PressureUnits(), PressureUnit, op.Pop));
    sg.SetCell(4, row, FormatFixed(dev, 0) + "%");
    sg.SetCell(5, row, SpecificPowerText(op.Wop, op.Qop));
    sg.SetCell(6, row, rec.value_col6.str());
    sg.SetCell(7, row, rec.value_col7.str());
    sg.SetCell(8, row, rec.amps.str());
    sg.SetCell(9, row,
               rec.volts.str() + "/" + std::to_string(rec.hz) + "/" + std::to_string(rec.phases));
    sg.SetCell(10, row, rec.picture_file.str());
    sg.SetCell(20, row, FormatFixed(EnteredVolume, 2) + " " + VolumeUnit);
    sg.SetCell(21, row, FormatFixed(EnteredPressure, 2) + " " + PressureUnit);
    sg.SetCell(22, row, rec.family.str());
}

} // namespace

CatalogueImage ReadCatalogueImage() {
    CatalogueImage image;
    FanFile file;
    file.Open();
    image.count = file.RecordCount();
    image.bytes.resize(static_cast<std::size_t>(image.count) * kRecordSize);
    auto* out = reinterpret_cast<unsigned char*>(image.bytes.data());
    for (long long i = 0; i < image.count; ++i)
        file.ReadNextRaw(out + i * kRecordSize);
    file.Close();
    return image;
}

void SelectFans(const SelectionControls& controls, ResultsGrid& sg, MessageService& messages,
                const CatalogueImage* catalogue) {
    ResultsAvailable = true;
    int n = 0;

    // Appends into the spare last row and adds a new spare row.
    auto appendRow = [&]() {
        int row = sg.RowCount() - 1;
        sg.SetRowCount(sg.RowCount() + 1);
        ++n;
        return row;
    };

    TFanRecord& rec = FanRecord;
    // The tests read few fields; the whole record is decoded only for a row,
    // and for the last record, which the buffer holds after the scan.
    auto scan = [&](const unsigned char* raw, bool last) {
        DecodeSelectionFields(raw, rec);
        const FanVerdict verdict = JudgeFan(rec, controls);
        const std::string& reason = verdict.reason;
        if (reason == "OK" || controls.ShowRejects() || last)
            DecodeFanRecord(raw, rec);
        if (reason == "OK") {
            WriteResultRow(sg, appendRow(), rec, verdict.op, verdict.dev);
        } else if (controls.ShowRejects()) {
            int row = appendRow();
            sg.SetCell(1, row, rec.model.str());
            sg.SetCell(2, row, reason);
        }
    };
    if (catalogue) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(catalogue->bytes.data());
        for (long long i = 0; i < catalogue->count; ++i)
            scan(bytes + i * kRecordSize, i + 1 == catalogue->count);
    } else {
        FanFile file;
        file.Open();
        unsigned char raw[kRecordSize];
        while (!file.AtEnd()) {
            file.ReadNextRaw(raw);
            scan(raw, file.AtEnd());
        }
        file.Close();
    }

    if (n == 0) {
        messages.ShowMessage(LanguageText[95]);
        ResultsAvailable = false;
    }
    sg.SetRowCount(sg.RowCount() - 1);
    sg.SetSortColumn(ResultsGrid::kPercent);
    sg.Sort();
    sg.SetVisible(true);
}

} // namespace vd
