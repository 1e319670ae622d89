#include "doc/DayReport.h"

#include "common/Text.h"
#include "common/Translate.h"
#include "doc/DayCheck.h"

namespace kelvo {

namespace {

// A JSON string of an ISO-8859-1 text.
std::string jsonString(const std::string& latin1) {
    return quoteText(latin1ToUtf8(latin1));
}

const char* severityName(FindingSeverity s) {
    return s == FindingSeverity::Error ? "error" : "warning";
}

}  // namespace

std::string dayReportText(const DayCheckResult& result, const std::string& folder) {
    std::string out;
    for (const DayFinding& f : result.findings) {
        out += format("%-7s %s", severityName(f.severity), f.file.c_str());
        if (!f.element.empty()) {
            out += " " + f.element;
        }
        out += ": " + f.message + "\n";
    }
    const std::size_t errors = result.Count(FindingSeverity::Error);
    const std::size_t warnings = result.Count(FindingSeverity::Warning);
    out += format(tr("%s: %zu routes, %zu stops, %zu invoices, %zu calls read; %zu errors, %zu "
                     "warnings.")
                      .c_str(),
                  folder.c_str(), result.routes, result.stops, result.invoices, result.calls,
                  errors, warnings);
    out += "\n";
    out += result.Workable() ? tr("Kelvo can work this day.") : tr("Kelvo cannot work this day.");
    out += "\n";
    return latin1ToUtf8(out);
}

std::string dayReportJson(const DayCheckResult& result, const std::string& folder) {
    std::string out = "{\n";
    out += "  \"folder\": " + jsonString(folder) + ",\n";
    out += std::string("  \"workable\": ") + (result.Workable() ? "true" : "false") + ",\n";
    out += format("  \"errors\": %zu,\n  \"warnings\": %zu,\n",
                  result.Count(FindingSeverity::Error), result.Count(FindingSeverity::Warning));
    out +=
        format("  \"routes\": %zu,\n  \"stops\": %zu,\n  \"invoices\": %zu,\n  \"calls\": %zu,\n",
               result.routes, result.stops, result.invoices, result.calls);
    out += "  \"findings\": [";
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        const DayFinding& f = result.findings[i];
        out += i == 0 ? "\n" : ",\n";
        out += std::string("    {\"severity\": \"") + severityName(f.severity) +
               "\", \"kind\": \"" + findingKindName(f.kind) +
               "\", \"file\": " + jsonString(f.file) + ", \"element\": " + jsonString(f.element) +
               ", \"message\": " + jsonString(f.message) + "}";
    }
    out += result.findings.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

}  // namespace kelvo
