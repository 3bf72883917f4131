#include "summary_table.h"

#include <gtest/gtest.h>

#include "result_document_read.h"
#include "result_table_read.h"
#include "summary_fixtures.h"

namespace Velkora {
namespace {

using namespace SummaryFixtures;

TEST(SummaryTable, TheLatestRunOfEveryMachineByNameAsOurTable) {
    const RunSummary older = RunOf({{CheckId::kMemory, kSeverityNotMet, L"m"}});
    const RunSummary newer = RunOf({{CheckId::kMemory, kSeverityMet, L"m"}});
    CSiteSummary site;
    for (auto [name, at, run] : {std::tuple{L"WS-B", LocalDateTime{2026, 12, 2}, &newer},
                                 std::tuple{L"=WS-A", LocalDateTime{2026, 12, 1}, &older},
                                 std::tuple{L"WS-B", LocalDateTime{2026, 12, 1}, &older}})
        site.Add(std::get<MachineResult>(ReadResultDocument(Document(name, at, *run), "x.json")));
    for (char separator : {',', ';'}) {
        const std::string table = BuildSummaryTable(site, separator);
        ASSERT_EQ(table.rfind("\xEF\xBB\xBF"
                              "computerName" +
                                  std::string(1, separator) + "checkedAt",
                              0),
                  0u);
        EXPECT_NE(table.find("\r\n'=WS-A" + std::string(1, separator)), std::string::npos)
            << "guarded as a formula";
        // Read back as the shared table is: two rows, the newer run of WS-B.
        std::vector<MachineResult> rows;
        ReadResultTable(
            table, "t.csv", [&](MachineResult r) { rows.push_back(std::move(r)); },
            [](SkippedInput s) { ADD_FAILURE() << s.source; });
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].Cell(0), "=WS-A");
        EXPECT_EQ(rows[1].Cell(0), "WS-B");
        EXPECT_EQ(rows[1].Cell(TableColumn("checkedAt")), "2026-12-02T00:00:00Z");
        EXPECT_EQ(rows[1].state, MachineState::kReady);
        for (std::size_t column = 0; column < rows[1].cells.size(); ++column)
            EXPECT_EQ(rows[1].cells[column].text, site.Machines()[0].cells[column].text) << column;
    }
}

TEST(SummaryTable, AnEmptySiteIsAHeaderAlone) {
    const std::string table = BuildSummaryTable(CSiteSummary{}, ',');
    EXPECT_EQ(table.find("\r\n"), table.size() - 2);
}

} // namespace
} // namespace Velkora
