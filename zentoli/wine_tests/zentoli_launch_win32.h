#pragma once
// Zentoli.exe started as the dialog program starts it, in a folder of its own with the shipped
// shader files, and what it left behind: exit code, log file, settings file.
#include <optional>
#include <string>
#include <vector>

#include "temp_folder_win32.h"

namespace Zentoli {

struct ZentoliRun {
    std::optional<unsigned long> exitCode; // none when it did not end in time
    std::wstring logName;                  // the zentoli_*.txt file in the working directory, if any
    std::string log;
    std::string output; // standard output before the log took it over
};

class CZentoliFolder {
  public:
    CZentoliFolder();
    bool IsValid() const { return valid; }
    const std::wstring& Path() const { return folder.Path(); }

    // Runs Zentoli.exe with the arguments (already quoted as needed) in the working directory
    // (the program's folder when empty), with extra environment entries.
    ZentoliRun Run(const std::wstring& arguments = L"", const std::wstring& workingDirectory = L"",
                   const std::vector<std::wstring>& environment = {});

    // From now on "Zentoli.exe" in the folder is a copy of this test program that runs the
    // diagnostics with its primary display device given this id (matched_display_double_win32.h).
    bool RunInThisProgram(const std::wstring& displayDeviceId);

  private:
    VelkoraTest::CTempFolder folder;
    bool valid = false;
    std::vector<std::wstring> extraEnvironment;
};

std::wstring DeliverablePath();

} // namespace Zentoli
