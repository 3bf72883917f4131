#pragma once
// The operating system and hardware checks, each a pure function of the facts it judges.
// Texts come by number from the language module.
#include "check_result.h"
#include "hardware_facts.h"
#include "text_source.h"

namespace Velkora {

void CheckOperatingSystem(const ITextSource& texts, const OSSupportFacts& facts, CheckResult& result);
void CheckProcessor(const ITextSource& texts, const ProcessorFacts& facts, CheckResult& result);
void CheckMemory(const ITextSource& texts, const MemoryFacts& facts, CheckResult& result);
void CheckDiskSpace(const ITextSource& texts, const DriveTable& drives, CheckResult& result);
void CheckScreen(const ITextSource& texts, const ScreenFacts& facts, CheckResult& result);

} // namespace Velkora
