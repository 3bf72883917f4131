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

namespace {

std::wstring SavedText(const DiagSettings& settings, const SettingKey& k) {
    return k.flag ? std::wstring(settings.*k.flag ? L"1" : L"0") : std::to_wstring(settings.*k.number);
}

// The key of a "key=value" line as the profile functions match it: blanks around it dropped.
std::wstring KeyOfLine(const std::wstring& line) {
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring::npos)
        return {};
    const std::wstring_view blanks = L" \t";
    const std::size_t first = line.find_first_not_of(blanks);
    const std::size_t last = line.find_last_not_of(blanks, equals - 1);
    if (first >= equals || last == std::wstring::npos || last < first)
        return {};
    return line.substr(first, last - first + 1);
}

} // namespace

std::vector<std::wstring> SettingsSectionWith(const DiagSettings& settings,
                                              const std::vector<std::wstring>& sectionLines) {
    std::vector<std::wstring> lines = sectionLines;
    for (const SettingKey& k : kKeys) {
        const std::wstring wanted = LowerAscii(std::wstring_view(k.key));
        bool found = false;
        for (std::wstring& line : lines) {
            const std::wstring key = KeyOfLine(line);
            if (!key.empty() && LowerAscii(key) == wanted) {
                line = key + L"=" + SavedText(settings, k);
                found = true;
                break;
            }
        }
        if (!found)
            lines.push_back(std::wstring(k.key) + L"=" + SavedText(settings, k));
    }
    return lines;
}

void SaveSettings(const DiagSettings& settings, IProfileStore& store) {
    const std::wstring section(kSettingsSection);
    const std::optional<std::vector<std::wstring>> current = store.ReadSection(section, settings.iniPath);
    if (!current)
        return; // a section too large to read whole is left as it is
    const std::vector<std::wstring> wanted = SettingsSectionWith(settings, *current);
    if (wanted == *current)
        return;
    // A settings file that cannot be written changes nothing about the run.
    (void)store.WriteSection(section, wanted, settings.iniPath);
}

} // namespace Zentoli
