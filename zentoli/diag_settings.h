#pragma once
// Zentoli's settings: section "zentoli" of an INI file beside the program, read at the start
// of every run and written back in full at its end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diag_log.h"

namespace Zentoli {

// The profile (INI) functions of the platform.
class IProfileStore {
  public:
    virtual ~IProfileStore() = default;
    // The value text, or defaultText when the file, the section or the key is missing.
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& defaultText, const std::wstring& path) = 0;
    // The section's lines ("key=value"), none when the file or the section is missing; nothing
    // when it could not be read whole.
    virtual std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section,
                                                                 const std::wstring& path) = 0;
    // Replaces the section's lines with these in one write of the file (creating the section and
    // the file when missing); every other section stays. The result may be ignored.
    [[nodiscard]] virtual bool WriteSection(const std::wstring& section,
                                            const std::vector<std::wstring>& lines,
                                            const std::wstring& path) = 0;
};

struct DiagSettings {
    std::int32_t version = 1;
    bool allowMultiGpu = false;
    bool allowIntel = false;
    bool allowNvidia = false;
    bool allowAmd = false;
    bool skipRemoteCheck = false;
    // Dates as yyyymmdd; compared unsigned, so -1 is later than every date.
    std::int32_t requiredDriverDate = 0;
    std::int32_t nvGl42DriverDate = 0;
    std::int32_t amdGl42DriverDate = 0;
    std::int32_t intelGl42DriverDate = 0;
    std::wstring iniPath;
};

inline constexpr std::wstring_view kSettingsSection = L"zentoli";
// Values are read into a buffer of this many characters, terminator included.
inline constexpr std::size_t kSettingsValueCapacity = 1024;

// The program's path with its extension replaced by ".ini". Only a dot in the file name counts;
// a name without one gets ".ini" appended.
std::wstring SettingsPathFor(std::wstring_view programPath);

// A flag is off only when its text begins with the digit zero.
bool ParseFlag(std::wstring_view text);

void LoadSettings(DiagSettings& settings, IProfileStore& store, CDiagLog& log);
// The section's lines with each of ours set to the settings' value where the section has the key
// (its first line for the key, ignoring case, the file's spelling kept) and added in order where it
// has not; every other line as it was.
std::vector<std::wstring> SettingsSectionWith(const DiagSettings& settings,
                                              const std::vector<std::wstring>& sectionLines);

// Writes the settings back, all keys in one write, and only when that changes the section: runs
// started at once from one folder (a shared one among them) then never leave a file missing keys
// that another run wrote, and a complete file is not rewritten under a run that is reading it.
void SaveSettings(const DiagSettings& settings, IProfileStore& store);

} // namespace Zentoli
