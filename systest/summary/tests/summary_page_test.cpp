#include "summary_page.h"

#include <gtest/gtest.h>

#include "later_texts.h"
#include "result_document_read.h"
#include "result_json.h"
#include "summary_fixtures.h"

namespace Velkora {
namespace {

using namespace SummaryFixtures;

// The program's own English texts, as a page without a language module gets them.
std::string English(TextId id) {
    return DocumentText(BuiltInEnglishText(id));
}

void Add(CSiteSummary& site, const wchar_t* name, const RunSummary& run, const wchar_t* card = L"Radeon") {
    auto read = ReadResultDocument(Document(name, {2026, 12, 1, 9, 0, 0, 60}, run, card), "in.json");
    site.Add(std::get<MachineResult>(std::move(read)));
}

std::string Page(const CSiteSummary& site) {
    return BuildSummaryPage(site.Figures(), English, {"en", "Velkora 2018"});
}

int CountOf(const std::string& page, const std::string& what) {
    int n = 0;
    for (std::size_t at = page.find(what); at != std::string::npos; at = page.find(what, at + 1))
        ++n;
    return n;
}

TEST(SummaryPage, TextsFromMachinesShowAsCharactersNeverAsMarkup) {
    const RunSummary hostile =
        RunOf({{CheckId::kGraphicsCard, kSeverityNotMet, L"</span><script>alert(2)</script>"}});
    CSiteSummary site;
    Add(site, L"<script>alert(1)</script>", hostile, L"<img src=x onerror=alert(3)>");
    Add(site, L"\"&'<b>", hostile, L"\" onmouseover=\"alert(4)");
    site.Skip({"C:\\share\\<svg onload=alert(5)>.json", SkipReason::kNotJson, 0});
    const std::string page = Page(site);
    EXPECT_EQ(CountOf(page, "<script"), 0);
    EXPECT_EQ(CountOf(page, "<img"), 0);
    EXPECT_EQ(CountOf(page, "<svg onload"), 0);
    EXPECT_EQ(CountOf(page, "<b>"), 0);
    EXPECT_EQ(CountOf(page, "\" onmouseover"), 0);
    EXPECT_NE(page.find("<td class=\"name\">&lt;script&gt;alert(1)&lt;/script&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"name\">&quot;&amp;&#39;&lt;b&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find("&lt;/span&gt;&lt;script&gt;alert(2)"), std::string::npos);
}

TEST(SummaryPage, SelfContainedNothingFetchedFromElsewhere) {
    CSiteSummary site;
    Add(site, L"WS-1", RunOf({{CheckId::kMemory, kSeverityWarning, L"w"}}));
    const std::string page = Page(site);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
    for (const char* reference :
         {"src=", "href=", "url(", "@import", "<link", "<script", "<iframe", "<object"})
        EXPECT_EQ(CountOf(page, reference), 0) << reference;
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Velkora 2018: Site Overview</title>"), std::string::npos);
}

TEST(SummaryPage, FiguresSectionsAndTheirTexts) {
    CSiteSummary site;
    Add(site, L"WS-READY", RunOf({{CheckId::kGraphicsCard, kSeverityMet, L"ok"}}));
    Add(site, L"WS-SLOW", RunOf({{CheckId::kMemory, kSeverityNotMet, L"Only 2 GB of memory."}}));
    Add(site, L"WS-WARN", RunOf({{CheckId::kGraphicsDriver, kSeverityWarning, L"Old driver."}}));
    site.Skip({"a.json", SkipReason::kNotJson, 0});
    site.Skip({"b.json", SkipReason::kSchemaVersion, 9});
    const std::string page = Page(site);
    for (const char* expected : {
             "<span class=\"figure\" data-count=\"machines\">3</span>",
             "data-count=\"ready\">1</span>",
             "data-count=\"warnings\">1</span>",
             "data-count=\"notReady\">1</span>",
             "data-count=\"notJudged\">0</span>",
             "<g class=\"bar\" data-check=\"memory\" data-failed=\"1\" data-warned=\"0\">",
             "<th scope=\"row\">Memory</th>",
             "1 failed, 0 warned",
             "<tr class=\"machine\" data-verdict=\"notReady\"><td class=\"name\">WS-SLOW</td>",
             "<li data-check=\"memory\" data-verdict=\"notMet\"><span class=\"label\">Memory</span>: "
             "<span class=\"text\">Only 2 GB of memory.</span></li>",
             "<tr class=\"card\" data-verdict=\"met\"><td class=\"card-name\">Radeon</td>",
             "<tr class=\"version\"><td class=\"version-name\">" VELKORA_VERSION_TEXT
             "</td><td class=\"count\">3</td>",
             "<section id=\"unread\" data-count=\"2\">\n<h2>2 files could not be read:</h2>",
             "<span class=\"source\">b.json</span>: <span class=\"reason\">schema version 9 cannot be "
             "read</span>",
         })
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    EXPECT_EQ(CountOf(page, "class=\"machine\""), 2) << "ready machines need no attention";
    EXPECT_LT(page.find("WS-SLOW"), page.find("WS-WARN")) << "worst first";
}

TEST(SummaryPage, AnEmptySiteSaysSoAndOneUnreadFileIsOneFile) {
    CSiteSummary site;
    site.Skip({"only.json", SkipReason::kNotOurs, 0});
    const std::string page = Page(site);
    EXPECT_NE(page.find("<p id=\"no-results\">No result was found in the input.</p>"), std::string::npos);
    EXPECT_NE(page.find("data-count=\"machines\">0</span>"), std::string::npos);
    EXPECT_NE(page.find("<h2>1 file could not be read:</h2>"), std::string::npos);
    EXPECT_EQ(CountOf(page, "id=\"attention\""), 0);
}

TEST(SummaryPage, ATranslationWithoutItsNumberStillShowsTheFigure) {
    CSiteSummary site;
    Add(site, L"WS", RunOf({{CheckId::kMemory, kSeverityMet, L"ok"}}));
    const std::string page = BuildSummaryPage(
        site.Figures(),
        [](TextId id) { return id == kTextSiteMachines ? std::string("Rechner:") : English(id); },
        {"de", "Velkora 2018"});
    EXPECT_NE(page.find("Rechner: <span class=\"figure\" data-count=\"machines\">1</span>"),
              std::string::npos);
    EXPECT_NE(page.find("<html lang=\"de\">"), std::string::npos);
}

TEST(SummaryPage, EveryCheckHasANameAndAnUnknownIdShowsAsItIs) {
    for (CheckId id : kAllCheckIds)
        EXPECT_FALSE(CheckNameText(CheckIdName(id), English).empty()) << CheckIdName(id);
    EXPECT_EQ(CheckNameText("graphicsCard", English), "Graphics card");
    EXPECT_EQ(CheckNameText("aCheckOfLater", English), "aCheckOfLater");
}

} // namespace
} // namespace Velkora
