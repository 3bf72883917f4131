#pragma once
// The fixed tables that turn a severity into what the user sees.
#include <string>
#include <string_view>

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

// A label text as the language module holds it carries the separator that the report puts
// between label and text ("Met: "); the list, the summary and the result document show the
// bare word. Trailing blanks, colons and dashes are the separator.
std::wstring BareLabel(std::wstring_view label);

// The row's label is the bare word.
ResultRow MakeResultRow(const ITextSource& texts, Severity severity, const std::wstring& text);
// The label with its separator, the report text directly behind it, CR LF.
std::wstring MakeReportLine(const ITextSource& texts, Severity severity, const std::wstring& reportText);

} // namespace Velkora
