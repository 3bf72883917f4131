#include "list_row_text.h"

namespace Velkora {

std::wstring RowCopyLine(const std::vector<std::wstring>& cellTexts) {
    std::wstring line;
    for (const std::wstring& text : cellTexts) {
        if (text.empty())
            continue;
        if (!line.empty())
            line += L": ";
        line += text;
    }
    return line + L"\r\n";
}

std::vector<int> RowsToCopy(const std::set<int>& selected, int rowCount) {
    std::vector<int> rows;
    for (int row : selected) {
        if (row >= 0 && row < rowCount)
            rows.push_back(row);
    }
    if (rows.empty()) {
        for (int row = 0; row < rowCount; ++row)
            rows.push_back(row);
    }
    return rows;
}

std::wstring RowAccessibleName(const std::vector<std::wstring>& cellTexts) {
    std::wstring name;
    for (const std::wstring& text : cellTexts) {
        if (text.empty())
            continue;
        if (!name.empty())
            name += L", ";
        name += text;
    }
    return name;
}

} // namespace Velkora
