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

} // namespace Velkora
