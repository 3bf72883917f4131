// The shared results table for real: many runs append to one file at once, a writer waits for a
// file another program holds, and gives up at its limit leaving the file as it was.
#include "unattended_program_win32.h"

#include <map>

#include "product_version.h"

namespace {

using namespace VelkoraTest;

// The table's lines without their CR LF, each split into its fields, quotes undone (an adapter's
// caption may hold the separator).
std::vector<std::vector<std::string>> TableRows(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : ReportLines(text)) {
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else if (c == '"')
                quoted = !quoted;
            else if (c == separator && !quoted)
                fields.emplace_back();
            else
                fields.back() += c;
        }
        rows.push_back(fields);
    }
    return rows;
}

std::string TextOrEmpty(const json& value) {
    return value.is_string() ? value.get<std::string>() : value.is_number() ? value.dump() : "";
}

// What a row must say of its run, worked out from the run's result document: under each column
// of the header, the document's field, a check's verdict word, or nothing.
std::string Expected(const json& document, const std::vector<std::string>& header) {
    std::map<std::string, std::string> cells{
        {"computerName", TextOrEmpty(document["computerName"])},
        {"checkedAt", TextOrEmpty(document["checkedAt"])},
        {"checkerVersion", TextOrEmpty(document["checkerVersion"])},
        {"language", TextOrEmpty(document["language"])},
        {"summary", TextOrEmpty(document["summary"]["verdict"])},
        {"summarySeverity", TextOrEmpty(document["summary"]["severity"])},
        {"graphicsAdapter", TextOrEmpty(document["graphicsAdapter"]["caption"])},
        {"driverVersion", TextOrEmpty(document["graphicsAdapter"]["driverVersion"])},
        {"driverDate", TextOrEmpty(document["graphicsAdapter"]["driverDate"])},
        {"diagnosticsExitCode", TextOrEmpty(document["diagnostics"]["exitCode"])},
        {"diagnosticsTimedOut", document["diagnostics"]["timedOut"].get<bool>() ? "true" : "false"},
        {"schemaVersion", TextOrEmpty(document["schemaVersion"])},
    };
    for (const json& check : document["checks"])
        cells.emplace(check["id"].get<std::string>(), check["verdict"].get<std::string>());
    std::string row;
    for (const std::string& column : header)
        row += cells[column] + "|";
    return row;
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string row;
    for (const std::string& field : fields)
        row += field + "|";
    return row;
}

class SharedTable : public UnattendedProgram {
  protected:
    void SetUp() override {
        UnattendedProgram::SetUp();
        // Without the diagnostics program every run is quick; the table is what is tried here.
        ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
        table = out + L"fleet.csv";
    }
    std::wstring table;
};

// 64 runs at once, each with its own result document: one header, and one whole row per run that
// says what its document says.
TEST_F(SharedTable, SixtyFourRunsAtOnceLoseNoRow) {
    constexpr int kRuns = 64;
    std::vector<std::unique_ptr<CDrivenProcess>> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.push_back(std::make_unique<CDrivenProcess>());
        ASSERT_TRUE(runs.back()->Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -accepteula -silent " +
                                            L"-timeout 600 -json \"" + out + L"run" + std::to_wstring(i) +
                                            L".json\" -csv \"" + table + L"\"",
                                        folder.Path(),
                                        {}}));
    }
    for (auto& run : runs) {
        std::optional<DWORD> code = run->WaitForExit(600000);
        ASSERT_TRUE(code) << "a run did not end";
        EXPECT_EQ(*code, 12u) << run->Errors();
    }
    std::optional<std::string> text = ReadFileBytes(table);
    ASSERT_TRUE(text);
    ASSERT_EQ(text->rfind(kBom, 0), 0u) << "made with a byte-order mark";
    const std::vector<std::vector<std::string>> rows = TableRows(text->substr(3), ',');
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRuns + 1)) << *text;
    const std::vector<std::string>& header = rows.front();
    EXPECT_EQ(header.front(), "computerName");
    std::multiset<std::string> fromRows, fromDocuments;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].size(), header.size()) << "a row not whole: line " << i;
        fromRows.insert(Joined(rows[i]));
    }
    for (int i = 0; i < kRuns; ++i) {
        json document = ParseJson(ReadFileBytes(out + L"run" + std::to_wstring(i) + L".json"));
        ASSERT_TRUE(document.is_object());
        std::string row = Expected(document, header);
        fromDocuments.insert(row);
    }
    EXPECT_EQ(fromRows, fromDocuments);
}

