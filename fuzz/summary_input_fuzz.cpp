// One input of the site summary: the bytes as a result document and as a results table (the
// input's first byte picks the name it is read under, which decides a .csv), then the page and
// the table made of what was read. Whatever the bytes, nothing on the page is markup they made.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "summary_input.h"
#include "summary_page.h"
#include "summary_table.h"

using namespace Velkora;

namespace {

std::string Text(TextId id) {
    return "t" + std::to_string(id) + " %d %s";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    CSiteSummary site;
    ReadSummaryInput(bytes, data[0] & 1 ? "in.csv" : "in.json", site);
    // A second read of the same input: every machine it held is replaced by itself.
    ReadSummaryInput(bytes, "again.json", site);
    const SiteFigures figures = site.Figures();
    const std::string page = BuildSummaryPage(figures, Text, {"en", "Velkora 2018"});
    // Only the page's own elements: none that a document or table could have brought in.
    for (const char* markup : {"<script", "<img", "<iframe", "<a ", "<b>"})
        if (page.find(markup) != std::string::npos)
            std::abort();
    const std::string table = BuildSummaryTable(site, ';');
    if (table.compare(0, 3, "\xEF\xBB\xBF") != 0)
        std::abort();
    return 0;
}
