#include "summary_input_files_win32.h"

#include <windows.h>

#include <algorithm>

#include "result_json.h"
#include "scoped_handle_win32.h"
#include "summary_input.h"

namespace Velkora {
namespace {

bool EndsWithJson(const std::wstring& name) {
    return name.size() > 5 &&
           CompareStringOrdinal(name.c_str() + name.size() - 5, 5, L".json", 5, TRUE) == CSTR_EQUAL;
}

std::wstring WithSeparator(const std::wstring& folder) {
    return folder.empty() || folder.back() == L'\\' || folder.back() == L'/' ? folder : folder + L'\\';
}

bool NameBefore(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_LESS_THAN;
}

} // namespace

std::vector<std::wstring> ListResultDocuments(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    CFindHandle search(FindFirstFileExW((WithSeparator(folder) + L"*.json").c_str(), FindExInfoBasic, &found,
                                        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search)
        return names;
    do {
        // The pattern also matches short names; the long name decides.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && EndsWithJson(found.cFileName))
            names.emplace_back(found.cFileName);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end(), NameBefore);
    for (std::wstring& name : names)
        name = WithSeparator(folder) + name;
    return names;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

InputFileRead ReadInputFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    CFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size))
        return InputFileRead::kNotOpened;
    if (static_cast<std::uint64_t>(size.QuadPart) > kLargestInputBytes)
        return InputFileRead::kTooLarge;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    // A file that grows while it is read (a table being appended to) is read as far as it was.
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got,
                      nullptr))
            return InputFileRead::kNotOpened;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return InputFileRead::kRead;
}

void ReadSummaryInputs(const std::vector<std::wstring>& inputs, CSiteSummary& site) {
    std::string bytes;
    auto readOne = [&](const std::wstring& path) {
        const std::string source = DocumentText(path);
        switch (ReadInputFile(path, bytes)) {
        case InputFileRead::kRead:
            ReadSummaryInput(bytes, source, site);
            break;
        case InputFileRead::kNotOpened:
            site.Skip({source, SkipReason::kNotOpened, 0});
            break;
        case InputFileRead::kTooLarge:
            site.Skip({source, SkipReason::kTooLarge, 0});
            break;
        }
    };
    for (const std::wstring& input : inputs) {
        if (!IsFolder(input)) {
            readOne(input);
            continue;
        }
        for (const std::wstring& path : ListResultDocuments(input))
            readOne(path);
    }
}

} // namespace Velkora
