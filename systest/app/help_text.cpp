#include "help_text.h"

#include <algorithm>

#include "command_line.h"

namespace Velkora {

namespace {
struct HelpLine {
    const wchar_t* term;
    const wchar_t* meaning;
};

constexpr HelpLine kOptions[] = {
    {L"-accepteula", L"the licence counts as accepted and is not shown"},
    {L"-silent", L"no window and no message box at all; needs -accepteula"},
    {L"-report PATH|-", L"write the report (UTF-8 with byte-order mark); - is standard output"},
    {L"-json PATH|-", L"write the result document (UTF-8); - is standard output"},
    {L"-timeout SECONDS", L"the longest wait for the graphics test (Zentoli.exe); 120 when silent"},
    {L"-verbosevideo", L"show the graphics checks' intermediate values"},
    {L"-?, -h, -help", L"show this text and end"},
};

constexpr HelpLine kExitCodes[] = {
    {L"11", L"silent run: a requirement is not met"},
    {L"12", L"silent run: warnings"},
    {L"13, 14", L"silent run: requirements met"},
    {L"16", L"silent run: nothing could be judged"},
    {L"3", L"bad command line"},
    {L"5", L"an output could not be written"},
    {L"-1", L"no language module"},
    {L"0, 1, 2", L"dialog run: a window failed, OK, declined or cancelled"},
};

// "  term" padded to one column, then the meaning.
template <std::size_t N>
std::wstring Table(const HelpLine (&lines)[N]) {
    std::size_t width = 0;
    for (const HelpLine& line : lines)
        width = std::max(width, std::wstring(line.term).size());
    std::wstring text;
    for (const HelpLine& line : lines) {
        std::wstring term = line.term;
        text += L"  " + term + std::wstring(width - term.size() + 2, L' ') + line.meaning + L"\r\n";
    }
    return text;
}
} // namespace

std::wstring HelpText() {
    std::wstring text = kUsageLine;
    text += L"\r\n\r\nChecks this workstation against the requirements of the CAD product. Options start with - or /,\r\n"
            L"in any letter case. Without options the licence and the main window are shown.\r\n\r\nOptions:\r\n";
    text += Table(kOptions);
    text += L"\r\nExit codes:\r\n";
    text += Table(kExitCodes);
    return text;
}

} // namespace Velkora
