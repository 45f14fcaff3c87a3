#include "select_fans.h"

#include "bus_error_guard.h"
#include "fan_file.h"
#include "mapped_catalogue.h"
#include "number_text.h"
#include "operating_point.h"
#include "selection_scan.h"
#include "text_entries.h"
#include "units.h"
#include "vd_variables.h"

#include <cmath>
#include <cstring>

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
    return LanguageText[entry::kSpecificPowerLow];
}

// The bytes of a record that its grid row shows, copied out of the mapping so
// that building the row reads no mapped page.
struct RowBytes {
    unsigned char bytes[offs::picture_file + Str25::capacity + 1];

    void CopyFrom(const unsigned char* record) {
        std::memcpy(bytes, record, offs::max_temp);
        std::memcpy(bytes + offs::picture_file, record + offs::picture_file, Str25::capacity + 1);
    }
    std::string Text(std::size_t offset, std::size_t max) const {
        return std::string(RecordText(bytes, offset, max));
    }
    std::int32_t Int(std::size_t offset) const { return RecordInt(bytes + offset); }
};

void WriteResultRow(ResultsGrid& sg, int row, const RowBytes& rec, const OperatingPoint& op,
                    float dev) {
    sg.SetCell(0, row, std::to_string(rec.Int(offs::fan_no)));
    sg.SetCell(1, row, rec.Text(offs::model, Str13::capacity));
    sg.SetCell(2, row, FormatInUnit(VolumeUnits(), VolumeUnit, op.Qop));
    sg.SetCell(3, row, FormatInUnit(PressureUnits(), PressureUnit, op.Pop));
    sg.SetCell(4, row, FormatFixed(dev, 0) + "%");
    sg.SetCell(5, row, SpecificPowerText(op.Wop, op.Qop));
    sg.SetCell(6, row, rec.Text(offs::value_col6, Str10::capacity));
    sg.SetCell(7, row, rec.Text(offs::value_col7, Str10::capacity));
    sg.SetCell(8, row, rec.Text(offs::amps, Str10::capacity));
    sg.SetCell(9, row,
               rec.Text(offs::volts, Str10::capacity) + "/" + std::to_string(rec.Int(offs::hz)) +
                   "/" + std::to_string(rec.Int(offs::phases)));
    sg.SetCell(10, row, rec.Text(offs::picture_file, Str25::capacity));
    sg.SetCell(20, row, FormatFixed(EnteredVolume, 2) + " " + VolumeUnit);
    sg.SetCell(21, row, FormatFixed(EnteredPressure, 2) + " " + PressureUnit);
    sg.SetCell(22, row, rec.Text(offs::family, Str5::capacity));
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
                const CatalogueImage* catalogue, const std::vector<RecordVerdict>* judged) {
    ResultsAvailable = true;
    int n = 0;

    // Appends into the spare last row and adds a new spare row.
    auto appendRow = [&]() {
        int row = sg.RowCount() - 1;
        sg.SetRowCount(sg.RowCount() + 1);
        ++n;
        return row;
    };

    const SelectionCriteria criteria = CriteriaFromSharedState(controls);
    TFanRecord& rec = FanRecord;
    std::vector<RecordVerdict> rows;
    // Judges the records in place, then copies out the few fields of the
    // records that make a row. Over a mapping, a file that shrank since it was
    // opened faults on a lost page; the rows of the records before it stay, as
    // with a short read. Returns false then.
    auto list = [&](const RecordSpan& span, bool lastSpan) {
        rows.clear();
        bool intact = judged || CatchBusError([&] { ScanRecords(span, criteria, rows); });
        RowBytes row;
        for (const RecordVerdict& v : judged ? *judged : rows) {
            const unsigned char* bytes =
                span.Record(static_cast<std::size_t>(v.record - span.first));
            if (!(intact = CatchBusError([&] { row.CopyFrom(bytes); })))
                break;
            if (v.Qualifies()) {
                WriteResultRow(sg, appendRow(), row, v.op, v.dev);
            } else {
                const int at = appendRow();
                sg.SetCell(1, at, row.Text(offs::model, Str13::capacity));
                sg.SetCell(2, at, v.reason);
            }
        }
        // After the scan the record buffer holds the catalogue's last record.
        if (intact && lastSpan && span.count > 0)
            intact = CatchBusError([&] { DecodeFanRecord(span.Record(span.count - 1), rec); });
        return intact;
    };
    if (catalogue) {
        RecordSpan all;
        all.bytes = reinterpret_cast<const unsigned char*>(catalogue->bytes.data());
        all.count = static_cast<std::size_t>(catalogue->count);
        list(all, true);
    } else {
        MappedCatalogue file;
        file.Open();
        for (long long next = 0; next < file.RecordCount();) {
            const RecordSpan window = file.MapWindow(next);
            next += static_cast<long long>(window.count);
            if (!list(window, next == file.RecordCount()))
                throw TruncatedFileError(file.Name());
        }
    }

    if (n == 0) {
        messages.ShowMessage(LanguageText[entry::kNoFanFound]);
        ResultsAvailable = false;
    }
    sg.SetRowCount(sg.RowCount() - 1);
    sg.SetSortColumn(ResultsGrid::kPercent);
    sg.Sort();
    sg.SetVisible(true);
}

} // namespace vd
