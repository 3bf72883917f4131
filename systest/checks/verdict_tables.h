#pragma once
// The fixed tables that turn a severity into what the user sees.
#include "check_result.h"
#include "text_source.h"

namespace Velkora {

struct LabelEntry {
    TextId labelId;
    std::int32_t image;
};

struct SummaryEntry {
    TextId labelId;
    TextId textId;
    std::int32_t icon;
};

LabelEntry LookUpLabel(Severity severity);
SummaryEntry LookUpSummary(Severity severity);

// List rows read their label into a 50-character buffer: at most 49 characters remain.
inline constexpr std::size_t kRowLabelMaxChars = 49;

ResultRow MakeResultRow(const ITextSource& texts, Severity severity, const std::wstring& text);
// The label, the report text directly behind it, CR LF.
std::wstring MakeReportLine(const ITextSource& texts, Severity severity, const std::wstring& reportText);

} // namespace Velkora
