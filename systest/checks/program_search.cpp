#include "program_search.h"

namespace Velkora {
namespace {

bool IsFullPath(std::wstring_view path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool share = path.size() >= 3 && path.substr(0, 2) == L"\\\\";
    return drive || share;
}

// The folder of a full path, without its trailing backslash unless it is a drive's root.
std::wstring FolderOf(std::wstring_view path) {
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos)
        return {};
    if (slash == 2 && path[1] == L':')
        return std::wstring(path.substr(0, 3));
    return std::wstring(path.substr(0, slash));
}

} // namespace

std::wstring ProgramWordOf(std::wstring_view commandLine) {
    if (!commandLine.empty() && commandLine.front() == L'"') {
        std::size_t end = commandLine.find(L'"', 1);
        return std::wstring(
            commandLine.substr(1, end == std::wstring_view::npos ? std::wstring_view::npos : end - 1));
    }
    return std::wstring(commandLine.substr(0, commandLine.find_first_of(L" \t")));
}

std::optional<FoundProgram> ProgramBesideUs(std::wstring_view commandLine, std::wstring_view programPath) {
    std::wstring word = ProgramWordOf(commandLine);
    if (IsFullPath(word)) {
        std::wstring folder = FolderOf(word);
        if (folder.empty())
            return std::nullopt;
        return FoundProgram{std::move(word), std::move(folder)};
    }
    if (word.empty() || word.find_first_of(L"\\/:") != std::wstring::npos)
        return std::nullopt;
    if (!IsFullPath(programPath))
        return std::nullopt;
    std::wstring folder = FolderOf(programPath);
    if (folder.empty())
        return std::nullopt;
    if (word.find(L'.') == std::wstring::npos)
        word += L".exe";
    std::wstring path = folder;
    if (path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    return FoundProgram{path + word, std::move(folder)};
}

} // namespace Velkora
