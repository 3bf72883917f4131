#pragma once
// An INI file in memory: sections and keys in file order, looked up ignoring case.
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

    [[nodiscard]] bool WriteString(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value, const std::wstring& path) override {
        lastPath = path;
        ++writes;
        if (readOnly)
            return false;
        Section* s = Find(section);
        if (!s)
            s = &sections.emplace_back(Section{section, {}});
        for (auto& [k, v] : s->keys)
            if (LowerAscii(k) == LowerAscii(key)) {
                v = value;
                return true;
            }
        s->keys.emplace_back(key, value);
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
    int writes = 0;
    std::wstring lastPath;
};

} // namespace Zentoli
