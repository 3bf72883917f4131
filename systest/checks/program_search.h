#pragma once
// Where Windows finds a program that is started by its bare name, so that it can be started in
// the folder it was found in (the diagnostics program reads its shaders and writes its log in
// its current directory, and must not depend on the folder its caller was started from).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Velkora {

// The folders CreateProcessW searches, each as the platform names it.
struct ProgramSearchPlaces {
    std::wstring programPath; // of the running program
    std::wstring currentFolder;
    std::wstring systemFolder;  // GetSystemDirectoryW
    std::wstring windowsFolder; // GetWindowsDirectoryW
    std::wstring pathVariable;  // PATH, folders separated by ';'
};

// In CreateProcessW's order: the running program's folder, the current folder, the system
// folder, the 16-bit system folder ("System" in the Windows folder), the Windows folder, then
// the folders of PATH (quotes removed, empty ones skipped).
std::vector<std::wstring> ProgramSearchFolders(const ProgramSearchPlaces& places);

struct FoundProgram {
    std::wstring path;   // folder + name
    std::wstring folder; // without a trailing backslash, unless it is a drive's root ("C:\")
    bool operator==(const FoundProgram&) const = default;
};

// The first word of a command line (quoted or up to the first blank).
std::wstring ProgramWordOf(std::wstring_view commandLine);

// The first folder that holds the program. Only a bare name is searched for (a name with a
// folder part is not ours to move); ".exe" is added to a name without an extension, as
// CreateProcessW does. exists(path): the path is a file.
std::optional<FoundProgram> FindProgramFile(std::wstring_view name, const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring&)>& exists);

} // namespace Velkora
