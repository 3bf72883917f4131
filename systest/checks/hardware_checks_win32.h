#pragma once
// The operating system and hardware checks on this machine: the facts are read at the moment
// of the check and judged by the portable rules.
#include "check_result.h"
#include "text_source.h"

namespace Velkora {

void CheckOperatingSystem(const ITextSource& texts, CheckResult& result);
void CheckProcessor(const ITextSource& texts, CheckResult& result);
void CheckMemory(const ITextSource& texts, CheckResult& result);
void CheckDiskSpace(const ITextSource& texts, CheckResult& result);
void CheckScreen(const ITextSource& texts, CheckResult& result);

} // namespace Velkora
