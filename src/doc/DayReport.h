#pragma once

#include <string>

namespace kelvo {

struct DayCheckResult;

// The day check's findings as lines for a person: one line per finding (severity, file,
// element, message), then a summary saying whether Kelvo can work the day. UTF-8.
std::string dayReportText(const DayCheckResult& result, const std::string& folder);

// The same findings as one JSON object for the back office's tools (UTF-8):
// {"folder", "workable", "errors", "warnings", "routes", "stops", "invoices", "calls",
//  "findings": [{"severity", "kind", "file", "element", "message"}]}.
std::string dayReportJson(const DayCheckResult& result, const std::string& folder);

}  // namespace kelvo
