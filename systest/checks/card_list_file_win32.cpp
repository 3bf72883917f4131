#include "card_list_file_win32.h"

#include <windows.h>

#include "process_paths_win32.h"

namespace Velkora {

std::unique_ptr<ICardListLines> CCardListFiles::Open(const std::wstring& name) { return OpenCardListFile(name); }

bool CCardListFiles::Exists(const std::wstring& name) { return IsFilePath(name); }

// One rename that replaces the target: deleting first and then renaming would lose the list in
// use whenever the rename fails.
bool CCardListFiles::Replace(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

} // namespace Velkora
