#include "diagnostics_launch.h"

#include "text_format.h"

namespace Velkora {

std::wstring LaunchFailureText(std::wstring_view commandLine, std::uint32_t errorCode) {
    return FormatText(L"error while starting: %s\nError: %d", {std::wstring(commandLine), errorCode});
}

} // namespace Velkora
