#include "run_guard.h"

#include <exception>

#include "command_line.h"

namespace Velkora {
namespace {

// what() is narrow text of unknown encoding: only its ASCII letters are kept.
std::wstring AsciiOf(const char* text) {
    std::wstring wide;
    for (; text && *text; ++text) {
        const auto c = static_cast<unsigned char>(*text);
        wide.push_back(c >= 0x20 && c < 0x7F ? static_cast<wchar_t>(c) : L'?');
    }
    return wide;
}

std::wstring FailureMessage(const std::wstring& detail) {
    std::wstring message = L"VelkoraSysTest: the check failed inside the program and was ended";
    if (!detail.empty())
        message += L" (" + detail + L")";
    return message + L".";
}

} // namespace

int RunGuarded(const std::function<int()>& run, const FailureReportFn& report) {
    std::wstring detail;
    try {
        return run();
    } catch (const std::exception& failure) {
        detail = AsciiOf(failure.what());
    } catch (...) {
    }
    if (report)
        report(FailureMessage(detail));
    return kExitInternalError;
}

} // namespace Velkora
