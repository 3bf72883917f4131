#include "output_files_win32.h"

#include <windows.h>

#include <functional>
#include <optional>

#include "code_page_conversion.h"
#include "output_target.h"
#include "report_file_win32.h"
#include "scoped_handle_win32.h"
#include "shared_table_file_win32.h"
#include "standard_streams_win32.h"

namespace Velkora {
namespace {

std::uint32_t UniqueNumber() {
    static std::uint32_t count = 0;
    return (GetCurrentProcessId() << 8) ^ ++count;
}

bool WriteBytesFile(const std::wstring& path, const std::string& bytes) {
    CFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        DWORD chunk = left > 0x100000 ? 0x100000 : static_cast<DWORD>(left);
        if (!WriteFile(file.Get(), data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        left -= written;
    }
    return FlushFileBuffers(file.Get()) != FALSE;
}

std::optional<std::string> ReadBytesFile(const std::wstring& path) {
    CFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

// writeTemporary fills the temporary file; on any failure the temporary file is removed and the
// target is left as it was. error: the system's code of the failed step.
bool ReplaceWhole(const std::wstring& target, const std::function<bool(const std::wstring&)>& writeTemporary,
                  DWORD& error) {
    std::wstring temporary = TemporaryPathBeside(target, UniqueNumber());
    bool written = writeTemporary(temporary);
    if (written &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = GetLastError();
    DeleteFileW(temporary.c_str());
    return false;
}

// The report's bytes exactly as the report button's file holds them: made by the same writer.
std::optional<std::string> ReportBytes(const std::wstring& reportText) {
    wchar_t folder[MAX_PATH] = {};
    DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    std::wstring path =
        TemporaryPathBeside(std::wstring(folder, length) + L"VelkoraSysTest-report.txt", UniqueNumber());
    std::optional<std::string> bytes;
    if (WriteReportFile(path, reportText))
        bytes = ReadBytesFile(path);
    DeleteFileW(path.c_str());
    return bytes;
}

bool Refused(const wchar_t* what, const std::wstring& target, DWORD error) {
    std::wstring where = IsStandardOutputTarget(target) ? L"standard output" : target;
    WriteErrorLine(std::wstring(L"VelkoraSysTest: the ") + what + L" could not be written to " + where +
                   L" (error " + std::to_wstring(error) + L")");
    return false;
}

} // namespace

char UserListSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SLIST, separator, 8);
    return TableSeparatorFor(length > 1 ? std::wstring_view(separator, length - 1) : std::wstring_view());
}

bool WriteReportOutput(const std::wstring& target, const std::wstring& reportText) {
    DWORD error = 0;
    if (IsStandardOutputTarget(target)) {
        std::optional<std::string> bytes = ReportBytes(reportText);
        if (bytes && WriteStandardOutput(*bytes, reportText))
            return true;
        return Refused(L"report", target, GetLastError());
    }
    if (ReplaceWhole(
            target, [&](const std::wstring& path) { return WriteReportFile(path, reportText); }, error))
        return true;
    return Refused(L"report", target, error);
}

bool WriteJsonOutput(const std::wstring& target, const std::string& json) {
    return WriteTextOutput(target, json, L"result document");
}

bool WriteTextOutput(const std::wstring& target, const std::string& bytes, const wchar_t* what) {
    DWORD error = 0;
    if (IsStandardOutputTarget(target)) {
        std::wstring text;
        // The text is UTF-8 of our own making, and the wide text is only the console's view of it:
        // the bytes are what a pipe or file gets.
        (void)MultiByteToWide(kCodePageUtf8, bytes, text);
        if (WriteStandardOutput(bytes, text))
            return true;
        return Refused(what, target, GetLastError());
    }
    if (ReplaceWhole(
            target, [&](const std::wstring& path) { return WriteBytesFile(path, bytes); }, error))
        return true;
    return Refused(what, target, error);
}

bool WriteTableRowOutput(const std::wstring& target, const TableRecord& record, int waitSeconds) {
    const char separator = UserListSeparator();
    if (IsStandardOutputTarget(target)) {
        const std::string bytes = PlanTableAppend({}, 0, '\n', record, separator).bytes;
        std::wstring text;
        // Our own UTF-8 (after its byte-order mark), and the text is only the console's view of it.
        (void)MultiByteToWide(kCodePageUtf8, bytes.substr(3), text);
        if (WriteStandardOutput(bytes, text))
            return true;
        return Refused(L"results table row", target, GetLastError());
    }
    CSharedTableFile file(target);
    CSystemAppendClock clock;
    switch (
        AppendToSharedTable(file, clock, record, separator, static_cast<std::uint32_t>(waitSeconds) * 1000)) {
    case TableAppendOutcome::kWritten:
        return true;
    case TableAppendOutcome::kHeld:
        WriteErrorLine(L"VelkoraSysTest: the results table " + target + L" was held by another program for " +
                       std::to_wstring(waitSeconds) + L" s; the row was not added");
        return false;
    case TableAppendOutcome::kNotOurs:
        WriteErrorLine(L"VelkoraSysTest: " + target +
                       L" is not a results table of this program; it was left as it was");
        return false;
    case TableAppendOutcome::kFailed:
        break;
    }
    return Refused(L"results table row", target, file.LastError());
}

} // namespace Velkora
