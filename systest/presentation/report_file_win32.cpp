#include "report_file_win32.h"

#include <shellapi.h>

#include "report_text.h"
#include "text_file_write.h"

namespace Velkora {

std::wstring ReportFilePath() {
    wchar_t folder[MAX_PATH] = {};
    DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + std::wstring(kReportFileName);
}

bool WriteReportFile(const std::wstring& path, const std::wstring& reportText) {
    try {
        CTextFileWrite file(path, TextEncoding::Utf8);
        if (!file.IsFileOpen())
            return false;
        file << reportText.c_str();
        file.CloseFile();
        return true;
    } catch (const CTextFileException& failure) {
        // The writer has closed its file since; the caller reports the code of the write that failed.
        SetLastError(failure.errorCode);
        return false;
    }
}

void WriteAndOpenReport(HWND owner, const std::wstring& reportText) {
    std::wstring path = ReportFilePath();
    if (path.empty())
        return;
    // Opened also when the write failed: the user then sees what the file holds, or the system's
    // own message that it is missing.
    static_cast<void>(WriteReportFile(path, reportText));
    ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace Velkora
