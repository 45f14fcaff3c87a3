// vdcat print: the data sheet, quotation and instruction sheet of a fan found
// for a duty, as the pages of one PDF file.
#include "commands.h"
#include "gui_app.h"

#include "ancillaries.h"
#include "date_text.h"
#include "errors.h"
#include "fan_detail.h"
#include "fan_file.h"
#include "language_texts.h"
#include "number_text.h"
#include "paths.h"
#include "picture.h"
#include "print_run.h"
#include "qpainter_canvas.h"
#include "qt_print_service.h"
#include "qt_text.h"
#include "results_grid.h"
#include "text_loader.h"
#include "vd_variables.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

namespace vdcat {

namespace {

int PrintUsage(const std::string& why) {
    return Usage("print", why);
}

// Each printout is a page of one PDF: a failed printout leaves its page as far
// as it got, and is reported.
class PdfPages : public vd::PrintService {
  public:
    PdfPages(const QString& file, int dpi) : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(file);
        printer_.setResolution(dpi);
        printer_.setPageSize(QPageSize(QPageSize::A4));
        printer_.setPageOrientation(QPageLayout::Portrait);
    }
    bool ShowDialog() override { return true; }
    int DpiX() const override { return printer_.resolution(); }
    int DpiY() const override { return printer_.resolution(); }
    vd::Canvas* BeginJob(const std::string& title) override {
        printer_.setDocName(vd::FromCp1252(title));
        if (!painter_.isActive()) {
            if (!painter_.begin(&printer_))
                return nullptr;
        } else {
            printer_.newPage();
        }
        canvas_ = std::make_unique<vd::QPainterCanvas>(painter_, 0);
        return canvas_.get();
    }
    void EndJob() override {}
    void AbortJob() override { ++failed; }
    bool Finish() { return painter_.isActive() ? painter_.end() : false; }
    int failed = 0;

  private:
    QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<vd::QPainterCanvas> canvas_;
};

// The material that the printouts take from the detail pages, loaded once
// for the fan as the window loads it when the fan is chosen. The data sheet's
// diagram asks again; the material is already there.
class PrintMaterial : public vd::DetailLoader {
  public:
    // Loads what the chosen printouts show; each missing piece is named on
    // stderr. Returns how many were missing.
    int Load(const vd::PrintChoices& choices) {
        int missing = 0;
        vd::FanDetailTargets t;
        if (choices.instructions) {
            t.diagram = [&](const std::string& path) { diagram = Picture(path); };
            t.maintenance = [&](const std::string& path) {
                QTextDocument doc;
                vd::LoadDataTextFile(doc, path);
                instructions.clear();
                for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
                    instructions.push_back(vd::ToCp1252(b.text()));
            };
        }
        if (choices.summary)
            t.drawing = [&](const std::string& path) { drawing = Picture(path); };
        t.message = [&](const std::string& text) {
            PrintError("vdcat print: " + text);
            ++missing;
        };
        t.replaced = [&](const std::string& what, const std::string& path) {
            PrintError("vdcat print: Cannot find " + what + " " + path.substr(4));
            ++missing;
        };
        try {
            vd::LoadFanDetailMaterial(vd::FanRecord, vd::LanguageCode, t);
        } catch (const vd::FileError& e) {
            PrintError(std::string("vdcat print: ") + e.what());
            ++missing;
        }
        return missing;
    }
    void LoadFanDetail() override {}
    std::optional<vd::QtCanvasPicture> diagram, drawing;
    std::vector<std::string> instructions;

  private:
    static vd::QtCanvasPicture Picture(const std::string& path) {
        return vd::QtCanvasPicture(vd::LoadDataPicture(path));
    }
};

std::vector<std::string> SplitList(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty())
            out.push_back(item);
    return out;
}

// The print page's texts: captions in the chosen language, edits from the
// options (empty without), the date as the window's date field writes today.
vd::PrintTexts PageTexts(const Options* o) {
    auto text = [&](const char* option) {
        const std::string* v = o ? o->get(option) : nullptr;
        return v ? vd::Utf8ToCp1252(*v) : std::string();
    };
    vd::PrintTexts t;
    vd::SetPrintLabelsFromLanguage(t);
    for (const vd::PrintEdit& edit : vd::PrintEdits())
        t.*edit.text = text(("--" + std::string(edit.name)).c_str());
    if (!o || !o->get("--date"))
        t.ed_date = vd::ToCp1252(vd::TodayAsDateField());
    try {
        vd::ReadAddress();
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat print: warning: %s\n", e.what());
    }
    try {
        t.quoteFooter = vd::ReadQuoteLines();
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat print: warning: %s\n", e.what());
    }
    return t;
}

