#pragma once
// An INI file in memory: sections and keys in file order, looked up ignoring case.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "diag_settings.h"
#include "text_rules.h"

namespace Zentoli {

class CFakeProfileStore : public IProfileStore {
  public:
    struct Section {
        std::wstring name;
        std::vector<std::pair<std::wstring, std::wstring>> keys;
    };

    std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                            const std::wstring& defaultText, const std::wstring& path) override {
        lastPath = path;
        if (auto* s = Find(section))
            for (auto& [k, v] : s->keys)
                if (LowerAscii(k) == LowerAscii(key))
                    return v;
        return defaultText;
    }

    std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section,
                                                         const std::wstring& path) override {
        lastPath = path;
        if (unreadable)
            return std::nullopt;
        std::vector<std::wstring> lines;
        if (auto* s = Find(section))
            for (auto& [k, v] : s->keys)
                lines.push_back(k + L"=" + v);
        return lines;
    }

    // Replaces the section's keys whole, as the profile functions do (lines without "=" dropped).
    [[nodiscard]] bool WriteSection(const std::wstring& section, const std::vector<std::wstring>& lines,
                                    const std::wstring& path) override {
        lastPath = path;
        ++writes;
        if (readOnly)
            return false;
        Section* s = Find(section);
        if (!s)
            s = &sections.emplace_back(Section{section, {}});
        s->keys.clear();
        for (const std::wstring& line : lines)
            if (std::size_t equals = line.find(L'='); equals != std::wstring::npos)
                s->keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        return true;
    }

    Section* Find(const std::wstring& name) {
        for (auto& s : sections)
            if (LowerAscii(s.name) == LowerAscii(name))
                return &s;
        return nullptr;
    }

    std::vector<Section> sections;
    bool readOnly = false;
    bool unreadable = false; // ReadSection cannot read the section whole
    int writes = 0;
    std::wstring lastPath;
};

} // namespace Zentoli
