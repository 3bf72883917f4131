#pragma once
// Records of a comma-separated table as RFC 4180 writes them: a quoted field may hold the
// separator, doubled quotes and line breaks; records end with CR LF or LF. Read one at a time,
// so that a large table is never held twice.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Velkora {

struct CsvRecord {
    std::size_t line = 0;            // where the record begins, from 1
    std::vector<std::string> fields; // quotes undone
    bool cutShort = false;           // a quote was still open at the end of the text
};

class CCsvReader {
  public:
    CCsvReader(std::string_view text, char separator) : text(text), separator(separator) {}

    // The next record; false at the end of the text. An empty line is a record of one empty field.
    bool Next(CsvRecord& record);

  private:
    std::string_view text;
    char separator;
    std::size_t position = 0;
    std::size_t line = 1;
};

} // namespace Velkora