int PrintFanRow(vd::ResultsGrid& grid, int row, const vd::PrintTexts& texts,
                const vd::PrintChoices& choices, int dpi, const std::string& out) {
    grid.SetCurrentRow(row);
    auto fan = vd::ParseInteger(grid.Cell(vd::ResultsGrid::kFanNo, row));
    vd::SelectedFanNo = static_cast<std::int32_t>(fan ? *fan : 0);
    try {
        vd::FetchFanRecord(vd::SelectedFanNo, vd::FanRecord);
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat print: %s\n", e.what());
        return kDataError;
    }
    PrintMaterial material;
    const int missing = material.Load(choices);
    PdfPages pdf(QString::fromStdString(out), dpi);
    // Absolute: the picture loader resolves a relative path against the data
    // root once more.
    const std::string logo =
        std::filesystem::absolute(vd::DataPath("pics\\vandrel_logo.wmf")).string();
    vd::PrintContext c;
    c.texts = &texts;
    c.grid = &grid;
    c.detail = &material;
    c.dataSheetLogo = logo;
    c.loadPicture = vd::LoadPrintPicture;
    c.drawing = [&]() -> const vd::CanvasPicture* {
        return material.drawing ? &*material.drawing : nullptr;
    };
    c.diagram = [&]() -> const vd::CanvasPicture* {
        return material.diagram ? &*material.diagram : nullptr;
    };
    c.instructions = [&] { return material.instructions; };
    vd::RunPrintouts(pdf, choices, c);
    if (!pdf.Finish()) {
        std::fprintf(stderr, "vdcat print: cannot write %s\n", out.c_str());
        return kDataError;
    }
    if (pdf.failed) {
        std::fprintf(stderr, "vdcat print: %d printout%s could not be drawn completely\n",
                     pdf.failed, pdf.failed == 1 ? "" : "s");
        return kDataError;
    }
    return missing ? kIncomplete : kOk;
}

} // namespace

int PrintFirstFan(vd::ResultsGrid& grid, const std::string& out) {
    return PrintFanRow(grid, grid.FixedRows(), PageTexts(nullptr), vd::PrintChoices{}, 300, out);
}

int RunPrint(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    names.insert(names.end(), {"--fan", "--out", "--only", "--dpi", "--ancillaries"});
    for (const vd::PrintEdit& edit : vd::PrintEdits())
        names.push_back("--" + std::string(edit.name));
    Options o = ParseOptions(args, names, SelectionFlagNames());
    if (!o.error.empty())
        return PrintUsage(o.error);
    if (!o.positional.empty())
        return PrintUsage("unexpected argument " + o.positional.front());
    if (!o.get("--fan") || !o.get("--out"))
        return PrintUsage("--fan and --out are required");
    auto fan = vd::ParseInteger(*o.get("--fan"));
    if (!fan)
        return PrintUsage("--fan is a fan number");
    int dpi = 600;
    if (const std::string* d = o.get("--dpi")) {
        auto v = vd::ParseInteger(*d);
        if (!v || *v < 20 || *v > 2400)
            return PrintUsage("--dpi is a resolution from 20 to 2400");
        dpi = static_cast<int>(*v);
    }
    vd::PrintChoices choices{false, false, false};
    for (const std::string& p :
         SplitList(o.get("--only") ? *o.get("--only") : "summary,quotation,instructions")) {
        if (p == "summary")
            choices.summary = true;
        else if (p == "quotation")
            choices.quotation = true;
        else if (p == "instructions")
            choices.instructions = true;
        else
            return PrintUsage("--only names summary, quotation and instructions");
    }

    auto app = StartOffscreenGui();
    vd::ResultsGrid grid;
    DutyRequest request;
    if (int code = RunSelectionFromOptions("print", o, request, grid); code != kOk)
        return code;
    const int row = FanRow(grid, *fan);
    if (!row) {
        std::fprintf(stderr, "vdcat print: fan %lld is not among the results for this duty\n",
                     *fan);
        return kNoResult;
    }

    vd::PrintTexts texts = PageTexts(&o);
    if (const std::string* a = o.get("--ancillaries")) {
        try {
            vd::FetchFanRecord(static_cast<int>(*fan), vd::FanRecord);
        } catch (const vd::FileError& e) {
            std::fprintf(stderr, "vdcat print: %s\n", e.what());
            return kDataError;
        }
        const std::vector<vd::AncillaryItem> offered = vd::BuildAncillaries(vd::FanRecord);
        std::vector<bool> tick(vd::kAncillaryItems, false);
        for (const std::string& p : SplitList(*a)) {
            auto pos = vd::ParseInteger(p);
            if (!pos || *pos < 0 || *pos >= vd::kAncillaryItems)
                return PrintUsage("--ancillaries takes positions from 0 to 18");
            const bool held = std::any_of(offered.begin(), offered.end(),
                                          [&](const auto& item) { return item.position == *pos; });
            if (!held)
                return PrintUsage("--ancillaries: item " + p + " is not in the list of fan " +
                                  std::to_string(*fan));
            tick[static_cast<size_t>(*pos)] = true;
        }
        for (const auto& item : offered)
            if (tick[static_cast<size_t>(item.position)])
                texts.ancillaries.push_back(item.text);
    }
    return PrintFanRow(grid, row, texts, choices, dpi, *o.get("--out"));
}

} // namespace vdcat
