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

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace vd {

using LD = long double;

namespace {

// Specific power in kW per m3/s, or language text 119 when it shows as zero
// or is not a number at all; appended to `out`.
void AppendSpecificPower(std::string& out, float Wop, float Qop, char sep) {
    const LD sp = static_cast<LD>(Wop) / 1000 / Qop;
    if (std::isfinite(sp)) {
        const std::size_t from = out.size();
        AppendFixed(out, sp, 3, sep);
        for (std::size_t i = from; i < out.size(); ++i)
            if (out[i] >= '1' && out[i] <= '9')
                return;
        out.resize(from);
    }
    out += LanguageText[entry::kSpecificPowerLow];
}

void AppendInteger(std::string& out, std::int32_t value) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The bytes of a record that its grid row shows, copied out of the mapping so
// that building the row reads no mapped page.
struct RowBytes {
    unsigned char bytes[offs::picture_file + Str25::capacity + 1];

    void CopyFrom(const unsigned char* record) {
        std::memcpy(bytes, record, offs::max_temp);
        std::memcpy(bytes + offs::picture_file, record + offs::picture_file, Str25::capacity + 1);
    }
    std::string_view Text(std::size_t offset, std::size_t max) const {
        return RecordText(bytes, offset, max);
    }
    std::int32_t Int(std::size_t offset) const { return RecordInt(bytes + offset); }
};

// What every row of a run shares: the duty as entered, the units and the
// decimal separator.
struct RunCells {
    std::string enteredVolume = FormatFixed(EnteredVolume, 2) + " " + VolumeUnit;
    std::string enteredPressure = FormatFixed(EnteredPressure, 2) + " " + PressureUnit;
    const UnitRow* volumeUnit = FindUnit(VolumeUnits(), VolumeUnit);
    const UnitRow* pressureUnit = FindUnit(PressureUnits(), PressureUnit);
    char sep = DecimalSepText()[0];
};

GridRow ResultRow(GridRow::Builder& row, const RowBytes& rec, const OperatingPoint& op, float dev,
                  const RunCells& run) {
    using G = ResultsGrid;
    // Each cell is made in its column, in column order.
    auto text = [&](int col, std::string_view cell) {
        row.SkipTo(col);
        row.Add(cell);
    };
    auto start = [&](int col) -> std::string& {
        row.SkipTo(col);
        return row.Text();
    };
    AppendInteger(start(G::kFanNo), rec.Int(offs::fan_no));
    text(G::kModel, rec.Text(offs::model, Str13::capacity));
    AppendInUnit(start(G::kVolume), run.volumeUnit, op.Qop, run.sep);
    AppendInUnit(start(G::kPressure), run.pressureUnit, op.Pop, run.sep);
    std::string& percent = start(G::kPercent);
    AppendFixed(percent, dev, 0, run.sep);
    percent += '%';
    AppendSpecificPower(start(G::kSpecificPower), op.Wop, op.Qop, run.sep);
    text(G::kValueCol6, rec.Text(offs::value_col6, Str10::capacity));
    text(G::kValueCol7, rec.Text(offs::value_col7, Str10::capacity));
    text(G::kAmps, rec.Text(offs::amps, Str10::capacity));
    std::string& supply = start(G::kSupply);
    supply += rec.Text(offs::volts, Str10::capacity);
    supply += '/';
    AppendInteger(supply, rec.Int(offs::hz));
    supply += '/';
    AppendInteger(supply, rec.Int(offs::phases));
    text(G::kPicture, rec.Text(offs::picture_file, Str25::capacity));
    text(G::kEnteredVolume, run.enteredVolume);
    text(G::kEnteredPressure, run.enteredPressure);
    text(G::kFamily, rec.Text(offs::family, Str5::capacity));
    return row.Build();
}

GridRow RejectRow(const RowBytes& rec, const char* reason) {
    return GridRow{{}, rec.Text(offs::model, Str13::capacity), reason};
}

// The grid rows of one run of records, in record order. Over a mapping, a file
// that shrank since it was opened faults on a lost page: the rows of the
// records before it stay, as with a short read, and `intact` is false.
struct ListedRows {
    std::vector<GridRow> rows;
    ColumnSummary summary; // of the rows
    bool intact = true;
    std::optional<TFanRecord> last; // the span's last record, when asked for
};

// Judges the records in place (or takes the verdicts given), then copies out
// the few fields of the records that make a row. Reads no shared state that a
// run writes, so spans of one catalogue may be listed on several threads.
ListedRows ListRecords(const RecordSpan& span, const SelectionCriteria& criteria,
                       const std::vector<RecordVerdict>* judged, bool wantLast) {
    ListedRows out;
    std::vector<RecordVerdict> verdicts;
    out.intact = judged || CatchBusError([&] { ScanRecords(span, criteria, verdicts); });
    const RunCells run;
    RowBytes row;
    GridRow::Builder builder;
    const std::vector<RecordVerdict>& listed = judged ? *judged : verdicts;
    out.rows.reserve(listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const RecordVerdict& v = listed[i];
        // The scan has moved on since it read these records; ask for the
        // lines a row copies a few rows ahead (a prefetch never faults).
        constexpr std::size_t kAhead = 4;
        if (i + kAhead < listed.size()) {
            const unsigned char* ahead =
                span.Record(static_cast<std::size_t>(listed[i + kAhead].record - span.first));
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + offs::max_temp - 1);
            __builtin_prefetch(ahead + offs::picture_file);
            __builtin_prefetch(ahead + offs::picture_file + Str25::capacity);
            __builtin_prefetch(ahead + offs::power);
            __builtin_prefetch(ahead + offs::power + 19 * 4 - 1);
        }
        const unsigned char* bytes = span.Record(static_cast<std::size_t>(v.record - span.first));
        OperatingPoint op = v.op;
        if (!(out.intact = CatchBusError([&] {
                  row.CopyFrom(bytes);
                  WorkOutPower(op, bytes);
              })))
            break;
        out.rows.push_back(v.Qualifies() ? ResultRow(builder, row, op, v.dev, run)
                                         : RejectRow(row, v.reason));
        // Summed up while the row is in this thread's cache.
        out.summary.Add(out.rows.back());
    }
    if (out.intact && wantLast && span.count > 0) {
        TFanRecord last;
        if ((out.intact =
                 CatchBusError([&] { DecodeFanRecord(span.Record(span.count - 1), last); })))
            out.last = std::move(last);
    }
    return out;
}

// Lists every window of the file, on as many threads as there are cores (a
// window each at a time), tells `reserve` how many rows they made, and hands
// the windows' rows to `take` in file order. Stops at the first window that
// could not be read to its end.
template <class Reserve, class Take>
void ListWindows(const MappedCatalogue& file, const SelectionCriteria& criteria, Reserve&& reserve,
                 Take&& take) {
    const long long windows = file.WindowCount();
    const long long threads = std::clamp<long long>(std::thread::hardware_concurrency(), 1, 8);
    const auto workers = static_cast<std::size_t>(std::min(threads, windows));
    auto listWindow = [&](long long w) {
        const MappedCatalogue::Window window = file.MapWindow(w);
        return ListRecords(window.Records(), criteria, nullptr, w == windows - 1);
    };
    struct Slot {
        ListedRows rows;
        std::exception_ptr error;
    };
    std::vector<Slot> slots(static_cast<std::size_t>(windows));
    std::atomic<long long> next{0};
    auto work = [&] {
        for (long long w; (w = next++) < windows;) {
            Slot& slot = slots[static_cast<std::size_t>(w)];
            try {
                slot.rows = listWindow(w);
            } catch (...) {
                slot.error = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> pool;
        for (std::size_t i = 1; i < workers; ++i) {
            try {
                pool.emplace_back(work);
            } catch (const std::system_error&) {
                break; // no thread to be had: this one lists the rest
            }
        }
        work();
    }
    std::size_t rows = 0;
    for (const Slot& slot : slots)
        rows += slot.rows.rows.size();
    reserve(rows);
    for (Slot& slot : slots) {
        if (slot.error)
            std::rethrow_exception(slot.error);
        if (!take(std::move(slot.rows)))
            return;
    }
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
    // Rows from an earlier run, if any, are sorted with the new ones; without
    // them the windows' summaries are of exactly the rows to sort.
    const bool onlySpareRow = sg.RowCount() == sg.FixedRows() + 1;
    ColumnSummary summary;

    const SelectionCriteria criteria = CriteriaFromSharedState(controls);
    // Rows go in above the spare last row, which is removed at the end.
    auto take = [&](ListedRows listed) {
        n += static_cast<int>(listed.rows.size());
        summary.Join(listed.summary);
        sg.InsertRows(sg.RowCount() - 1, std::move(listed.rows));
        // After the scan the record buffer holds the catalogue's last record.
        if (listed.last)
            FanRecord = std::move(*listed.last);
        return listed.intact;
    };
    if (catalogue) {
        RecordSpan all;
        all.bytes = reinterpret_cast<const unsigned char*>(catalogue->bytes.data());
        all.count = static_cast<std::size_t>(catalogue->count);
        take(ListRecords(all, criteria, judged, true));
    } else {
        MappedCatalogue file;
        file.Open();
        // The rows are made on several threads: the separator is taken from
        // the locale once, here, rather than by the first of them.
        DecimalSepText();
        bool intact = true;
        ListWindows(
            file, criteria, [&](std::size_t rows) { sg.ReserveRows(sg.RowCount() + rows); },
            [&](ListedRows listed) { return intact = take(std::move(listed)); });
        if (!intact)
            throw TruncatedFileError(file.Name());
    }

    if (n == 0) {
        messages.ShowMessage(LanguageText[entry::kNoFanFound]);
        ResultsAvailable = false;
    }
    sg.SetRowCount(sg.RowCount() - 1);
    sg.SetSortColumn(ResultsGrid::kPercent);
    if (onlySpareRow)
        sg.Sort(summary);
    else
        sg.Sort();
    sg.SetVisible(true);
}

} // namespace vd
