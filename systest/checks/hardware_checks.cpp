#include "hardware_checks.h"

#include "text_format.h"
#include "text_ids.h"

namespace Velkora {
namespace {

void Set(CheckResult& result, Severity severity, std::wstring text) {
    result.severity = severity;
    result.reportText = text; // these checks report what they show
    result.text = std::move(text);
}

constexpr std::int64_t kGiB = 1073741824;

} // namespace

void CheckOperatingSystem(const ITextSource& texts, const OSSupportFacts& facts, CheckResult& result) {
    if (facts.displayResult != 1) {
        result.severity = 0;
        return;
    }
    const int servicePack = static_cast<int>(facts.digit) - L'0';
    switch (facts.supportLetter) {
    case L'+':
    case L'?':
        Set(result, kSeverityMet, texts.Text(kTextOSSupported));
        break;
    case L'-':
        Set(result, kSeverityNotMet, FormatTextById(texts, kTextOSNeedsServicePack, {servicePack}));
        break;
    case L'.':
        Set(result, kSeverityWarning, FormatTextById(texts, kTextOSNeedsServicePack, {servicePack}));
        break;
    case L'8':
    case L'd':
        Set(result, kSeverityWarning, texts.Text(kTextOSNotRecommended));
        break;
    case L'D':
    case L'n':
        Set(result, kSeverityNotMet, texts.Text(kTextOSNotSupported));
        break;
    case L'N':
        Set(result, kSeverityWarning, texts.Text(kTextOSNewer));
        break;
    default:
        break; // an unknown letter says nothing
    }
}

void CheckProcessor(const ITextSource& texts, const ProcessorFacts& facts, CheckResult& result) {
    Set(result, kSeverityNotMet, texts.Text(kTextProcessorNoSse2));
    if (facts.hasSse && facts.hasSse2) {
        Set(result, facts.logicalProcessors > 1 ? kSeverityMetBetter : kSeverityMet,
            texts.Text(kTextProcessorSse2));
    }
}

void CheckMemory(const ITextSource& texts, const MemoryFacts& facts, CheckResult& result) {
    Set(result, kSeverityWarning, texts.Text(kTextMemoryUnknown));
    if (!facts.known)
        return;
    const std::uint64_t gib = facts.installedKilobytes >> 20;
    if (gib > 16)
        Set(result, kSeverityMet, texts.Text(kTextMemoryAbove16));
    else if (gib == 16)
        Set(result, kSeverityMet, texts.Text(kTextMemory16));
    else if (gib < 4)
        Set(result, kSeverityNotMet, texts.Text(kTextMemoryBelow4));
    else
        Set(result, kSeverityWarning, texts.Text(kTextMemoryBelow16));
}

void CheckDiskSpace(const ITextSource& texts, const DriveTable& drives, CheckResult& result) {
    std::int64_t best = 0;
    std::wstring letter; // stays empty when no fixed drive has free space
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].driveType != kDriveTypeFixed)
            continue;
        if (drives[i].freeBytes > best) { // a tie keeps the earlier letter
            best = drives[i].freeBytes;
            letter.assign(1, static_cast<wchar_t>(L'A' + i));
        }
    }
    if (best < 5 * kGiB)
        Set(result, kSeverityNotMet, FormatTextById(texts, kTextDiskBelow, {letter, 5}));
    else if (best < 10 * kGiB)
        Set(result, kSeverityWarning, FormatTextById(texts, kTextDiskBelow, {letter, 10}));
    else
        Set(result, kSeverityMet, FormatTextById(texts, kTextDiskAtLeast, {letter, 10}));
}

void CheckScreen(const ITextSource& texts, const ScreenFacts& facts, CheckResult& result) {
    if (facts.width >= 1280 && facts.height >= 1024) {
        Set(result, kSeverityMet, FormatTextById(texts, kTextScreenAtLeast, {1280, 1024}));
    } else {
        Set(result, kSeverityWarning, FormatTextById(texts, kTextScreenBelow, {1280, 1024}));
    }
    if (facts.width < 1024 || facts.height < 720) {
        Set(result, kSeverityNotMet, FormatTextById(texts, kTextScreenBelow, {1024, 720}));
    }
}

} // namespace Velkora