// Another program holds the file for three seconds: the row is added once it lets go. Also when
// that program lets others read and write (a spreadsheet or an editor may): a writer of the table
// wants the file to itself.
TEST_F(SharedTable, AHeldFileGetsItsRowWhenFreed) {
    for (const DWORD holderSharing : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        SCOPED_TRACE(holderSharing == 0 ? "held without sharing" : "held, sharing allowed");
        DeleteFileW(table.c_str());
        Velkora::CFile held(CreateFileW(table.c_str(), GENERIC_READ | GENERIC_WRITE, holderSharing, nullptr,
                                        CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(held);
        CDrivenProcess run;
        ASSERT_TRUE(run.Start(
            {L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -accepteula -silent -csv \"" + table + L"\"",
             folder.Path(),
             {}}));
        Sleep(3000);
        EXPECT_FALSE(run.WaitForExit(0)) << "it did not wait";
        std::optional<std::string> whileHeld = ReadFileBytes(table);
        if (holderSharing != 0) {
            EXPECT_EQ(whileHeld, std::string()) << "written while held";
        }
        held.Reset();
        std::optional<DWORD> code = run.WaitForExit(kWait);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, 12u) << run.Errors();
        std::optional<std::string> text = ReadFileBytes(table);
        ASSERT_TRUE(text);
        EXPECT_EQ(TableRows(text->substr(3), ',').size(), 2u) << *text;
    }
}

// Held past the run's limit, or not our table: exit code 5, a line saying why, the file as it was.
TEST_F(SharedTable, AFileHeldPastTheLimitOrNotOursIsLeftAsItWas) {
    const std::string before = "computerName,language\r\nWS-0,en\r\n";
    WriteFileBytes(table, before);
    {
        Velkora::CFile held(
            CreateFileW(table.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        RunOutcome outcome = Run(L"-accepteula -silent -timeout 2 -csv \"" + table + L"\"");
        EXPECT_EQ(outcome.exitCode, 5u);
        EXPECT_NE(outcome.errors.find("held by another program"), std::string::npos) << outcome.errors;
    }
    EXPECT_EQ(ReadFileBytes(table), before);

    const std::string foreign = "name;age\r\nx;1\r\n";
    WriteFileBytes(table, foreign);
    RunOutcome outcome = Run(L"-accepteula -silent -csv \"" + table + L"\"");
    EXPECT_EQ(outcome.exitCode, 5u);
    EXPECT_NE(outcome.errors.find("not a results table"), std::string::npos) << outcome.errors;
    EXPECT_EQ(ReadFileBytes(table), foreign);

    // An older checker's table: the row follows its columns.
    WriteFileBytes(table, before);
    outcome = Run(L"-accepteula -silent -csv \"" + table + L"\"");
    EXPECT_EQ(outcome.exitCode, 12u) << outcome.errors;
    std::optional<std::string> text = ReadFileBytes(table);
    ASSERT_TRUE(text);
    ASSERT_EQ(text->rfind(before, 0), 0u);
    const std::vector<std::vector<std::string>> rows = TableRows(text->substr(before.size()), ',');
    ASSERT_EQ(rows.size(), 1u) << *text;
    EXPECT_EQ(rows[0].size(), 2u);
}

// "-csv -": the header and the row on standard output.
TEST_F(SharedTable, StandardOutputGetsTheHeaderAndTheRow) {
    RunOutcome outcome = Run(L"-accepteula -silent -csv -");
    EXPECT_EQ(outcome.exitCode, 12u) << outcome.errors;
    ASSERT_EQ(outcome.output.rfind(kBom, 0), 0u);
    const std::vector<std::vector<std::string>> rows = TableRows(outcome.output.substr(3), ',');
    ASSERT_EQ(rows.size(), 2u) << outcome.output;
    EXPECT_EQ(rows[0].front(), "computerName");
    EXPECT_EQ(rows[1].size(), rows[0].size());
    EXPECT_EQ(rows[1][2], VELKORA_VERSION_TEXT) << "the checker's version";
}

} // namespace
