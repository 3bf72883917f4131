#pragma once
// Where a program we start is taken from: only from the running program's own folder, by its full
// path, never through the search CreateProcessW makes for a bare name (working folder, system
// folders, PATH), where a program of the same name planted by anyone would run with the user's
// rights and decide the verdict. It starts in that folder, since the diagnostics program reads
// its shaders and writes its log in its current directory.
#include <optional>
#include <string>
#include <string_view>

namespace Velkora {

struct FoundProgram {
    std::wstring path;   // folder + name
    std::wstring folder; // without a trailing backslash, unless it is a drive's root ("C:\")
    bool operator==(const FoundProgram&) const = default;
};

// The first word of a command line (quoted or up to the first blank).
std::wstring ProgramWordOf(std::wstring_view commandLine);

// The program named by the first word of the command line: a bare name is taken from the folder
// of the running program (programPath), with ".exe" added when it has no extension, as
// CreateProcessW does; a full path ("C:\..." or "\\server\...") is taken as given. Anything else
// (a relative folder part, a drive-relative name, no name, a running program without a folder)
// gives nothing: it is not started at all.
std::optional<FoundProgram> ProgramBesideUs(std::wstring_view commandLine, std::wstring_view programPath);

} // namespace Velkora
