#pragma once
// The operating system and hardware checks, each a pure function of the facts it judges.
// Texts come by number from the language module.
#include "check_result.h"
#include "hardware_facts.h"
#include "text_source.h"

namespace Velkora {

inline constexpr TextId kTextOSNotSupported = 910;
inline constexpr TextId kTextOSNeedsServicePack = 912; // F: service pack number
inline constexpr TextId kTextOSSupported = 913;
inline constexpr TextId kTextOSNewer = 914;
inline constexpr TextId kTextOSNotRecommended = 917;
inline constexpr TextId kTextProcessorNoSse2 = 920;
inline constexpr TextId kTextProcessorSse2 = 922;
inline constexpr TextId kTextDiskBelow = 930;   // F: drive letter, GB
inline constexpr TextId kTextDiskAtLeast = 931; // F: drive letter, GB
inline constexpr TextId kTextMemoryBelow4 = 950;
inline constexpr TextId kTextMemoryBelow16 = 951;
inline constexpr TextId kTextMemory16 = 952;
inline constexpr TextId kTextMemoryAbove16 = 953;
inline constexpr TextId kTextMemoryUnknown = 954;
inline constexpr TextId kTextScreenBelow = 960;   // F: width, height
inline constexpr TextId kTextScreenAtLeast = 961; // F: width, height

void CheckOperatingSystem(const ITextSource& texts, const OSSupportFacts& facts, CheckResult& result);
void CheckProcessor(const ITextSource& texts, const ProcessorFacts& facts, CheckResult& result);
void CheckMemory(const ITextSource& texts, const MemoryFacts& facts, CheckResult& result);
void CheckDiskSpace(const ITextSource& texts, const DriveTable& drives, CheckResult& result);
void CheckScreen(const ITextSource& texts, const ScreenFacts& facts, CheckResult& result);

} // namespace Velkora
