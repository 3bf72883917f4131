#include "html_text.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

TEST(HtmlText, MarkupInTextStaysCharacters) {
    const struct {
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"\"&'<b>", "&quot;&amp;&#39;&lt;b&gt;"},
        {"a\" onmouseover=\"x", "a&quot; onmouseover=&quot;x"},
        {"&amp;", "&amp;amp;"},
        {"Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC \xF0\x9F\x96\xA5",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC \xF0\x9F\x96\xA5"},
        {"tab\tline\r\n", "tab\tline\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlText(c.in), c.out) << c.in;
}

TEST(HtmlText, BytesThatAreNotUtf8AndControlsBecomeTheReplacementCharacter) {
    const std::string r = "\xEF\xBF\xBD";
    const struct {
        std::string_view in;
        std::string out;
    } cases[] = {
        {"a\xFF"
         "b",
         "a" + r + "b"},
        {"\xC3", r},                         // cut short
        {"\xC0\xAF", r + r},                 // overlong
        {"\xED\xA0\x80", r + r + r},         // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r}, // beyond U+10FFFF
        {std::string_view("a\0b", 3), "a" + r + "b"},
        {"\x1B[31m", r + "[31m"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlText(c.in), c.out);
}

} // namespace
} // namespace Velkora
