#include "card_list_file_win32.h"

#include <windows.h>

#include "process_paths_win32.h"

namespace Velkora {
namespace {

// The lists ship beside the program: read there whatever folder the program was started in, so
// that a shortcut's "Start in" folder cannot change the verdict.
std::wstring BesideProgram(const std::wstring& name) {
    std::wstring program = ReadProgramPath();
    std::size_t slash = program.rfind(L'\\');
    return slash == std::wstring::npos ? name : program.substr(0, slash + 1) + name;
}

} // namespace

std::unique_ptr<ICardListLines> CCardListFiles::Open(const std::wstring& name) {
    return OpenCardListFile(BesideProgram(name));
}

bool CCardListFiles::Exists(const std::wstring& name) {
    return IsFilePath(BesideProgram(name));
}

// One rename that replaces the target: deleting first and then renaming would lose the list in
// use whenever the rename fails.
bool CCardListFiles::Replace(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(BesideProgram(from).c_str(), BesideProgram(to).c_str(), MOVEFILE_REPLACE_EXISTING) !=
           FALSE;
}

} // namespace Velkora
