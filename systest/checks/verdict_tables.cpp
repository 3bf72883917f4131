#include "verdict_tables.h"
#include "text_ids.h"

namespace Velkora {

LabelEntry LookUpLabel(Severity severity) {
    switch (severity) {
    case 1: return {kTextLabelNotMet, kImageRedCross};
    case 2: return {kTextLabelWarning, kImageWarning};
    case 3:
    case 4: return {kTextLabelMet, kImageGreenTick};
    case 5: return {kTextLabelNotice, kImageWarning};
    default: return {kTextLabelUnknown, kImageRedCross};
    }
}

SummaryEntry LookUpSummary(Severity severity) {
    switch (severity) {
    case 1: return {kTextLabelNotMet, kTextSummaryNotMet, kImageRedCross};
    case 2: return {kTextLabelWarning, kTextSummaryWarning, kImageWarning};
    case 3:
    case 4: return {kTextLabelMet, kTextSummaryMet, kImageGreenTick};
    case 5: return {kTextLabelUnknown, kTextSummaryNotMet, kImageWarning};
    default: return {kTextLabelUnknown, kTextSummaryNotMet, kImageRedCross};
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
