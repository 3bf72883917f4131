#include "run_arguments.h"

#include "text_rules.h"

namespace Zentoli {

RunArguments ParseRunArguments(const std::vector<std::wstring>& arguments) {
    RunArguments result;
    if (arguments.size() > 1) {
        result.shaderDirectory = CutText<wchar_t>(arguments[1], kDirectoryCapacity - 1);
        result.logToFile = false;
    }
    if (arguments.size() > 2 && arguments[2].find(L"-1") != std::wstring::npos) {
        result.logToFile = true;
        std::wstring& dir = result.shaderDirectory;
        dir.erase(dir.size() >= 3 ? dir.size() - 3 : 0);
    }
    return result;
}

namespace {

std::wstring TwoDigits(int n) {
    return (n >= 0 && n < 10 ? L"0" : L"") + std::to_wstring(n);
}

} // namespace

std::wstring LogFileName(const std::optional<std::wstring>& computerName, const LocalTime& time) {
    // GetComputerNameW fills at most 15 characters; anything longer is not a computer name.
    std::wstring computer = computerName && !computerName->empty() ? CutText<wchar_t>(*computerName, 15)
                                                                   : std::wstring(L"unknown");
    return L"zentoli_" + computer + L"_" + std::to_wstring(time.year) + L"-" + std::to_wstring(time.month) +
           L"-" + std::to_wstring(time.day) + L"_" + TwoDigits(time.hour) + TwoDigits(time.minute) + L".txt";
}

} // namespace Zentoli
