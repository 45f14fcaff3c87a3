#include "window_captions.h"

namespace vd {

namespace {

constexpr WindowCaption kCaptions[] = {
    {"bn_about", 0, "xAbout"},
    {"bn_factclose", 1, "xClose"},
    {"bn_closeabout", 1, "xClose"},
    {"bn_maintclose", 1, "xClose"},
    {"bn_diagclose", 1, "xClose"},
    {"bn_closeancil", 1, "xClose"},
    {"bn_contclose", 1, "xClose"},
    {"bn_closeproducts", 1, "xClose"},
    {"bn_cusclose", 1, "xClose"},
    {"bn_speclose", 1, "xClose"},
    {"bn_diaclose", 1, "xClose"},
    {"bn_exit", 2, "xExit"},
    {"bn_products", 3, "xProducts"},
    {"bn_Sproducts", 3, "xProducts"},
    {"bn_contact", 5, "xContact"},
    {"bn_company", 6, "xCompany"},
    {"bn_select", 8, "xSelect"},
    {"bn_choose_products", 8, "xSelect"},
    {"lb_cdf", 9, "xCircular duct fans"},
    {"lb_rdf", 10, "xRectangular duct fans"},
    {"lb_rf", 11, "xRoof fans"},
    {"lb_idf", 13, "xInsulated box fans"},
    {"lb_ujv", 14, "xCentrifugal fans"},
    {"lb_uxv", 15, "xHot gas fans"},
    {"lb_aqeh", 16, "xAxial fans"},
    {"cb_rej", 17, "xShow rejects"},
    {"bn_Smain", 18, "xMain menu"},
    {"bn_main", 18, "xMain menu"},
    {"lb_volume", 19, "xAir volume"},
    {"lb_pressure", 20, "xPressure"},
    {"lb_deviation", 21, "xDeviation"},
    {"bn_print", 30, "xPrint"},
    {"bn_cusprint", 30, "xPrint"},
    {"bn_specification", 31, "xSpecification"},
    {"bn_drawing", 32, "xDrawing"},
    {"bn_reselect", 33, "xReselect"},
    {"bn_diagram", 34, "xDiagram"},
    {"bn_maintenance", 35, "xMaintenance"},
    {"bn_ancillary", 36, "xAncillaries"},
    {"lb_company", 51, "xCompany:"},
    {"lb_attention", 52, "xAttention:"},
    {"lb_project", 53, "xProject:"},
    {"chk_PrintQuotation", 54, "xQuotation"},
    {"chk_printInstructions", 55, "xInstruction sheet"},
    {"lb_drawing", 56, "xDimensions"},
    {"lb_contact", 57, "xContact"},
    {"lb_about", 58, "xAbout the Catalogue"},
    {"lb_specification", 62, "xSpecification"},
    {"lb_maintenance", 63, "xMaintenance"},
    {"lb_ancillaries", 64, "xAncillaries"},
    {"lb_diagram", 65, "xFan Curve"},
    {"lb_print", 68, "xPrint and Quotation"},
    {"lb_reference", 69, "xReference:"},
    {"chk_printSummary", 70, "xData sheet"},
    {"lb_date", 71, "xDate:"},
    {"lb_quote", 75, "xQuote no.:"},
    {"lb_item", 76, "xItem:"},
    {"lb_validity", 77, "xValidity:"},
    {"lb_qty", 78, "xQuantity:"},
    {"lb_delivery", 79, "xDelivery:"},
    {"lb_terms", 80, "xTerms:"},
    {"lb_value", 81, "xValue:"},
    {"lb_despatch", 82, "xDespatch (weeks):"},
    {"lb_contact2", 83, "xContact:"},
    {"lb_ductType", 90, "xDuct type"},
    {"lb_supply", 123, "xSupply"},
    {"lb_wf", 126, "xWall fans"},
};

} // namespace

std::span<const WindowCaption> WindowCaptions() {
    return kCaptions;
}

} // namespace vd
