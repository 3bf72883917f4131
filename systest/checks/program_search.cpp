#include "program_search.h"

namespace Velkora {
namespace {

std::wstring WithoutTrailingSeparators(std::wstring folder) {
    // "C:\" keeps its backslash: "C:" alone would name the drive's current folder.
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/') &&
           !(folder.size() == 3 && folder[1] == L':')) {
        folder.pop_back();
    }
    return folder;
}

void AddFolder(std::vector<std::wstring>& folders, std::wstring folder) {
    if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"') folder = folder.substr(1, folder.size() - 2);
    if (!folder.empty()) folders.push_back(WithoutTrailingSeparators(std::move(folder)));
}

std::wstring Join(const std::wstring& folder, std::wstring_view name) {
    std::wstring path = folder;
    if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
    return path += name;
}

} // namespace

std::vector<std::wstring> ProgramSearchFolders(const ProgramSearchPlaces& places) {
    std::vector<std::wstring> folders;
    std::size_t slash = places.programPath.find_last_of(L"\\/");
    if (slash != std::wstring::npos) AddFolder(folders, places.programPath.substr(0, slash + 1));
    AddFolder(folders, places.currentFolder);
    AddFolder(folders, places.systemFolder);
    if (!places.windowsFolder.empty()) AddFolder(folders, Join(WithoutTrailingSeparators(places.windowsFolder), L"System"));
    AddFolder(folders, places.windowsFolder);
    std::wstring_view path = places.pathVariable;
    while (!path.empty()) {
        std::size_t end = path.find(L';');
        AddFolder(folders, std::wstring(path.substr(0, end)));
        path = end == std::wstring_view::npos ? std::wstring_view() : path.substr(end + 1);
    }
    return folders;
}

std::wstring ProgramWordOf(std::wstring_view commandLine) {
    if (!commandLine.empty() && commandLine.front() == L'"') {
        std::size_t end = commandLine.find(L'"', 1);
        return std::wstring(commandLine.substr(1, end == std::wstring_view::npos ? std::wstring_view::npos : end - 1));
    }
    return std::wstring(commandLine.substr(0, commandLine.find_first_of(L" \t")));
}

std::optional<FoundProgram> FindProgramFile(std::wstring_view name, const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring&)>& exists) {
    if (name.empty() || name.find_first_of(L"\\/:") != std::wstring_view::npos) return std::nullopt;
    std::wstring file(name);
    if (file.find(L'.') == std::wstring::npos) file += L".exe";
    for (const std::wstring& folder : folders) {
        std::wstring path = Join(folder, file);
        if (exists(path)) return FoundProgram{path, folder};
    }
    return std::nullopt;
}

} // namespace Velkora
