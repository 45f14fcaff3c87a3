#include "printouts.h"

#include "fan_tables.h"
#include "text_entries.h"
#include "vd_variables.h"
#include "window_captions.h"

#include <cstring>

namespace vd {

namespace {

DrawTarget Page(const PrintContext& c, int originX = 0, int originY = 0, float scale = 1.0f,
                float spare = 1.0f) {
    return DrawTarget{c.canvas, c.pageUnitX, c.pageUnitY, originX, originY, scale, spare};
}

// Images copied opaquely, a black pen of width 2, Arial in black.
void StartPage(const PrintContext& c) {
    c.canvas->SetPenColor(colours::kBlack);
    c.canvas->SetPenWidth(2);
    c.canvas->SetFontName("Arial");
    c.canvas->SetFontColor(colours::kBlack);
    c.canvas->SetFontStyle(kFontRegular);
    c.canvas->SetBrushColor(colours::kWhite);
}

void Text(const PrintContext& c, int x, int y, const std::string& text) {
    // An empty edit leaves its place empty.
    if (!text.empty())
        Page(c).Text(x, y, text);
}

void Logo(const PrintContext& c, const std::string& path, int l, int t, int r, int b) {
    std::unique_ptr<CanvasPicture> logo = c.loadPicture(path);
    Page(c).StretchDraw(l, t, r, b, logo.get());
}

void Address(const PrintContext& c, int firstY, const int (&rows)[6]) {
    c.canvas->SetFontSize(12);
    Text(c, 100, firstY, AddressLines[1]);
    c.canvas->SetFontSize(10);
    for (int i = 0; i < 6; ++i)
        Text(c, 100, rows[i], AddressLines[static_cast<size_t>(i) + 2]);
}

void CustomerBlock(const PrintContext& c, int textX, const int (&rows)[5]) {
    const PrintTexts& t = *c.texts;
    const std::string* captions[] = {&t.lb_date, &t.lb_company, &t.lb_attention, &t.lb_project,
                                     &t.lb_reference};
    const std::string* texts[] = {&t.ed_date, &t.ed_company, &t.ed_attention, &t.ed_project,
                                  &t.ed_reference};
    for (int i = 0; i < 5; ++i) {
        Text(c, 10, rows[i], *captions[i]);
        Text(c, textX, rows[i], *texts[i]);
    }
}

} // namespace

std::span<const PrintLabel> PrintLabels() {
    static constexpr PrintLabel kLabels[] = {
        {"lb_date", &PrintTexts::lb_date},
        {"lb_company", &PrintTexts::lb_company},
        {"lb_attention", &PrintTexts::lb_attention},
        {"lb_project", &PrintTexts::lb_project},
        {"lb_reference", &PrintTexts::lb_reference},
        {"lb_quote", &PrintTexts::lb_quote},
        {"lb_item", &PrintTexts::lb_item},
        {"lb_contact2", &PrintTexts::lb_contact2},
        {"lb_qty", &PrintTexts::lb_qty},
        {"lb_ancillaries", &PrintTexts::lb_ancillaries},
    };
    return kLabels;
}

std::span<const PrintEdit> PrintEdits() {
    static constexpr PrintEdit kEdits[] = {
        {"date", &PrintTexts::ed_date},
        {"company", &PrintTexts::ed_company},
        {"attention", &PrintTexts::ed_attention},
        {"project", &PrintTexts::ed_project},
        {"reference", &PrintTexts::ed_reference},
        {"quote", &PrintTexts::ed_quote},
        {"item", &PrintTexts::ed_item},
        {"contact", &PrintTexts::ed_contact},
        {"qty", &PrintTexts::ed_qty},
        {"value", &PrintTexts::ed_value},
        {"despatch", &PrintTexts::ed_despatch},
        {"delivery", &PrintTexts::ed_delivery},
        {"validity", &PrintTexts::ed_validity},
        {"terms", &PrintTexts::ed_terms},
    };
    return kEdits;
}

void SetPrintLabelsFromLanguage(PrintTexts& t) {
    for (const PrintLabel& label : PrintLabels())
        for (const WindowCaption& caption : WindowCaptions())
            if (std::strcmp(caption.control, label.control) == 0)
                t.*label.text = LanguageEntry(caption.entry);
}

void PrintSummary(const PrintContext& c) {
    StartPage(c);
    Logo(c, c.dataSheetLogo, 99, 1, 140, 15);
    c.canvas->SetFontSize(14);
    Text(c, 10, 5, LanguageText[entry::kTitleDataSheet]);
    c.canvas->SetPenWidth(1);
    Address(c, 16, {20, 23, 26, 29, 32, 35});
    CustomerBlock(c, 25, {15, 20, 25, 30, 35});
    Page(c).StretchDraw(10, 130, 150, 198, c.drawing ? c.drawing() : nullptr);
    DrawDiagram(Page(c, 10, 40, 0.256f, 1.51f), *c.grid, *c.detail);
    DrawDataTable(Page(c, 10, 40, 0.256f, 1.51f), *c.grid);
    DrawDimensionTable(Page(c, 10, 200, 0.28f, 1.6f));
}

void PrintQuotation(const PrintContext& c) {
    const PrintTexts& t = *c.texts;
    StartPage(c);
    Logo(c, "pics\\logo_text.wmf", 20, 1, 140, 18);
    Address(c, 20, {25, 28, 31, 34, 37, 40});
    CustomerBlock(c, 27, {25, 29, 33, 37, 41});
    c.canvas->SetFontSize(14);
    Text(c, 62, 43, LanguageText[entry::kTitleQuotation]);
    c.canvas->SetPenWidth(1);
    c.canvas->SetFontSize(12);
    const std::pair<const std::string*, const std::string*> block[] = {
        {&t.lb_quote, &t.ed_quote},
        {&t.lb_item, &t.ed_item},
        {&t.lb_contact2, &t.ed_contact},
        {&t.lb_qty, &t.ed_qty}};
    for (int i = 0; i < 4; ++i) {
        Text(c, 10, 50 + 4 * i, *block[i].first);
        Text(c, 38, 50 + 4 * i, *block[i].second);
    }
    c.canvas->SetPenColor(colours::kBlack);
    c.canvas->SetPenWidth(1);
    Page(c).Rectangle(10, 73, 150, 158);
    DrawDataTable(Page(c, 10, 73, 0.249f, 1.34f), *c.grid);
    c.canvas->SetFontSize(12);
    Text(c, 88, 74, t.lb_ancillaries);
    c.canvas->SetFontSize(10);
    for (size_t i = 0; i < t.ancillaries.size(); ++i)
        Text(c, 88, 80 + 4 * static_cast<int>(i), t.ancillaries[i]);
    c.canvas->SetFontSize(12);
    // The terms block's labels are printed in English whatever the language.
    const std::pair<const char*, const std::string*> terms[] = {
        {"Value:", &t.ed_value},
        {"Despatch (weeks):", &t.ed_despatch},
        {"Delivery:", &t.ed_delivery},
        {"Validity:", &t.ed_validity},
        {"Terms of Payment:", &t.ed_terms}};
    for (int i = 0; i < 5; ++i) {
        Text(c, 10, 166 + 4 * i, terms[i].first);
        Text(c, 42, 166 + 4 * i, *terms[i].second);
    }
    c.canvas->SetFontSize(10);
    for (size_t i = 0; i < t.quoteFooter.size() && i < 7; ++i)
        Text(c, 10, 192 + 7 * static_cast<int>(i), t.quoteFooter[i]);
}

void PrintInstructions(const PrintContext& c) {
    StartPage(c);
    Logo(c, "pics\\Vandrel_Logo.wmf", 10, 1, 60, 19);
    c.canvas->SetFontSize(10);
    CustomerBlock(c, 27, {25, 29, 33, 37, 41});
    c.canvas->SetFontSize(14);
    c.canvas->SetFontStyle(kFontUnderline);
    Text(c, 10, 20, LanguageText[entry::kTitleInstructions]);
    c.canvas->SetFontStyle(kFontRegular);
    c.canvas->SetPenWidth(1);
    Page(c).StretchDraw(63, 1, 150, 55, c.diagram ? c.diagram() : nullptr);
    c.canvas->SetFontSize(8);
    const std::vector<std::string> lines =
        c.instructions ? c.instructions() : std::vector<std::string>{};
    for (size_t i = 0; i < lines.size(); ++i)
        Text(c, 10, 55 + 3 * static_cast<int>(i), lines[i]);
}

} // namespace vd
