#pragma once
// The files the site summary reads: the inputs of its command line, a folder standing for its
// result documents.
#include <string>
#include <vector>

#include "site_summary.h"

namespace Velkora {

// The result documents (*.json) of a folder, not of its subfolders, by name; empty when it holds
// none or cannot be listed.
std::vector<std::wstring> ListResultDocuments(const std::wstring& folder);

bool IsFolder(const std::wstring& path);

enum class InputFileRead { kRead, kNotOpened, kTooLarge };

// The file's bytes, whole.
[[nodiscard]] InputFileRead ReadInputFile(const std::wstring& path, std::string& bytes);

// Every input into the site, in the order given: each file read, the runs it holds taken, what
// cannot be used counted.
void ReadSummaryInputs(const std::vector<std::wstring>& inputs, CSiteSummary& site);

} // namespace Velkora
