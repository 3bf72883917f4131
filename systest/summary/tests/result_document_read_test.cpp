#include "result_document_read.h"

#include <gtest/gtest.h>

#include "shared_table_row.h"
#include "summary_fixtures.h"

namespace Velkora {
namespace {

using namespace SummaryFixtures;

MachineResult Read(const std::variant<MachineResult, SkippedInput>& read) {
    if (const auto* skipped = std::get_if<SkippedInput>(&read))
        ADD_FAILURE() << "skipped, reason " << static_cast<int>(skipped->reason);
    const auto* result = std::get_if<MachineResult>(&read);
    return result ? *result : MachineResult{};
}

TEST(ResultDocumentRead, ARunReadBackGivesTheTableRowTheRunWrites) {
    const RunSummary run =
        RunOf({{CheckId::kOperatingSystem, kSeverityMet, L"ok"},
               {CheckId::kGraphicsCard, kSeverityNotMet, L"The card <b>X</b> is not certified."},
               {CheckId::kClosingNote, kSeverityWarning, L"note", false}});
    ResultDocument d;
    d.computerName = L"WS-\x00C4"
                     L"1";
    d.checkedAt = {2026, 12, 1, 9, 30, 0, 60};
    d.languageCode = L"de";
    d.run = &run;
    d.adapter.caption = L"Radeon";
    d.adapter.driverVersion = {31, 0, 21, 912};
    d.diagnostics.exitCode = 11;
    const auto read = ReadResultDocument(BuildResultJson(d), "a.json");
    const MachineResult machine = Read(read);
    const TableRecord expected = SharedTableRecord(d);
    const std::vector<std::string> columns = SharedTableColumns();
    ASSERT_EQ(machine.cells.size(), columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto cell = expected.find(columns[i]);
        EXPECT_EQ(machine.cells[i].text, cell == expected.end() ? "" : cell->second.text) << columns[i];
        EXPECT_EQ(machine.cells[i].number, cell != expected.end() && cell->second.number) << columns[i];
    }
    EXPECT_EQ(machine.source, "a.json");
    EXPECT_EQ(machine.state, MachineState::kNotReady);
    EXPECT_EQ(machine.instant, 1796113800); // 08:30 UTC
    // The closing note judges nothing; the met row keeps no text.
    ASSERT_EQ(machine.checks.size(), 2u);
    EXPECT_EQ(machine.checks[1].id, "graphicsCard");
    EXPECT_EQ(machine.checks[1].verdict, Verdict::kNotMet);
    EXPECT_EQ(machine.checks[1].text, "The card <b>X</b> is not certified.");
    EXPECT_EQ(machine.checks[0].text, "");
}

TEST(ResultDocumentRead, TheSummarySeverityDecidesTheState) {
    const struct {
        RunSummary run;
        MachineState state;
    } cases[] = {
        {RunOf({{CheckId::kMemory, kSeverityWarning, L"w"}}), MachineState::kWarnings},
        {RunOf({{CheckId::kMemory, kSeverityOwnWarning, L"w"}}), MachineState::kWarnings},
        {RunOf({{CheckId::kMemory, kSeverityMet, L"ok"}}), MachineState::kReady},
        {RunOf({{CheckId::kMemory, kSeverityMetBetter, L"ok"}}), MachineState::kReady},
        {RunOf({{CheckId::kMemory, kSeverityNoVerdict, L"?"}}), MachineState::kNotJudged},
        {RunOf({}), MachineState::kNotJudged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(ReadResultDocument(Document(L"WS", {2026, 1, 1}, c.run), "x")).state, c.state);
    // A run that wrote no summary (null) was not judged.
    std::string document = Document(L"WS", {2026, 1, 1}, RunOf({{CheckId::kMemory, kSeverityMet, L"ok"}}));
    const std::size_t at = document.find("\"summary\": {");
    ASSERT_NE(at, std::string::npos);
    document.replace(at, document.find('}', at) - at + 1, "\"summary\": null");
    EXPECT_EQ(Read(ReadResultDocument(document, "x")).state, MachineState::kNotJudged);
}

TEST(ResultDocumentRead, WhatIsNotAReadableDocumentOfOursIsSkippedWithItsReason) {
    const std::string good = Document(L"WS", {2026, 1, 1}, RunOf({{CheckId::kMemory, kSeverityMet, L"ok"}}));
    auto with = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const struct {
        std::string bytes;
        SkipReason reason;
    } cases[] = {
        {"", SkipReason::kNotJson},
        {"plain text", SkipReason::kNotJson},
        {good.substr(0, good.size() / 2), SkipReason::kNotJson},
        {"\xFF\xFE{\0}", SkipReason::kNotJson},
        {"[1, 2]", SkipReason::kNotOurs},
        {"{\"schema\": \"someone-else\", \"schemaVersion\": 4}", SkipReason::kNotOurs},
        {with("\"schemaVersion\": 4", "\"schemaVersion\": 99"), SkipReason::kSchemaVersion},
        {with("\"schemaVersion\": 4", "\"schemaVersion\": 0"), SkipReason::kSchemaVersion},
        {with("\"schemaVersion\": 4", "\"schemaVersion\": \"4\""), SkipReason::kSchemaVersion},
        {with("\"computerName\": \"WS\"", "\"computerName\": \"\""), SkipReason::kIncomplete},
        {with("\"computerName\": \"WS\"", "\"computerName\": 7"), SkipReason::kIncomplete},
        {with("2026-01-01T00:00:00Z", "2026-02-30T00:00:00Z"), SkipReason::kIncomplete},
    };
    for (const auto& c : cases) {
        const auto read = ReadResultDocument(c.bytes, "bad.json");
        const auto* skipped = std::get_if<SkippedInput>(&read);
        ASSERT_TRUE(skipped) << c.bytes;
        EXPECT_EQ(skipped->reason, c.reason) << c.bytes;
        EXPECT_EQ(skipped->source, "bad.json");
    }
    const auto version = ReadResultDocument(with("\"schemaVersion\": 4", "\"schemaVersion\": 99"), "v.json");
    EXPECT_EQ(std::get<SkippedInput>(version).schemaVersion, 99);
}

TEST(ResultDocumentRead, EarlierVersionsAndAByteOrderMarkAreRead) {
    const std::string good =
        Document(L"WS", {2026, 1, 1}, RunOf({{CheckId::kMemory, kSeverityWarning, L"w"}}));
    std::string older = good;
    older.replace(older.find("\"schemaVersion\": 4"), 18, "\"schemaVersion\": 3");
    older.erase(older.find("  \"checkerVersion\""),
                older.find('\n', older.find("\"checkerVersion\"")) - older.find("  \"checkerVersion\"") + 1);
    const MachineResult machine = Read(ReadResultDocument(older, "old.json"));
    EXPECT_EQ(machine.Cell(TableColumn("checkerVersion")), "");
    EXPECT_EQ(machine.Cell(TableColumn("schemaVersion")), "3");
    EXPECT_EQ(machine.state, MachineState::kWarnings);
    EXPECT_EQ(Read(ReadResultDocument("\xEF\xBB\xBF" + good, "bom.json")).state, MachineState::kWarnings);
}

} // namespace
} // namespace Velkora
