// vdcat print: the data sheet, quotation and instruction sheet of a fan found
// for a duty, as the pages of one PDF file.
#include "commands.h"
#include "gui_app.h"

#include "ancillaries.h"
#include "errors.h"
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

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <optional>
#include <sstream>

namespace vdcat {

namespace {

const char* kPrintUsage =
    "usage: vdcat print SELECT-OPTIONS --fan N --out FILE.pdf [--only "
    "summary,quotation,instructions]\n"
    "       [--dpi D] [--date T] [--company T] [--attention T] [--project T] [--reference T]\n"
    "       [--quote T] [--item T] [--contact T] [--qty T] [--value T] [--despatch T]\n"
    "       [--delivery T] [--validity T] [--terms T] [--ancillaries P,P,...]\n"
    "SELECT-OPTIONS are those of vdcat select; fan N must be among its results.\n"
    "--ancillaries names positions 0..18 of the ancillaries list to tick.";

int Usage(const std::string& why) {
    std::fprintf(stderr, "vdcat print: %s\n%s\n", why.c_str(), kPrintUsage);
    return kUsage;
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

// The material that the printouts take from the detail pages.
class PrintMaterial : public vd::DetailLoader {
  public:
    void LoadFanDetail() override {
        const vd::TFanRecord& r = vd::FanRecord;
        diagram = PictureOrBlank(r.diagram_file.str());
        drawing = PictureOrBlank(r.drawing_file.str());
        const std::string maint = vd::LanguageCode + r.maint_file.str();
        try {
            QTextDocument doc;
            vd::LoadDataTextFile(doc, "txt\\" + maint);
            instructions.clear();
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
                instructions.push_back(vd::ToCp1252(b.text()));
        } catch (const vd::FileError&) {
            PrintError("vdcat print: warning: Cannot find maintenance text " + maint);
        }
    }
    std::optional<vd::QtCanvasPicture> diagram, drawing;
    std::vector<std::string> instructions;

  private:
    static vd::QtCanvasPicture PictureOrBlank(const std::string& file) {
        try {
            return vd::QtCanvasPicture(vd::LoadDataPicture("wmf\\" + file));
        } catch (const vd::FileError&) {
            return vd::QtCanvasPicture(vd::LoadDataPicture("wmf\\blank.wmf"));
        }
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

} // namespace

int RunPrint(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    const char* extra[] = {"--fan",      "--out",       "--only",    "--dpi",        "--date",
                           "--company",  "--attention", "--project", "--reference",  "--quote",
                           "--item",     "--contact",   "--qty",     "--value",      "--despatch",
                           "--delivery", "--validity",  "--terms",   "--ancillaries"};
    names.insert(names.end(), std::begin(extra), std::end(extra));
    Options o = ParseOptions(args, names, {});
    if (!o.error.empty())
        return Usage(o.error);
    if (!o.positional.empty())
        return Usage("unexpected argument " + o.positional.front());
    if (!o.get("--fan") || !o.get("--out"))
        return Usage("--fan and --out are required");
    auto fan = vd::ParseInteger(*o.get("--fan"));
    if (!fan)
        return Usage("--fan is a fan number");
    int dpi = 600;
    if (const std::string* d = o.get("--dpi")) {
        auto v = vd::ParseInteger(*d);
        if (!v || *v < 20 || *v > 2400)
            return Usage("--dpi is a resolution from 20 to 2400");
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
            return Usage("--only names summary, quotation and instructions");
    }

    auto app = StartOffscreenGui();
    vd::ResultsGrid grid;
    if (int code = RunSelectionFromOptions(o, grid); code != kOk)
        return code;
    int row = 0;
    for (int r = 1; r < grid.RowCount(); ++r)
        if (grid.Cell(vd::ResultsGrid::kFanNo, r) == std::to_string(*fan))
            row = r;
    if (!row) {
        std::fprintf(stderr, "vdcat print: fan %lld is not among the results for this duty\n",
                     *fan);
        return kNoResult;
    }
    grid.SetCurrentRow(row);
    vd::SelectedFanNo = static_cast<std::int32_t>(*fan);

    // The print page's texts: captions in the chosen language, edits from options.
    auto text = [&](const char* option) {
        return o.get(option) ? vd::Utf8ToCp1252(*o.get(option)) : std::string();
    };
    vd::PrintTexts t;
    t.lb_date = vd::LanguageText[71];
    t.lb_company = vd::LanguageText[51];
    t.lb_attention = vd::LanguageText[52];
    t.lb_project = vd::LanguageText[53];
    t.lb_reference = vd::LanguageText[69];
    t.lb_quote = vd::LanguageText[75];
    t.lb_item = vd::LanguageText[76];
    t.lb_contact2 = vd::LanguageText[83];
    t.lb_qty = vd::LanguageText[78];
    t.lb_ancillaries = vd::LanguageText[64];
    t.ed_date = o.get("--date") ? text("--date")
                                : vd::ToCp1252(QDate::currentDate().toString("dd/MM/yyyy"));
    t.ed_company = text("--company");
    t.ed_attention = text("--attention");
    t.ed_project = text("--project");
    t.ed_reference = text("--reference");
    t.ed_quote = text("--quote");
    t.ed_item = text("--item");
    t.ed_contact = text("--contact");
    t.ed_qty = text("--qty");
    t.ed_value = text("--value");
    t.ed_despatch = text("--despatch");
    t.ed_delivery = text("--delivery");
    t.ed_validity = text("--validity");
    t.ed_terms = text("--terms");
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
    if (const std::string* a = o.get("--ancillaries")) {
        vd::FetchFanRecord(static_cast<int>(*fan), vd::FanRecord);
        std::vector<vd::AncillaryItem> offered = vd::BuildAncillaries(vd::FanRecord);
        std::vector<bool> tick(vd::kAncillaryItems, false);
        for (const std::string& p : SplitList(*a)) {
            auto pos = vd::ParseInteger(p);
            if (!pos || *pos < 0 || *pos >= vd::kAncillaryItems)
                return Usage("--ancillaries takes positions from 0 to 18");
            tick[static_cast<size_t>(*pos)] = true;
        }
        for (const auto& item : offered)
            if (tick[static_cast<size_t>(item.position)])
                t.ancillaries.push_back(item.text);
    }

    PrintMaterial material;
    PdfPages pdf(QString::fromStdString(*o.get("--out")), dpi);
    const std::string logo = vd::DataPath("pics\\vandrel_logo.wmf").string();
    vd::RunPrintouts(pdf, choices, [&](vd::Canvas* canvas, int ux, int uy) {
        vd::PrintContext c;
        c.canvas = canvas;
        c.pageUnitX = ux;
        c.pageUnitY = uy;
        c.texts = &t;
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
        return c;
    });
    if (!pdf.Finish()) {
        std::fprintf(stderr, "vdcat print: cannot write %s\n", o.get("--out")->c_str());
        return kDataError;
    }
    if (pdf.failed) {
        std::fprintf(stderr, "vdcat print: %d printout%s could not be drawn completely\n",
                     pdf.failed, pdf.failed == 1 ? "" : "s");
        return kDataError;
    }
    return kOk;
}

} // namespace vdcat
