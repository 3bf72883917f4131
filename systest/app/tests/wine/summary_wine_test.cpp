// The site summary for real: result documents and a results table written by the program's own
// silent runs, mixed with files that are not results, summed up into one page and one table.
#include "unattended_program_win32.h"

namespace {

using namespace VelkoraTest;

std::size_t CountOf(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SiteSummary : public UnattendedProgram {
  protected:
    void SetUp() override {
        UnattendedProgram::SetUp();
        // Without the diagnostics program every run is quick; what is summed up is tried here.
        ASSERT_TRUE(DeleteFileW((folder.Path() + L"Zentoli.exe").c_str()));
        documents = out + L"results\\";
        ASSERT_TRUE(CreateDirectoryW(documents.c_str(), nullptr));
    }

    // A silent run that leaves its document among the results and its row in the site's table.
    json SilentRun(const std::wstring& name) {
        const RunOutcome run =
            Run(L"-accepteula -silent -json \"" + documents + name + L"\" -csv \"" + out + L"site.csv\"");
        EXPECT_EQ(run.exitCode, 12u) << run.errors;
        return ParseJson(ReadFileBytes(documents + name));
    }

    std::wstring documents;
};

TEST_F(SiteSummary, RunsOfTheProgramAndFilesThatAreNotMakeOnePage) {
    json first = SilentRun(L"first.json");
    ASSERT_TRUE(first.is_object());
    SilentRun(L"second.json"); // the same machine again: it counts once
    // A second machine, named to break a page that took its name as markup, and things that are
    // not results at all.
    json other = first;
    other["computerName"] = "<script>alert(1)</script>";
    other["summary"] = nullptr;
    ASSERT_TRUE(WriteFileBytes(documents + L"other.json", other.dump(2)));
    const std::string text = first.dump(2);
    ASSERT_TRUE(WriteFileBytes(documents + L"cut.json", text.substr(0, text.size() / 2)));
    ASSERT_TRUE(WriteFileBytes(documents + L"notes.json", "meeting at ten"));
    ASSERT_TRUE(WriteFileBytes(documents + L"ignored.txt", "not a document: not even looked at"));

    const RunOutcome summary =
        Run(L"-summary \"" + documents + L"\" \"" + out + L"site.csv\" \"" + out +
            L"missing.json\" -html \"" + out + L"site.html\" -csv \"" + out + L"latest.csv\"");
    EXPECT_EQ(summary.exitCode, 0u) << summary.errors;
    EXPECT_EQ(summary.errors, "");
    EXPECT_EQ(summary.windowsSeen, 0u) << "no licence, no window";
    const std::optional<std::string> page = ReadFileBytes(out + L"site.html");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("data-count=\"machines\">2</span>"), std::string::npos) << *page;
    EXPECT_NE(page->find("data-count=\"notJudged\">1</span>"), std::string::npos);
    EXPECT_NE(page->find("<td class=\"name\">&lt;script&gt;alert(1)&lt;/script&gt;</td>"), std::string::npos);
    EXPECT_EQ(CountOf(*page, "<script"), 0u);
    EXPECT_NE(page->find("<section id=\"unread\" data-count=\"3\">"), std::string::npos);
    for (const char* unread : {"cut.json", "notes.json", "missing.json"})
        EXPECT_NE(page->find(unread), std::string::npos) << unread;
    EXPECT_EQ(CountOf(*page, "ignored.txt"), 0u);

    // One row per machine, in the shared table's columns.
    const std::optional<std::string> site = ReadFileBytes(out + L"site.csv");
    const std::optional<std::string> latest = ReadFileBytes(out + L"latest.csv");
    ASSERT_TRUE(site && latest);
    const std::vector<std::string> siteLines = ReportLines(*site), latestLines = ReportLines(*latest);
    ASSERT_EQ(siteLines.size(), 3u) << "a header and two runs";
    ASSERT_EQ(latestLines.size(), 3u) << *latest;
    EXPECT_EQ(latestLines[0], siteLines[0]);
    EXPECT_EQ(latestLines[0].rfind(kBom, 0), 0u);
    EXPECT_EQ(latestLines[1].rfind("<script>alert(1)</script>,", 0), 0u) << "sorted by name";
    EXPECT_EQ(latestLines[2], siteLines[2]) << "the machine's latest run, as its run wrote it";
}

TEST_F(SiteSummary, AFolderWithoutResultsGivesAPageThatSaysSo) {
    const RunOutcome summary = Run(L"-summary \"" + documents + L"\" -html \"" + out + L"empty.html\"");
    EXPECT_EQ(summary.exitCode, 0u) << summary.errors;
    const std::optional<std::string> page = ReadFileBytes(out + L"empty.html");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("<p id=\"no-results\">"), std::string::npos);
}

