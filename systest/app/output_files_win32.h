#pragma once
// The report and the result document of an unattended run, written to a file or to standard
// output ("-"). A file is written whole or not at all: first under a temporary name in the
// target's folder, then renamed over the target, so a script never reads half a file.
#include <string>

namespace Velkora {

// The same bytes as the report button's file: UTF-8 with a byte-order mark, CR LF line ends.
// False, after a line on standard error, when it could not be written.
[[nodiscard]] bool WriteReportOutput(const std::wstring& target, const std::wstring& reportText);

// UTF-8 text as it is. False, after a line on standard error, when it could not be written.
[[nodiscard]] bool WriteJsonOutput(const std::wstring& target, const std::string& json);

} // namespace Velkora
