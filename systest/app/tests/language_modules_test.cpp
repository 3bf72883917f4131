// The shipped language modules against the numbers the program asks for: every text in both
// languages, nothing else, and the same format arguments in the same order, so that no German
// row is missing a text or formats a number as a string.
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "code_page_conversion.h"
#include "later_texts.h"

namespace {

std::string ReadSource(const std::string& relativePath) {
    std::ifstream file(std::string(VELKORA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::set<int> AskedForNumbers() {
    std::set<int> numbers;
    const std::string header = ReadSource("systest/text/text_ids.h");
    const std::regex constant(R"(constexpr TextId \w+ = (\d+);)");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), constant); it != std::sregex_iterator();
         ++it)
        numbers.insert(std::stoi((*it)[1]));
    return numbers;
}

// Number → text as written in the module's string table (escapes left as they are).
std::map<int, std::string> ModuleTexts(const std::string& relativePath) {
    std::map<int, std::string> texts;
    std::istringstream lines(ReadSource(relativePath));
    const std::regex entry(R"re(^\s+(\d+)\s+"(.*)"\s*$)re");
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::smatch m;
        if (std::regex_match(line, m, entry))
            texts[std::stoi(m[1])] = m[2];
    }
    return texts;
}

// The conversions of a printf-style text in order, "%%" left out: "%-5d of %s" gives "d s".
std::string Conversions(const std::string& text) {
    std::string found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        std::size_t j = i + 1;
        while (j < text.size() && std::string("-0123456789").find(text[j]) != std::string::npos)
            ++j;
        if (j < text.size() && text[j] != '%')
            found += std::string(found.empty() ? "" : " ") + text[j];
        i = j;
    }
    return found;
}

std::set<int> NumbersOf(const std::map<int, std::string>& texts) {
    std::set<int> numbers;
    for (const auto& [number, text] : texts)
        numbers.insert(number);
    return numbers;
}

TEST(LanguageModules, EachHoldsExactlyTheTextsAskedFor) {
    const std::set<int> asked = AskedForNumbers();
    ASSERT_FALSE(asked.empty());
    for (const char* module :
         {"systest/app/lang/VelkoraSystest_En.rc", "systest/app/lang/VelkoraSystest_De.rc"}) {
        const std::map<int, std::string> texts = ModuleTexts(module);
        const std::set<int> held = NumbersOf(texts);
        for (int number : asked)
            EXPECT_TRUE(held.count(number)) << module << " has no text " << number;
        for (int number : held)
            EXPECT_TRUE(asked.count(number)) << module << ": text " << number << " is never asked for";
        for (const auto& [number, text] : texts)
            EXPECT_FALSE(text.empty()) << module << ": " << number;
    }
}

TEST(LanguageModules, BothLanguagesTakeTheSameFormatArguments) {
    const std::map<int, std::string> english = ModuleTexts("systest/app/lang/VelkoraSystest_En.rc");
    const std::map<int, std::string> german = ModuleTexts("systest/app/lang/VelkoraSystest_De.rc");
    for (const auto& [number, text] : english) {
        auto other = german.find(number);
        if (other == german.end())
            continue; // reported by the test above
        EXPECT_EQ(Conversions(other->second), Conversions(text))
            << number << ": \"" << text << "\" / \"" << other->second << "\"";
    }
}

// A module text as the resource compiler stores it: "" is a quote, \t \r \n \\ their characters.
std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The program's own English for the later texts is what the English module says.
TEST(LanguageModules, TheBuiltInEnglishIsTheEnglishModules) {
    const std::map<int, std::string> english = ModuleTexts("systest/app/lang/VelkoraSystest_En.rc");
    for (int number : AskedForNumbers()) {
        const auto id = static_cast<Velkora::TextId>(number);
        if (!Velkora::IsLaterText(id))
            continue;
        auto text = english.find(number);
        ASSERT_NE(text, english.end()) << number;
        std::wstring moduleText;
        ASSERT_TRUE(Velkora::MultiByteToWide(Velkora::kCodePageUtf8, Unescaped(text->second), moduleText));
        EXPECT_TRUE(Velkora::BuiltInEnglishText(id) == moduleText) << number;
    }
}

TEST(LanguageModules, ConversionsAreReadAsTheFormatterReadsThem) {
    EXPECT_EQ(Conversions("%-5d of %s at 100%%"), "d s");
    EXPECT_EQ(Conversions("%02d.%02d.%d"), "d d d");
    EXPECT_EQ(Conversions("no arguments"), "");
}

} // namespace
