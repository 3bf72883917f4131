#include "result_table_read.h"

#include <gtest/gtest.h>

#include "summary_fixtures.h"

namespace Velkora {
namespace {

using namespace SummaryFixtures;

struct TableRead {
    std::vector<MachineResult> results;
    std::vector<SkippedInput> skipped;
};

TableRead ReadTable(std::string_view bytes) {
    TableRead read;
    ReadResultTable(
        bytes, "site.csv", [&](MachineResult r) { read.results.push_back(std::move(r)); },
        [&](SkippedInput s) { read.skipped.push_back(std::move(s)); });
    return read;
}

// A table as runs append to it, one row per document.
std::string TableOf(std::initializer_list<const ResultDocument*> documents, char separator) {
    std::string table;
    for (const ResultDocument* d : documents)
        table += PlanTableAppend(table, table.size(), '\n', SharedTableRecord(*d), separator).bytes;
    return table;
}

TEST(ResultTableRead, RowsReadBackAsTheRunsWroteThem) {
    const RunSummary notMet = RunOf({{CheckId::kGraphicsCard, kSeverityNotMet, L"x"},
                                     {CheckId::kMemory, kSeverityWarning, L"w"},
                                     {CheckId::kClosingNote, kSeverityWarning, L"note", false}});
    const RunSummary met = RunOf({{CheckId::kMemory, kSeverityMet, L"ok"}});
    ResultDocument hostile;
    hostile.computerName = L"=HYPERLINK(\"x\";\"<b>\")";
    hostile.checkedAt = {2026, 12, 1, 9, 0, 0, 60};
    hostile.run = &notMet;
    hostile.adapter.caption = L"Card; with \"quotes\"\r\nand a line";
    ResultDocument plain;
    plain.computerName = L"WS-2";
    plain.checkedAt = {2026, 12, 1, 10, 0, 0, -300};
    plain.run = &met;
    for (char separator : {',', ';'}) {
        const TableRead read = ReadTable(TableOf({&hostile, &plain}, separator));
        ASSERT_EQ(read.results.size(), 2u) << separator;
        EXPECT_TRUE(read.skipped.empty());
        const MachineResult& first = read.results[0];
        EXPECT_EQ(first.Cell(TableColumn("computerName")), "=HYPERLINK(\"x\";\"<b>\")")
            << "the guard is undone";
        EXPECT_EQ(first.Cell(TableColumn("graphicsAdapter")), "Card; with \"quotes\"\r\nand a line");
        EXPECT_EQ(first.Cell(TableColumn("summarySeverity")), "1");
        EXPECT_TRUE(first.cells[TableColumn("summarySeverity")].number);
        EXPECT_EQ(first.state, MachineState::kNotReady);
        EXPECT_EQ(first.instant, 1796112000);
        EXPECT_EQ(first.source, "site.csv, line 2");
        // Verdict words only, and the note is no check.
        ASSERT_EQ(first.checks.size(), 2u);
        EXPECT_EQ(first.checks[0].id, "memory");
        EXPECT_EQ(first.checks[0].verdict, Verdict::kWarning);
        EXPECT_EQ(first.checks[1].id, "graphicsCard");
        EXPECT_EQ(first.checks[1].verdict, Verdict::kNotMet);
        EXPECT_EQ(read.results[1].state, MachineState::kReady);
        EXPECT_EQ(read.results[1].source, "site.csv, line 4") << "the adapter's line break moved it";
    }
}

TEST(ResultTableRead, BadRowsAreSkippedOneByOneWithTheirLines) {
    const std::string table = "\xEF\xBB\xBF"
                              "computerName,checkedAt,summarySeverity\r\n"
                              "WS-1,2026-12-01T09:00:00Z,3\r\n"
                              "WS-2,yesterday,3\r\n"
                              ",2026-12-01T09:00:00Z,3\r\n"
                              "WS-3,2026-12-01T09:00:00Z,3,extra\r\n"
                              "\r\n"
                              "WS-4,2026-12-01T09:00:00Z\r\n"
                              "WS-5,\"2026-12-01T09:00:00Z,3\r\n";
    const TableRead read = ReadTable(table);
    ASSERT_EQ(read.results.size(), 2u);
    EXPECT_EQ(read.results[0].Cell(0), "WS-1");
    EXPECT_EQ(read.results[1].Cell(0), "WS-4");
    EXPECT_EQ(read.results[1].state, MachineState::kNotJudged) << "no summary severity";
    std::vector<std::string> where;
    for (const SkippedInput& s : read.skipped)
        where.push_back(s.source + ": " + std::to_string(static_cast<int>(s.reason)));
    const auto incomplete = std::to_string(static_cast<int>(SkipReason::kIncomplete));
    const auto malformed = std::to_string(static_cast<int>(SkipReason::kRowMalformed));
    EXPECT_EQ(where,
              (std::vector<std::string>{"site.csv, line 3: " + incomplete, "site.csv, line 4: " + incomplete,
                                        "site.csv, line 5: " + malformed, "site.csv, line 8: " + malformed}));
}

TEST(ResultTableRead, AFileThatIsNotOurTableIsSkippedWhole) {
    for (std::string_view bytes : {std::string_view("name,checkedAt\r\nWS,2026-12-01T09:00:00Z\r\n"),
                                   std::string_view(""), std::string_view("\xEF\xBB\xBF")}) {
        const TableRead read = ReadTable(bytes);
        EXPECT_TRUE(read.results.empty());
        ASSERT_EQ(read.skipped.size(), 1u);
        EXPECT_EQ(read.skipped[0].reason, SkipReason::kNotTable);
        EXPECT_EQ(read.skipped[0].source, "site.csv");
    }
}

} // namespace
} // namespace Velkora
