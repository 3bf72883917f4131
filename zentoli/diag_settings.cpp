#include "diag_settings.h"

#include "text_rules.h"

namespace Zentoli {
namespace {

struct SettingKey {
    const wchar_t* key;
    const wchar_t* defaultText;
    bool DiagSettings::*flag;
    std::int32_t DiagSettings::*number;
};

// The order of the log lines and of the file.
const SettingKey kKeys[] = {
    {L"version", L"1", nullptr, &DiagSettings::version},
    {L"Allow Intel", L"1", &DiagSettings::allowIntel, nullptr},
    {L"Allow NVIDIA", L"1", &DiagSettings::allowNvidia, nullptr},
    {L"Allow AMD", L"1", &DiagSettings::allowAmd, nullptr},
    {L"Allow multi GPU", L"0", &DiagSettings::allowMultiGpu, nullptr},
    {L"Skip remote check", L"1", &DiagSettings::skipRemoteCheck, nullptr},
    {L"Req. driver date", L"20111219", nullptr, &DiagSettings::requiredDriverDate},
    {L"GL4.2 NV driver date", L"20130529", nullptr, &DiagSettings::nvGl42DriverDate},
    {L"GL4.2 AMD driver date", L"20140520", nullptr, &DiagSettings::amdGl42DriverDate},
    {L"GL4.2 Intel driver date", L"20160331", nullptr, &DiagSettings::intelGl42DriverDate},
};

} // namespace

std::wstring SettingsPathFor(std::wstring_view programPath) {
    std::size_t nameStart = programPath.find_last_of(L"\\/:");
    nameStart = nameStart == std::wstring_view::npos ? 0 : nameStart + 1;
    std::size_t dot = programPath.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < nameStart)
        return std::wstring(programPath) + L".ini";
    return std::wstring(programPath.substr(0, dot)) + L".ini";
}

bool ParseFlag(std::wstring_view text) {
    return text.empty() || text[0] != L'0';
}

void LoadSettings(DiagSettings& settings, IProfileStore& store, CDiagLog& log) {
    const std::wstring section(kSettingsSection);
    log.LogWide(L"Reading config file...\n");
    for (const SettingKey& k : kKeys) {
        std::wstring text = store.ReadString(section, k.key, k.defaultText, settings.iniPath);
        text = CutText<wchar_t>(text, kSettingsValueCapacity - 1);
        log.LogWide(L"%s = %s\n", {k.key, text});
        if (k.flag)
            settings.*k.flag = ParseFlag(text);
        else
            settings.*k.number = LeadingInteger(text);
    }
    log.LogWide(L"\n");
}

void SaveSettings(const DiagSettings& settings, IProfileStore& store) {
    const std::wstring section(kSettingsSection);
    for (const SettingKey& k : kKeys) {
        std::wstring value =
            k.flag ? std::wstring(settings.*k.flag ? L"1" : L"0") : std::to_wstring(settings.*k.number);
        // A settings file that cannot be written changes nothing about the run.
        (void)store.WriteString(section, k.key, value, settings.iniPath);
    }
}

} // namespace Zentoli
