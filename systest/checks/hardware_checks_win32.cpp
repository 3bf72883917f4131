#include "hardware_checks_win32.h"

#include "hardware_checks.h"
#include "hardware_facts_win32.h"

namespace Velkora {

void CheckOperatingSystem(const ITextSource& texts, CheckResult& result) {
    CheckOperatingSystem(texts, ReadOSSupportFacts(), result);
}
void CheckProcessor(const ITextSource& texts, CheckResult& result) {
    CheckProcessor(texts, ReadProcessorFacts(), result);
}
void CheckMemory(const ITextSource& texts, CheckResult& result) {
    CheckMemory(texts, ReadMemoryFacts(), result);
}
void CheckDiskSpace(const ITextSource& texts, CheckResult& result) {
    CheckDiskSpace(texts, ReadDriveTable(), result);
}
void CheckScreen(const ITextSource& texts, CheckResult& result) {
    CheckScreen(texts, ReadScreenFacts(), result);
}

} // namespace Velkora
