// The CSV reader on any bytes: every record advances, field bytes come only from the input, and
// the line numbers never run ahead of the input's line feeds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "csv_reader.h"

using namespace Velkora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = static_cast<char>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t lineFeeds = 0;
    for (char c : text)
        lineFeeds += c == '\n';
    CCsvReader reader(text, separator);
    CsvRecord record;
    std::size_t records = 0, bytes = 0, lastLine = 0;
    while (reader.Next(record)) {
        if (++records > text.size() + 1 || record.line <= lastLine || record.line > lineFeeds + 1)
            std::abort();
        lastLine = record.line;
        for (const std::string& field : record.fields)
            bytes += field.size();
        if (bytes > text.size())
            std::abort();
    }
    return 0;
}
