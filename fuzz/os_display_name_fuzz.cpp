// The operating system version record as the WMI query fills it, from texts and numbers of the
// input, then the display name and support code composed from it with platform facts of the
// input. The name and the code must stay terminated inside their buffers.
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "fuzz_input.h"
#include "os_display_name.h"
#include "os_version_text.h"
#include "wmi_os_query.h"

using namespace Velkora;
using namespace Velkora::Utilities;

namespace {

class CInputSession : public IWmiOSSession {
  public:
    explicit CInputSession(CFuzzInput& input) : input(input) {}
    std::uint32_t InitializeCom() override { return 0; }
    std::uint32_t CreateLocator() override { return 0; }
    std::uint32_t ConnectServer(const wchar_t*) override { return 0; }
    std::uint32_t SetProxyBlanket() override { return 0; }
    std::uint32_t ExecQuery(const wchar_t*, const wchar_t*, bool& gotEnumerator) override {
        gotEnumerator = true;
        return 0;
    }
    bool NextObject() override { return true; }
    // One line of the input per text; its first byte says how the read ended.
    PropertyRead ReadText(const wchar_t*, wchar_t* buffer, std::size_t capacity) override {
        const std::uint8_t how = input.TakeByte() % 4;
        const std::wstring text = input.TakeWideLine();
        if (how == 1)
            return {PropertyReadOutcome::kDefault, 0};
        if (how == 2)
            return {PropertyReadOutcome::kNotConvertible, 0x80020005u};
        const std::size_t n = std::min(text.size(), capacity - 1);
        std::wmemcpy(buffer, text.data(), n);
        buffer[n] = 0;
        return {PropertyReadOutcome::kTaken, 0};
    }
    PropertyRead ReadNumber(const wchar_t*, PropertyWidth, std::uint32_t& value) override {
        const std::uint8_t how = input.TakeByte() % 8;
        if (how == 1)
            return {PropertyReadOutcome::kDefault, 0};
        if (how == 2)
            return {PropertyReadOutcome::kNotConvertible, 0x80020005u};
        value = input.TakeUInt32();
        return {PropertyReadOutcome::kTaken, 0};
    }
    void ReleaseObjects() override {}
    void UninitializeCom() override {}

  private:
    CFuzzInput& input;
};

class CIgnoredLines : public IDiagnosticLines {
  public:
    void WriteLine(const wchar_t* line) override {
        if (std::wcslen(line) >= 512)
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    OSPlatformFacts facts;
    facts.architecture = input.TakeByte() % 12;
    facts.edition = input.TakeByte();
    facts.serverR2 = input.TakeByte() % 3;

    // The version text on its own, as the first line also feeds the query below.
    CFuzzInput versionOnly(data, size);
    versionOnly.TakeUInt32();
    const std::wstring versionText = versionOnly.TakeWideLine();
    VersionNumbers numbers;
    // Any answer is valid for a text of any shape: the calls must only end without a fault.
    (void)ParseVersionText(versionText.c_str(), numbers);
    (void)WideTextToInt(versionText.c_str());

    CInputSession session(input);
    CIgnoredLines lines;
    WindowsOSVersionInfo info{};
    bool ok = false;
    GetWindowsVersionFromWMI(session, lines, info, ok);
    if (!ok)
        return 0;
    if (info.caption[kCaptionChars - 1] != 0 || info.csdVersion[kCsdVersionChars - 1] != 0)
        std::abort();

    wchar_t name[kDisplayNameChars];
    wchar_t code[kSupportCodeChars];
    std::wmemset(name, L'x', kDisplayNameChars);
    std::wmemset(code, L'x', kSupportCodeChars);
    if (ComposeOSDisplayString(info, facts, name, code) == 1) {
        if (std::wmemchr(name, 0, kDisplayNameChars) == nullptr ||
            std::wmemchr(code, 0, kSupportCodeChars) == nullptr)
            std::abort();
    }
    return 0;
}
