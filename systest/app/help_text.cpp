#include "help_text.h"

#include "command_line.h"

namespace Velkora {
namespace {

// After the usage line, the same text as the English language module's; the Wine tests compare
// the two.
constexpr wchar_t kBuiltInBody[] =
    L"Checks this workstation against the requirements of the CAD product. Options start with - or /,\r\n"
    L"in any letter case. Without options the licence and the main window are shown.\r\n"
    L"\r\n"
    L"Options:\r\n"
    L"  -accepteula        the licence counts as accepted and is not shown\r\n"
    L"  -silent            no window and no message box at all; needs -accepteula\r\n"
    L"  -report PATH|-     write the report (UTF-8 with byte-order mark); - is standard output\r\n"
    L"  -json PATH|-       write the result document (UTF-8); - is standard output\r\n"
    L"  -csv PATH|-        add a row to a results table that many machines share; - is standard output\r\n"
    L"                     (with -summary: write the latest row of every machine as one table)\r\n"
    L"  -summary INPUT...  no check: one overview page of many results (documents, folders of them, "
    L"tables)\r\n"
    L"  -html PATH         with -summary: the page to write\r\n"
    L"  -timeout SECONDS   the longest wait for the graphics test (Zentoli.exe); 120 when silent\r\n"
    L"  -verbosevideo      show the graphics checks' intermediate values\r\n"
    L"  -?, -h, -help      show this text and end with 0\r\n"
    L"\r\n"
    L"Exit codes:\r\n"
    L"  11        silent run: a requirement is not met\r\n"
    L"  12        silent run: warnings\r\n"
    L"  13, 14    silent run: requirements met\r\n"
    L"  16        silent run: nothing could be judged\r\n"
    L"  0         -summary: the page was written\r\n"
    L"  3         bad command line\r\n"
    L"  5         an output could not be written\r\n"
    L"  6         the check failed inside the program\r\n"
    L"  -1        no language module\r\n"
    L"  0, 1, 2   dialog run: a window failed, OK, declined or cancelled\r\n";

} // namespace

std::wstring HelpText(const std::wstring& translated) {
    if (!translated.empty())
        return translated;
    return std::wstring(kUsageLine) + L"\r\n" + kSummaryUsageLine + L"\r\n\r\n" + kBuiltInBody;
}

} // namespace Velkora
