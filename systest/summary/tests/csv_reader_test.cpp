#include "csv_reader.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

std::vector<CsvRecord> ReadAll(std::string_view text, char separator = ',') {
    CCsvReader reader(text, separator);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.Next(record))
        records.push_back(record);
    return records;
}

using Fields = std::vector<std::string>;

TEST(CsvReader, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks) {
    const auto records = ReadAll("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",x\r\nlast,\"\"\r\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].fields, (Fields{"two\r\nlines", "x"}));
    EXPECT_EQ(records[2].fields, (Fields{"last", ""}));
    EXPECT_EQ(records[0].line, 1u);
    EXPECT_EQ(records[1].line, 2u);
    EXPECT_EQ(records[2].line, 4u) << "a line break inside quotes is a line of the file";
    for (const CsvRecord& r : records)
        EXPECT_FALSE(r.cutShort);
}

TEST(CsvReader, LineEndsAndSeparators) {
    EXPECT_EQ(ReadAll("a;b\nc;d", ';').back().fields, (Fields{"c", "d"})) << "LF, and no line end at the end";
    EXPECT_EQ(ReadAll("a;b\r\n", ';').front().fields, (Fields{"a", "b"}));
    EXPECT_EQ(ReadAll("a,b\r\n", ';').front().fields, (Fields{"a,b"}));
    EXPECT_EQ(ReadAll("a\rb\n").front().fields, (Fields{"a\rb"})) << "a lone CR is text";
    EXPECT_EQ(ReadAll("\r\n").front().fields, (Fields{""})) << "an empty line";
    EXPECT_TRUE(ReadAll("").empty());
}

TEST(CsvReader, AQuoteLeftOpenCutsTheRecordShort) {
    const auto records = ReadAll("a,b\r\nc,\"open\r\nd,e\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[0].cutShort);
    EXPECT_TRUE(records[1].cutShort);
    EXPECT_EQ(records[1].line, 2u);
}

} // namespace
} // namespace Velkora
