#pragma once
// Standard output and error of a program without a console of its own. A script that redirects
// them hands us pipes or files; started from a console window, the program attaches to that
// console instead. Lines go to a console as wide text and elsewhere as UTF-8.
#include <string>
#include <string_view>

namespace Velkora {

// Makes both streams usable: a missing one is taken from the parent's console when there is one.
// Called only by runs that write to the streams, so a plain dialog run stays as it was.
void PrepareStandardStreams();

// One line on standard error, CR LF ended.
void WriteErrorLine(std::wstring_view line);

// Exactly these bytes on standard output, unless it is a console: that gets the text instead,
// as the bytes would show as garbage there. False when the stream is missing or refused them.
[[nodiscard]] bool WriteStandardOutput(const std::string& bytes, std::wstring_view consoleText);

} // namespace Velkora
