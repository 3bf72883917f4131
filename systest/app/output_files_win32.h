#pragma once
// The report and the result document of an unattended run, written to a file or to standard
// output ("-"). A file is written whole or not at all: first under a temporary name in the
// target's folder, then renamed over the target, so a script never reads half a file.
#include <string>

#include "shared_table_row.h"

namespace Velkora {

// The same bytes as the report button's file: UTF-8 with a byte-order mark, CR LF line ends.
// False, after a line on standard error, when it could not be written.
[[nodiscard]] bool WriteReportOutput(const std::wstring& target, const std::wstring& reportText);

// UTF-8 text as it is. False, after a line on standard error, when it could not be written.
[[nodiscard]] bool WriteJsonOutput(const std::wstring& target, const std::string& json);

// Bytes of UTF-8 text as they are, whole or not at all; `what` names them on standard error.
[[nodiscard]] bool WriteTextOutput(const std::wstring& target, const std::string& bytes, const wchar_t* what);

// The separator a new table gets: the user's list separator, where tables can be split at it.
char UserListSeparator();

// Appends the run's row to the shared results table (made with its header when new or empty);
// unlike the report and the document, the file is added to, never replaced. Other writers are
// waited for up to waitSeconds. False, after a line on standard error, when the row was not added.
bool WriteTableRowOutput(const std::wstring& target, const TableRecord& record, int waitSeconds);

} // namespace Velkora