// Refused lines end with 3 and write nothing; an output that cannot be written ends with 5, leaves
// no half file and no temporary one, and the other output is still written whole.
TEST_F(SiteSummary, BadCommandLinesAndOutputsThatCannotBeWritten) {
    ASSERT_TRUE(WriteFileBytes(out + L"site.csv", "computerName,checkedAt\r\nWS-1,2026-12-01T09:00:00Z\r\n"));
    const std::wstring in = L"\"" + out + L"site.csv\"";
    const std::wstring page = L"\"" + out + L"page.html\"";
    const struct {
        std::wstring arguments;
        DWORD code;
    } cases[] = {
        {L"-summary -html " + page, 3},
        {L"-summary " + in, 3},
        {L"-html " + page, 3},
        {L"-summary " + in + L" -html " + page + L" -report r.txt", 3},
        {L"-summary " + in + L" -html " + page + L" -timeout 5", 3},
        {L"-summary " + in + L" -html " + page + L" -csv " + in, 3},
        {L"-summary " + in + L" -html " + page + L" -csv " + page, 3},
        {L"-summary " + in + L" -html " + page + L" -summary " + in, 3},
    };
    for (const auto& c : cases) {
        const RunOutcome run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, c.code) << Utf8Of(c.arguments);
        EXPECT_NE(run.errors.find("VelkoraSysTest -summary INPUT... -html PATH [-csv PATH]"),
                  std::string::npos);
        EXPECT_FALSE(Exists(out + L"page.html")) << Utf8Of(c.arguments);
    }
    const std::optional<std::string> table = ReadFileBytes(out + L"site.csv");
    EXPECT_EQ(table, "computerName,checkedAt\r\nWS-1,2026-12-01T09:00:00Z\r\n")
        << "an input is never overwritten";

    const RunOutcome run =
        Run(L"-summary " + in + L" -html " + page + L" -csv \"" + out + L"no\\such\\t.csv\"");
    EXPECT_EQ(run.exitCode, 5u);
    EXPECT_NE(run.errors.find("summary table could not be written"), std::string::npos) << run.errors;
    EXPECT_TRUE(Exists(out + L"page.html")) << "the page is whole";
    EXPECT_FALSE(Exists(out + L"no"));
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((out + L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a temporary file was left";
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

// The page's words come from the user's language module (this test runs in English and German).
TEST_F(SiteSummary, ThePageIsInTheUsersLanguage) {
    ASSERT_TRUE(WriteFileBytes(out + L"site.csv", "computerName,checkedAt\r\nWS-1,2026-12-01T09:00:00Z\r\n"));
    const RunOutcome run = Run(L"-summary \"" + out + L"site.csv\" -html \"" + out + L"page.html\"");
    EXPECT_EQ(run.exitCode, 0u) << run.errors;
    const std::optional<std::string> page = ReadFileBytes(out + L"page.html");
    ASSERT_TRUE(page);
    wchar_t locale[LOCALE_NAME_MAX_LENGTH] = {};
    GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
    const bool german = std::wstring(locale).rfind(L"de", 0) == 0;
    EXPECT_NE(page->find(german ? "<html lang=\"de\">" : "<html lang=\"en\">"), std::string::npos)
        << Utf8Of(locale);
    EXPECT_NE(page->find(german ? "Velkora 2018: Standort\xC3\xBC"
                                  "bersicht"
                                : "Velkora 2018: Site Overview"),
              std::string::npos);
}

} // namespace
