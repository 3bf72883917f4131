#include "system_check_suite_win32.h"

#include "graphics_platform_win32.h"
#include "hardware_checks_win32.h"

namespace Velkora {
namespace {

class CSystemCheckSuite : public ICheckSuite {
public:
    CSystemCheckSuite(const ITextSource& texts, const ProductIdentity& identity)
        : texts(texts), graphics(graphicsState, platform.Services(), texts, identity.name) {}

    void CheckOperatingSystem(CheckResult& result) override { Velkora::CheckOperatingSystem(texts, result); }
    void CheckProcessor(CheckResult& result) override { Velkora::CheckProcessor(texts, result); }
    void CheckMemory(CheckResult& result) override { Velkora::CheckMemory(texts, result); }
    void CheckDiskSpace(CheckResult& result) override { Velkora::CheckDiskSpace(texts, result); }
    void CheckScreen(CheckResult& result) override { Velkora::CheckScreen(texts, result); }
    bool RunGraphicsDiagnostics() override { return graphics.RunGraphicsDiagnostics(); }
    void CheckVideoMemory(CheckResult& result) override { graphics.CheckVideoMemory(result); }
    void CheckCardListVerdict(CheckResult& card, CheckResult& driver) override {
        graphics.CheckCardListVerdict(card, driver);
    }
    void CheckAdaptersIdentical(CheckResult& result) override { graphics.CheckAdaptersIdentical(result); }
    bool ReplaceCardListForOlderWindows() override { return graphics.ReplaceCardListForOlderWindows(); }

private:
    const ITextSource& texts;
    GraphicsCheckState graphicsState;
    CGraphicsPlatform platform;
    CGraphicsChecks graphics;
};

} // namespace

std::unique_ptr<ICheckSuite> CreateSystemCheckSuite(const ITextSource& texts, const ProductIdentity& identity) {
    return std::make_unique<CSystemCheckSuite>(texts, identity);
}

} // namespace Velkora
