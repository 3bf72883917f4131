// The row a run adds to the shared results table: its cells, quoting, formula guard, and what is
// appended to a new, an existing and a foreign file.
#include "shared_table_row.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(SharedTableRow, TextFromTheMachineNeverBecomesAFormula) {
    struct Case {
        std::string text;
        bool number;
        char separator;
        std::string field;
    } cases[] = {
        {"WS-042", false, ',', "WS-042"},
        {"=HYPERLINK(\"http://x\")", false, ',', "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"=1+2", false, ';', "'=1+2"},
        {"+49 30", false, ',', "'+49 30"},
        {"-WS", false, ',', "'-WS"},
        {"@SUM(A1)", false, ',', "'@SUM(A1)"},
        {"\tTAB", false, ',', "'\tTAB"},
        {"\rCR", false, ',', "\"'\rCR\""},
        {"-1073741819", true, ',', "-1073741819"}, // an exit code: a number, never guarded
        {"a,b", false, ',', "\"a,b\""},
        {"a,b", false, ';', "a,b"},
        {"a;b", false, ';', "\"a;b\""},
        {"say \"hi\"", false, ',', "\"say \"\"hi\"\"\""},
        {"two\r\nlines", false, ',', "\"two\r\nlines\""},
        {"", false, ',', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TableField({c.text, c.number}, c.separator), c.field) << c.text;
}

TEST(SharedTableRow, LinesSplitAsTheyWereQuoted) {
    EXPECT_EQ(SplitTableLine("a,\"b,c\",\"d\"\"e\",", ','),
              (std::vector<std::string>{"a", "b,c", "d\"e", ""}));
    EXPECT_EQ(SplitTableLine("a;b", ';'), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(SplitTableLine("a,\"open", ',').has_value());
}

RunSummary OneRowRun() {
    RunSummary run;
    run.level = 2;
    run.entries.push_back({CheckId::kOperatingSystem, {3, L"ok", L"ok"}, {}, L"Met", true});
    run.entries.push_back({CheckId::kDiagnosticsTimeout, {2, L"stopped", L"stopped"}, {}, L"Warning", true});
    return run;
}

ResultDocument Document(const RunSummary& run) {
    ResultDocument d;
    d.computerName = L"=cmd|' /C calc'!A0";
    d.checkedAt = {2026, 12, 11, 9, 30, 0, 60};
    d.languageCode = L"de";
    d.run = &run;
    d.diagnostics.started = true;
    d.diagnostics.timedOut = true;
    d.adapter.caption = L"AMD Radeon, \"Pro\"";
    d.adapter.driverVersion = {23, 21, 13, 8813};
    d.adapter.driverDate = 20171110;
    return d;
}

TEST(SharedTableRow, ARunsCellsUnderOurColumns) {
    const RunSummary run = OneRowRun();
    const TableRecord record = SharedTableRecord(Document(run));
    const std::vector<std::string> columns = SharedTableColumns();
    ASSERT_EQ(columns.front(), "computerName");
    ASSERT_EQ(columns.back(), "schemaVersion");
    for (const auto& [column, cell] : record)
        EXPECT_NE(std::find(columns.begin(), columns.end(), column), columns.end()) << column;
    EXPECT_EQ(record.at("computerName").text, "=cmd|' /C calc'!A0");
    EXPECT_EQ(record.at("checkedAt").text, "2026-12-11T09:30:00+01:00");
    EXPECT_EQ(record.at("checkerVersion").text, VELKORA_VERSION_TEXT);
    EXPECT_EQ(record.at("summary").text, "warning");
    EXPECT_EQ(record.at("summarySeverity").text, "2");
    EXPECT_TRUE(record.at("summarySeverity").number);
    EXPECT_EQ(record.at("operatingSystem").text, "met");
    EXPECT_EQ(record.at("diagnosticsTimeout").text, "warning");
    EXPECT_EQ(record.count("graphicsCard"), 0u) << "a check without a row has no cell";
    EXPECT_EQ(record.at("driverVersion").text, "23.21.13.8813");
    EXPECT_EQ(record.at("driverDate").text, "2017-11-10");
    EXPECT_EQ(record.count("diagnosticsExitCode"), 0u) << "stopped: no exit code of its own";
    EXPECT_EQ(record.at("diagnosticsTimedOut").text, "true");
    EXPECT_EQ(record.at("schemaVersion").text, std::to_string(kResultSchemaVersion));
}

TableRecord SmallRecord() {
    return {{"computerName", {"WS-1", false}}, {"summarySeverity", {"3", true}}, {"language", {"en", false}}};
}

std::string OurHeader(char separator) {
    std::string header;
    for (const std::string& column : SharedTableColumns())
        header += (header.empty() ? "" : std::string(1, separator)) + column;
    return header + "\r\n";
}

// The cells of SmallRecord under our columns.
std::string SmallRow(char separator) {
    std::string row;
    for (const std::string& column : SharedTableColumns()) {
        if (column != "computerName")
            row += separator;
        if (column == "computerName")
            row += "WS-1";
        if (column == "summarySeverity")
            row += "3";
        if (column == "language")
            row += "en";
    }
    return row + "\r\n";
}

TEST(SharedTableRow, WhatIsAppendedToEachKindOfFile) {
    const TableRecord record = SmallRecord();
    struct Case {
        const char* name;
        std::string head;
        std::uint64_t size;
        char lastByte;
        char localeSeparator;
        bool refused;
        std::string bytes;
    } cases[] = {
        {"a new file", "", 0, '\n', ',', false, kBom + OurHeader(',') + SmallRow(',')},
        {"a new file, German list separator", "", 0, '\n', ';', false, kBom + OurHeader(';') + SmallRow(';')},
        {"only the byte-order mark", kBom, 3, '\xBF', ',', false, OurHeader(',') + SmallRow(',')},
        {"our table keeps its separator", kBom + OurHeader(';'), 3 + OurHeader(';').size(), '\n', ',', false,
         SmallRow(';')},
        {"an older checker's columns", "computerName,language,retired\r\nWS-0,en,x\r\n", 40, '\n', ',', false,
         "WS-1,en,\r\n"},
        {"a row left unended", "computerName,language\r\nWS-0,e", 30, 'e', ',', false, "\r\nWS-1,en\r\n"},
        {"not our table", "name,age\r\n", 10, '\n', ',', true, ""},
        {"a header that only starts like ours", "computerNames,x\r\n", 17, '\n', ',', true, ""},
        {"a quote left open in the header", "computerName,\"open\r\n", 20, '\n', ',', true, ""},
    };
    for (const Case& c : cases) {
        const TableAppend append = PlanTableAppend(c.head, c.size, c.lastByte, record, c.localeSeparator);
        EXPECT_EQ(append.refused, c.refused) << c.name;
        EXPECT_EQ(append.bytes, c.bytes) << c.name;
    }
}

} // namespace
} // namespace Velkora
