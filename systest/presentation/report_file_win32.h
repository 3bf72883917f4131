#pragma once
// The report file in the user's temporary folder, written as UTF-8 and opened by the shell.
#include <windows.h>

#include <string>

namespace Velkora {

// The temporary folder + "VelkoraSysTest.txt"; empty when there is no temporary folder.
std::wstring ReportFilePath();

// Writes the text as UTF-8 with a byte-order mark; false when the file could not be written.
[[nodiscard]] bool WriteReportFile(const std::wstring& path, const std::wstring& reportText);

// The report button: write, then have the shell open the path whether or not writing worked.
// Silent on every failure.
void WriteAndOpenReport(HWND owner, const std::wstring& reportText);

} // namespace Velkora
