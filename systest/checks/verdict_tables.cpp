#include "verdict_tables.h"

namespace Velkora {

LabelEntry LookUpLabel(Severity severity) {
    switch (severity) {
    case 1: return {904, kImageRedCross};
    case 2: return {905, kImageWarning};
    case 3:
    case 4: return {906, kImageGreenTick};
    case 5: return {907, kImageWarning};
    default: return {908, kImageRedCross};
    }
}

SummaryEntry LookUpSummary(Severity severity) {
    switch (severity) {
    case 1: return {904, 970, kImageRedCross};
    case 2: return {905, 971, kImageWarning};
    case 3:
    case 4: return {906, 972, kImageGreenTick};
    case 5: return {908, 970, kImageWarning};
    default: return {908, 970, kImageRedCross};
    }
}

ResultRow MakeResultRow(const ITextSource& texts, Severity severity, const std::wstring& text) {
    LabelEntry entry = LookUpLabel(severity);
    std::wstring label = texts.RegisteredText(entry.labelId);
    if (label.size() > kRowLabelMaxChars) label.resize(kRowLabelMaxChars);
    return ResultRow{entry.image, std::move(label), text};
}

std::wstring MakeReportLine(const ITextSource& texts, Severity severity, const std::wstring& reportText) {
    return texts.Text(LookUpLabel(severity).labelId) + reportText + L"\r\n";
}

} // namespace Velkora
