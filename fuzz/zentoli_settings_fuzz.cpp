// Zentoli's settings file as the profile functions hand its values over: each key's value is
// a line of the input (a missing line leaves the key absent, so its default counts). The
// settings are then written back and read again: what was written must read the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "diag_settings.h"
#include "fake_profile_store.h"
#include "fuzz_input.h"
#include "string_log_sink.h"

using namespace Zentoli;
using Velkora::CFuzzInput;

namespace {

const wchar_t* const kKeyNames[] = {L"version",
                                    L"Allow Intel",
                                    L"Allow NVIDIA",
                                    L"Allow AMD",
                                    L"Allow multi GPU",
                                    L"Skip remote check",
                                    L"Req. driver date",
                                    L"GL4.2 NV driver date",
                                    L"GL4.2 AMD driver date",
                                    L"GL4.2 Intel driver date"};

bool SameSettings(const DiagSettings& a, const DiagSettings& b) {
    return a.version == b.version && a.allowMultiGpu == b.allowMultiGpu && a.allowIntel == b.allowIntel &&
           a.allowNvidia == b.allowNvidia && a.allowAmd == b.allowAmd &&
           a.skipRemoteCheck == b.skipRemoteCheck && a.requiredDriverDate == b.requiredDriverDate &&
           a.nvGl42DriverDate == b.nvGl42DriverDate && a.amdGl42DriverDate == b.amdGl42DriverDate &&
           a.intelGl42DriverDate == b.intelGl42DriverDate;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    CFakeProfileStore store;
    CFakeProfileStore::Section section{std::wstring(kSettingsSection), {}};
    for (const wchar_t* key : kKeyNames) {
        if (input.Empty())
            break;
        section.keys.emplace_back(key, input.TakeWideLine());
    }
    store.sections.push_back(section);

    DiagSettings settings;
    settings.iniPath = SettingsPathFor(input.TakeWideRest());
    if (settings.iniPath.size() < 4 || settings.iniPath.compare(settings.iniPath.size() - 4, 4, L".ini") != 0)
        std::abort();
    CStringLogSink sink;
    CDiagLog log(sink);
    LoadSettings(settings, store, log);
    SaveSettings(settings, store);
    DiagSettings again;
    again.iniPath = settings.iniPath;
    LoadSettings(again, store, log);
    if (!SameSettings(settings, again))
        std::abort();
    return 0;
}
