#pragma once
// Why a fan is or is not listed for a duty: each test of the selection run in
// the run's order, with the values it compares and its outcome, then the
// verdict ("listed" or the reject reason as the reject rows show it).
#include "duty_request.h"

#include <string>

namespace vdcat {

// The duty must be stored (StoreDuty) and `rec` the fan's whole record.
// Text for a reader, or a JSON object.
std::string ExplainDocument(const DutyRequest& request, const vd::TFanRecord& rec, bool json);

} // namespace vdcat
