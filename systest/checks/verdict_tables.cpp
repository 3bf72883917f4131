#include "verdict_tables.h"
#include "text_ids.h"

namespace Velkora {

LabelEntry LookUpLabel(Severity severity) {
    switch (severity) {
    case 1:
        return {kTextLabelNotMet, kImageRedCross};
    case 2:
        return {kTextLabelWarning, kImageWarning};
    case 3:
    case 4:
        return {kTextLabelMet, kImageGreenTick};
    case 5:
        return {kTextLabelNotice, kImageWarning};
    default:
        return {kTextLabelUnknown, kImageRedCross};
    }
}

SummaryEntry LookUpSummary(Severity severity) {
    switch (severity) {
    case 1:
        return {kTextLabelNotMet, kTextSummaryNotMet, kImageRedCross};
    case 2:
        return {kTextLabelWarning, kTextSummaryWarning, kImageWarning};
    case 3:
    case 4:
        return {kTextLabelMet, kTextSummaryMet, kImageGreenTick};
    case 5:
        return {kTextLabelUnknown, kTextSummaryNotMet, kImageWarning};
    default:
        return {kTextLabelUnknown, kTextSummaryNotMet, kImageRedCross};
    }
}

std::wstring BareLabel(std::wstring_view label) {
    // Blank, tab, no-break spaces (French puts one before the colon), colon, full-width
    // colon, hyphen, en dash, em dash.
    constexpr std::wstring_view separator = L" \t\u00A0\u202F:\uFF1A-\u2013\u2014";
    std::size_t end = label.find_last_not_of(separator);
    return std::wstring(label.substr(0, end == std::wstring_view::npos ? 0 : end + 1));
}

ResultRow MakeResultRow(const ITextSource& texts, Severity severity, const std::wstring& text) {
    LabelEntry entry = LookUpLabel(severity);
    std::wstring label = BareLabel(texts.RegisteredText(entry.labelId));
    if (label.size() > kRowLabelMaxChars)
        label.resize(kRowLabelMaxChars);
    return ResultRow{entry.image, std::move(label), text};
}

std::wstring MakeReportLine(const ITextSource& texts, Severity severity, const std::wstring& reportText) {
    return texts.Text(LookUpLabel(severity).labelId) + reportText + L"\r\n";
}

} // namespace Velkora
